// Reads arbitrary bytes as a wave file and mixes what it decodes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "sound_mixer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto sound = game::DecodeWave(std::span<const uint8_t>(data, size));
  if (!sound) return 0;
  if (sound->samples.size() % 2 != 0) std::abort();
  game::SoundMixer mixer;
  mixer.Play(&*sound);
  mixer.Loop(&*sound);
  std::vector<int16_t> out(2048);
  mixer.Mix(out);
  return 0;
}
