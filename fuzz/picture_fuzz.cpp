// Picture loading from memory: BMP, PNG and TGA by content, with every
// header check in front of the decoders. Run with a corpus of real files,
// e.g. tests/data/{pngsuite,bmpsuite/*,tga}.
#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/picture_loader.h"

namespace {

// A PNG, or a run-length coded BMP, may promise up to 16384 by 16384 pixels
// in few bytes; such pictures load, but would only measure the fuzzer's
// memory limit.
constexpr uint64_t kMostPixels = uint64_t{1} << 22;

uint64_t Read(std::span<const uint8_t> bytes, size_t at, int size, bool big_endian) {
  uint64_t value = 0;
  for (int i = 0; i < size; ++i) {
    const uint64_t byte = bytes[at + static_cast<size_t>(i)];
    value |= byte << (8 * (big_endian ? size - 1 - i : i));
  }
  return value;
}

bool HugePicture(std::span<const uint8_t> bytes) {
  if (bytes.size() < 30) return false;
  switch (assets::DetectPictureFormat(bytes)) {
    case assets::PictureFormat::kPng:
      return Read(bytes, 16, 4, true) * Read(bytes, 20, 4, true) > kMostPixels;
    case assets::PictureFormat::kBmp: {
      const auto height = static_cast<int32_t>(Read(bytes, 22, 4, false));
      const uint64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
      return Read(bytes, 18, 4, false) * rows > kMostPixels;
    }
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (HugePicture(bytes)) return 0;
  const assets::Picture picture = assets::DecodePicture(bytes);
  if (!picture.empty() &&
      (picture.width > assets::kMaxPictureSide || picture.height > assets::kMaxPictureSide ||
       picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height))
    __builtin_trap();
  return 0;
}
