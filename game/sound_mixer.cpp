#include "sound_mixer.h"

#include <algorithm>
#include <vector>

namespace game {

void SoundMixer::Play(const WaveSound* sound, int left_gain, int right_gain) {
  if (!sound || sound->frames() == 0) return;
  for (Channel& channel : effects_) {
    if (channel.sound) continue;
    channel = {sound, 0, std::clamp(left_gain, 0, kFullGain), std::clamp(right_gain, 0, kFullGain), false};
    return;
  }
}

void SoundMixer::Loop(const WaveSound* music) {
  if (music && music->frames() == 0) music = nullptr;
  if (music != music_.sound) music_ = {music, 0, kFullGain, kFullGain, true};
}

void SoundMixer::SetVolume(int volume) {
  SetVolumes(volume, volume);
}

void SoundMixer::SetVolumes(int music, int effects) {
  music_volume_ = std::clamp(music, 0, 10);
  volume_ = std::clamp(effects, 0, 10);
}

int SoundMixer::playing() const {
  return static_cast<int>(
      std::count_if(effects_.begin(), effects_.end(), [](const Channel& c) { return c.sound; }));
}

void SoundMixer::Add(Channel& channel, std::span<int32_t> sum) {
  size_t out = 0;
  while (channel.sound && out < sum.size()) {
    const auto& samples = channel.sound->samples;
    const size_t frames = std::min(sum.size() / 2 - out / 2, channel.sound->frames() - channel.frame);
    for (size_t i = 0; i < frames; ++i, out += 2, ++channel.frame) {
      sum[out] += samples[channel.frame * 2] * channel.left / kFullGain;
      sum[out + 1] += samples[channel.frame * 2 + 1] * channel.right / kFullGain;
    }
    if (channel.frame == channel.sound->frames()) {
      channel.frame = 0;
      if (!channel.loop) channel.sound = nullptr;
    }
  }
}

void SoundMixer::Mix(std::span<int16_t> out) {
  std::vector<int32_t> sum(out.size() & ~size_t{1}, 0);
  std::vector<int32_t> music(sum.size(), 0);
  for (Channel& channel : effects_) Add(channel, sum);
  Add(music_, music);
  std::fill(out.begin(), out.end(), int16_t{0});
  for (size_t i = 0; i < sum.size(); ++i)
    out[i] =
        static_cast<int16_t>(std::clamp((sum[i] * volume_ + music[i] * music_volume_) / 10, -32768, 32767));
}

}  // namespace game
