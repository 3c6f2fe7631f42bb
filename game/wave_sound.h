// Wave sounds (RIFF WAVE files holding PCM of 8, 16, 24 or 32 bits, or
// 32-bit floats, in one or two channels at any rate) decoded into the
// stereo 16-bit samples of the game's own mixer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace game {

constexpr int kMixRate = 44100;  // frames a second

struct WaveSound {
  std::vector<int16_t> samples;  // left, right, left, right ... at kMixRate

  size_t frames() const { return samples.size() / 2; }
};

// The sound of a wave file, resampled to kMixRate; nothing when the file is
// not a wave file this decoder reads.
std::optional<WaveSound> DecodeWave(std::span<const uint8_t> file);

}  // namespace game
