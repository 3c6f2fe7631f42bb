// Sounds and music through SDL2_mixer; anything that cannot play stays silent.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <map>
#include <string>

#include "game_app.h"
#include "game_data.h"

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
  int sound_count() const { return static_cast<int>(chunks_.size()) + (menu_music_ ? 1 : 0); }
  void Play(int entry_position);
  void SetMusic(const MusicChoice& choice);
  void SetVolume(int volume);  // 0..10

 private:
  void StopMusic();

  const GameData& data_;
  bool open_ = false;
  std::map<int, Mix_Chunk*> chunks_;
  Mix_Chunk* menu_music_ = nullptr;
  Mix_Music* level_music_ = nullptr;
  MusicChoice current_{MusicChoice::kMenu, -1};
};

}  // namespace game
