// The game's own mixer of wave sounds, for platform layers whose sound
// output takes one stream of samples: a number of channels for effects and
// one that loops the menu music, each with its gains, and the game volume.
// Not thread-safe: a layer that mixes on another thread holds a lock.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "wave_sound.h"

namespace game {

class SoundMixer {
 public:
  static constexpr int kEffectChannels = 23;  // and one for the music
  static constexpr int kFullGain = 256;

  // Starts `sound` on a free effect channel with gains for the left and
  // right side (0 to kFullGain); nothing happens when every channel is busy.
  // The sound is not copied: it must outlive its playing.
  void Play(const WaveSound* sound, int left_gain = kFullGain, int right_gain = kFullGain);
  // Plays `music` over and over on the music channel; nullptr stops it.
  void Loop(const WaveSound* music);
  void SetVolume(int volume);               // 0..10, effects and music alike
  void SetVolumes(int music, int effects);  // 0..10 each
  // Mixes the next frames into `out` (left, right, left, right ...).
  void Mix(std::span<int16_t> out);
  int playing() const;  // effect channels busy

 private:
  struct Channel {
    const WaveSound* sound = nullptr;
    size_t frame = 0;
    int left = kFullGain, right = kFullGain;
    bool loop = false;
  };
  // Adds the next `frames` of the channel to `sum`; ends it at the end of its sound unless it loops.
  static void Add(Channel& channel, std::span<int32_t> sum);

  std::array<Channel, kEffectChannels> effects_{};
  Channel music_{nullptr, 0, kFullGain, kFullGain, true};
  int volume_ = 10;  // of the effects
  int music_volume_ = 10;
};

}  // namespace game
