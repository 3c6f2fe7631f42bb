// The game's sound: its wave sounds mixed by the game's own mixer and sent
// to the system's wave output on a thread of their own, and the level music
// played through the system's MIDI output. Sound or music that cannot play
// is silence.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "game_app.h"
#include "game_data.h"
#include "game_sounds.h"
#include "sound_mixer.h"
#include "win_midi.h"

namespace game::win {

// The wave sounds of a game decoded, by entry position.
struct DecodedSounds {
  explicit DecodedSounds(const GameData& data);
  std::map<int, WaveSound> effects;
  std::optional<WaveSound> menu_music;
  int pack_effects = 0;  // of `effects`, those from the pack; the rest are the game's own
  int count() const { return pack_effects + (menu_music ? 1 : 0); }
};

class WaveOutput {
 public:
  explicit WaveOutput(SoundMixer& mixer, std::mutex& lock);
  ~WaveOutput();
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;
  bool open() const { return device_ != nullptr; }

 private:
  static constexpr int kBuffers = 4;
  static constexpr int kFrames = 1024;
  void Run();

  SoundMixer& mixer_;
  std::mutex& lock_;
  HWAVEOUT device_ = nullptr;
  HANDLE done_ = nullptr;
  std::atomic<bool> stop_{false};
  std::array<std::array<int16_t, kFrames * 2>, kBuffers> samples_{};
  std::array<WAVEHDR, kBuffers> headers_{};
  std::thread thread_;
};

class GameAudio {
 public:
  // `output`: whether to open the devices (a headless run only decodes).
  GameAudio(const GameData& data, bool output);
  int sound_count() const { return sounds_.count(); }
  void Play(int entry_position, const SoundGains& gains);
  void SetMusic(const MusicChoice& choice);
  void SetVolumes(int music, int effects);  // 0..10 each

 private:
  const GameData& data_;
  DecodedSounds sounds_;
  SoundMixer mixer_;
  std::mutex lock_;
  std::unique_ptr<WaveOutput> output_;
  std::unique_ptr<MidiPlayer> midi_;
  MusicChoice current_{MusicChoice::kMenu, -1};
};

}  // namespace game::win
