#include "sound_mixer.h"

#include <gtest/gtest.h>

#include "platform/byte_io.h"

namespace {

using game::WaveSound;
using Bytes = std::vector<uint8_t>;

struct WaveFormat {
  uint16_t tag = 1;
  uint16_t channels = 1;
  uint32_t rate = game::kMixRate;
  uint16_t bits = 16;
};

// With `extensible`, the format chunk of 40 bytes that names the sample
// format in its sub-format GUID.
Bytes Wave(const WaveFormat& f, const Bytes& data, bool extensible = false) {
  Bytes out;
  platform::ByteWriter w(out);
  const uint16_t block = static_cast<uint16_t>(f.channels * ((f.bits + 7) / 8));
  w.Bytes(Bytes{'R', 'I', 'F', 'F'}), w.U32(0), w.Bytes(Bytes{'W', 'A', 'V', 'E'});
  w.Bytes(Bytes{'L', 'I', 'S', 'T'}), w.U32(3), w.Zeros(4);  // an odd chunk before, padded
  w.Bytes(Bytes{'f', 'm', 't', ' '}), w.U32(extensible ? 40 : 16);
  w.U16(extensible ? 0xFFFE : f.tag), w.U16(f.channels), w.U32(f.rate), w.U32(f.rate * block), w.U16(block);
  w.U16(f.bits);
  if (extensible) w.U16(22), w.U16(f.bits), w.U32(0), w.U16(f.tag), w.Zeros(14);
  w.Bytes(Bytes{'d', 'a', 't', 'a'}), w.U32(static_cast<uint32_t>(data.size())), w.Bytes(data);
  return out;
}

std::vector<int16_t> Samples(const std::optional<WaveSound>& sound) {
  return sound ? sound->samples : std::vector<int16_t>{-1};
}

TEST(WaveSound, SampleFormatsBecomeStereo16BitAtTheMixRate) {
  const struct {
    const char* name;
    Bytes file;
    std::vector<int16_t> samples;
  } cases[] = {
      {"8-bit mono at half the rate, interpolated",
       Wave({1, 1, 22050, 8}, {128, 192}),
       {0, 0, 8192, 8192, 16384, 16384, 16384, 16384}},
      {"16-bit stereo",
       Wave({1, 2, 44100, 16}, {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x80, 0xFF, 0x7F}),
       {1, -1, -32768, 32767}},
      {"24-bit mono", Wave({1, 1, 44100, 24}, {0x99, 0x34, 0x12}), {0x1234, 0x1234}},
      {"32-bit floats",
       Wave({3, 1, 44100, 32}, {0, 0, 0, 0x3F, 0, 0, 0, 0xC0}),
       {16383, 16383, -32767, -32767}},
      {"extensible PCM", Wave({1, 1, 44100, 16}, {0x10, 0x00}, true), {16, 16}},
      {"data cut short",
       [] {
         Bytes w = Wave({1, 1, 44100, 16}, {1, 0, 2, 0});
         w.resize(w.size() - 2);
         return w;
       }(),
       {1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(Samples(game::DecodeWave(c.file)), c.samples) << c.name;
}

TEST(WaveSound, FilesItDoesNotReadAreRefused) {
  Bytes no_data = Wave({1, 1, 44100, 16}, {});
  Bytes not_riff = Wave({1, 1, 44100, 16}, {1, 0});
  not_riff[0] = 'X';
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"not RIFF", not_riff},
      {"no samples", no_data},
      {"ADPCM", Wave({2, 1, 44100, 4}, {1, 2, 3, 4})},
      {"three channels", Wave({1, 3, 44100, 16}, Bytes(6, 1))},
      {"rate 0", Wave({1, 1, 0, 16}, {1, 0})},
      {"12 minutes at the lowest rate", Wave({1, 1, 1000, 8}, Bytes(720000, 128))},
  };
  for (const auto& c : cases) EXPECT_FALSE(game::DecodeWave(c.file)) << c.name;
}

WaveSound Constant(int16_t value, size_t frames) {
  return WaveSound{std::vector<int16_t>(frames * 2, value)};
}

TEST(SoundMixer, SumsChannelsWithTheirGainsAndTheVolume) {
  game::SoundMixer mixer;
  const WaveSound loud = Constant(30000, 2), quiet = Constant(1000, 4);
  mixer.Play(&loud);
  mixer.Play(&quiet, game::SoundMixer::kFullGain / 2, 0);
  std::vector<int16_t> out(10, 7);
  mixer.Mix(out);
  EXPECT_EQ(out, (std::vector<int16_t>{30500, 30000, 30500, 30000, 500, 0, 500, 0, 0, 0}));
  EXPECT_EQ(mixer.playing(), 0) << "both sounds ended";

  for (int i = 0; i < 3; ++i) mixer.Play(&loud);
  mixer.SetVolume(5);
  out.assign(2, 0);
  mixer.Mix(out);
  EXPECT_EQ(out, (std::vector<int16_t>{32767, 32767})) << "half of 90,000, clamped";
}

TEST(SoundMixer, MusicAndEffectsHaveVolumesOfTheirOwn) {
  game::SoundMixer mixer;
  const WaveSound effect = Constant(1000, 4), music = Constant(2000, 4);
  mixer.Play(&effect);
  mixer.Loop(&music);
  std::vector<int16_t> out(2);
  mixer.SetVolumes(5, 0);
  mixer.Mix(out);
  EXPECT_EQ(out, (std::vector<int16_t>{1000, 1000})) << "half the music, no effects";
  mixer.SetVolumes(0, 10);
  mixer.Mix(out);
  EXPECT_EQ(out, (std::vector<int16_t>{1000, 1000})) << "the effect alone";
}

TEST(SoundMixer, BusyChannelsDropNewSoundsAndTheMusicLoops) {
  game::SoundMixer mixer;
  const WaveSound effect = Constant(1, 100), music = Constant(10, 3);
  for (int i = 0; i < game::SoundMixer::kEffectChannels + 5; ++i) mixer.Play(&effect);
  EXPECT_EQ(mixer.playing(), game::SoundMixer::kEffectChannels);
  mixer.Loop(&music);
  std::vector<int16_t> out(2 * 7);
  mixer.Mix(out);
  EXPECT_EQ(out.front(), game::SoundMixer::kEffectChannels + 10);

  game::SoundMixer alone;
  alone.Loop(&music);
  alone.Mix(out);
  EXPECT_EQ(out, std::vector<int16_t>(14, 10)) << "seven frames of a three-frame tune";
  alone.Loop(nullptr);
  alone.Mix(out);
  EXPECT_EQ(out, std::vector<int16_t>(14, 0));
}

}  // namespace
