// Sounds and music through SDL2_mixer; anything that cannot play stays silent.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <map>
#include <string>

#include "game_app.h"
#include "game_data.h"
#include "game_sounds.h"

namespace game {

// The General MIDI soundfont: the first *.sf2 beside the executable, else the system's.
std::string ChooseSoundFont(const std::filesystem::path& executable_folder);

class SdlAudio {
 public:
  SdlAudio(const GameData& data, const std::string& sound_font);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool open() const { return open_; }
  int sound_count() const { return pack_sounds_ + (menu_music_ ? 1 : 0); }
  // Plays the sound at its gains (distance and side) and the effects volume.
  void Play(int sound, const SoundGains& gains);
  void SetMusic(const MusicChoice& choice);
  void SetVolumes(int music, int effects);  // 0..10 each

 private:
  void StopMusic();

  const GameData& data_;
  bool open_ = false;
  std::map<int, Mix_Chunk*> chunks_;  // by entry position, or the game's own sound
  int pack_sounds_ = 0;
  Mix_Chunk* menu_music_ = nullptr;
  Mix_Music* level_music_ = nullptr;
  MusicChoice current_{MusicChoice::kMenu, -1};
  int effects_volume_ = MIX_MAX_VOLUME;
  int music_volume_ = -1;
};

}  // namespace game
