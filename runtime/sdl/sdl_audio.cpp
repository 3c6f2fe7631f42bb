#include "sdl_audio.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "midi_check.h"

namespace game {
namespace {

constexpr int kMusicChannel = 0;  // reserved for the looping menu music

Mix_Chunk* LoadChunk(const Entry& bytes) {
  if (bytes.empty()) return nullptr;
  return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

}  // namespace

std::string ChooseSoundFont(const std::filesystem::path& executable_folder) {
  std::error_code ec;
  std::vector<std::filesystem::path> beside;
  for (const auto& item : std::filesystem::directory_iterator(executable_folder, ec))
    if (item.path().extension() == ".sf2" || item.path().extension() == ".SF2") beside.push_back(item.path());
  std::sort(beside.begin(), beside.end());
  if (!beside.empty()) return beside.front().string();
  for (const char* system : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"})
    if (std::filesystem::exists(system, ec)) return system;
  return {};
}

SdlAudio::SdlAudio(const GameData& data, const std::string& sound_font) : data_(data) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::cerr << "sound off: " << Mix_GetError() << "\n";
    return;
  }
  open_ = true;
  if (!sound_font.empty()) Mix_SetSoundFonts(sound_font.c_str());
  Mix_AllocateChannels(24);
  Mix_ReserveChannels(1);
  for (size_t position = 0; position < data.sounds.size(); ++position)
    if (Mix_Chunk* chunk = LoadChunk(data.sounds[position])) chunks_[static_cast<int>(position)] = chunk;
  pack_sounds_ = static_cast<int>(chunks_.size());
  for (int own : {kEmptyClickSound, kPlayerDeathSound})
    if (Mix_Chunk* chunk = LoadChunk(OwnSoundWave(own))) chunks_[own] = chunk;
  menu_music_ = LoadChunk(data.menu_music);
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  StopMusic();
  for (auto& [position, chunk] : chunks_) Mix_FreeChunk(chunk);
  if (menu_music_) Mix_FreeChunk(menu_music_);
  Mix_CloseAudio();
  Mix_Quit();
}

void SdlAudio::Play(int sound, const SoundGains& gains) {
  const auto found = chunks_.find(sound);
  if (!open_ || found == chunks_.end() || gains.volume <= 0) return;
  const int channel = Mix_PlayChannel(-1, found->second, 0);
  if (channel < 0) return;
  Mix_Volume(channel, effects_volume_ * gains.volume / 255);
  Mix_SetPanning(channel, static_cast<Uint8>(gains.left), static_cast<Uint8>(gains.right));
}

void SdlAudio::StopMusic() {
  Mix_HaltChannel(kMusicChannel);
  Mix_HaltMusic();
  if (level_music_) Mix_FreeMusic(level_music_);
  level_music_ = nullptr;
}

void SdlAudio::SetMusic(const MusicChoice& choice) {
  if (!open_ || choice == current_) return;
  current_ = choice;
  StopMusic();
  if (choice.kind == MusicChoice::kLevel) {
    const size_t index = static_cast<size_t>(choice.level - 1);
    const Entry* midi = index < data_.level_midi_files.size() ? &data_.level_midi_files[index] : nullptr;
    if (!midi || midi->empty()) return;
    // The synthesizer retries a file it cannot read for ever, holding the
    // sound device, so only files that read to their end reach it.
    const std::string problem = MidiProblem(*midi);
    if (!problem.empty()) {
      std::cerr << "the music of level " << choice.level << " cannot play: " << problem << std::endl;
      return;
    }
    level_music_ = Mix_LoadMUS_RW(SDL_RWFromConstMem(midi->data(), static_cast<int>(midi->size())), 1);
    if (!level_music_ || Mix_PlayMusic(level_music_, -1) != 0)
      std::cerr << "the music of level " << choice.level << " cannot play: " << Mix_GetError() << std::endl;
    return;
  }
  if (menu_music_) Mix_PlayChannel(kMusicChannel, menu_music_, -1);
}

void SdlAudio::SetVolumes(int music, int effects) {
  if (!open_) return;
  effects_volume_ = std::clamp(effects, 0, 10) * MIX_MAX_VOLUME / 10;
  const int music_level = std::clamp(music, 0, 10) * MIX_MAX_VOLUME / 10;
  if (music_level == music_volume_) return;
  music_volume_ = music_level;
  Mix_Volume(kMusicChannel, music_level);
  Mix_VolumeMusic(music_level);
}

}  // namespace game
