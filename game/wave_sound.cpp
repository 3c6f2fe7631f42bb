#include "wave_sound.h"

#include <algorithm>
#include <cstring>

#include "platform/byte_io.h"

namespace game {
namespace {

using platform::ByteView;

constexpr size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr size_t kChunkHeaderSize = 8;  // name, size
constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
// fmt chunk fields
constexpr size_t kFormatTag = 0, kChannels = 2, kRate = 4, kBlockAlign = 12, kBits = 14, kSubFormat = 24;
constexpr uint32_t kLowestRate = 1000, kHighestRate = 384000;
constexpr size_t kLongestFrames = size_t{kMixRate} * 600;  // ten minutes

struct Format {
  uint16_t tag = 0;
  int channels = 0;
  uint32_t rate = 0;
  int bytes_per_sample = 0;
  size_t block = 0;
};

bool Named(std::span<const uint8_t> bytes, size_t at, const char* name) {
  return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, name, 4) == 0;
}

std::optional<Format> ReadFormat(ByteView fmt) {
  Format f;
  f.tag = fmt.U16(kFormatTag).value_or(0);
  if (f.tag == kExtensible) f.tag = fmt.U16(kSubFormat).value_or(0);
  f.channels = fmt.U16(kChannels).value_or(0);
  f.rate = fmt.U32(kRate).value_or(0);
  const int bits = fmt.U16(kBits).value_or(0);
  f.bytes_per_sample = (bits + 7) / 8;
  f.block = fmt.U16(kBlockAlign).value_or(0);
  const bool pcm = f.tag == kPcm && f.bytes_per_sample >= 1 && f.bytes_per_sample <= 4;
  const bool floats = f.tag == kFloat && bits == 32;
  if (!(pcm || floats) || f.channels < 1 || f.channels > 2 || f.rate < kLowestRate || f.rate > kHighestRate)
    return std::nullopt;
  if (f.block < static_cast<size_t>(f.channels * f.bytes_per_sample)) return std::nullopt;
  return f;
}

// One sample as a 16-bit value.
int16_t Sample(const uint8_t* p, const Format& f) {
  if (f.tag == kFloat) {
    float value;
    std::memcpy(&value, p, sizeof value);
    if (!(value == value)) return 0;  // NaN
    return static_cast<int16_t>(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
  }
  if (f.bytes_per_sample == 1) return static_cast<int16_t>((p[0] - 128) << 8);
  // Little-endian signed; the top two bytes make the 16-bit value.
  const int top = f.bytes_per_sample - 1;
  return static_cast<int16_t>(p[top] << 8 | p[top - 1]);
}

}  // namespace

std::optional<WaveSound> DecodeWave(std::span<const uint8_t> file) {
  if (!Named(file, 0, "RIFF") || !Named(file, 8, "WAVE")) return std::nullopt;
  const ByteView view(file);
  std::optional<Format> format;
  std::span<const uint8_t> data;
  for (size_t at = kRiffHeaderSize; at + kChunkHeaderSize <= file.size();) {
    const size_t size = view.U32Or0(at + 4);
    const size_t start = at + kChunkHeaderSize;
    const size_t available = std::min(size, file.size() - start);  // a data chunk cut short plays what is there
    if (Named(file, at, "fmt ")) format = ReadFormat(ByteView(file.subspan(start, available)));
    if (Named(file, at, "data")) {
      data = file.subspan(start, available);
      break;
    }
    if (size > file.size() - start) break;
    at = start + size + (size & 1);
  }
  if (!format || data.empty()) return std::nullopt;

  const size_t in_frames = data.size() / format->block;
  const size_t out_frames = static_cast<size_t>(uint64_t{in_frames} * kMixRate / format->rate);
  if (in_frames == 0 || out_frames > kLongestFrames) return std::nullopt;
  auto at = [&](size_t frame, int channel) {
    const size_t ch = static_cast<size_t>(std::min(channel, format->channels - 1));
    return Sample(data.data() + frame * format->block + ch * static_cast<size_t>(format->bytes_per_sample), *format);
  };
  WaveSound sound;
  sound.samples.resize(out_frames * 2);
  for (size_t i = 0; i < out_frames; ++i) {
    // Linear interpolation between the two input frames around output frame i.
    const uint64_t position = uint64_t{i} * format->rate;
    const size_t first = static_cast<size_t>(position / kMixRate);
    const size_t second = std::min(first + 1, in_frames - 1);
    const int64_t fraction = static_cast<int64_t>(position % kMixRate);
    for (int c = 0; c < 2; ++c) {
      const int64_t a = at(first, c), b = at(second, c);
      sound.samples[i * 2 + static_cast<size_t>(c)] = static_cast<int16_t>(a + (b - a) * fraction / kMixRate);
    }
  }
  return sound;
}

}  // namespace game
