// Picture loading from memory: BMP, PNG and TGA by content, with every
// header check in front of the decoders. Run with a corpus of real files,
// e.g. ../shared/corpora/{pngsuite,bmpsuite/*,tga}.
#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/picture_loader.h"

namespace {

// A PNG may promise up to 16384 by 16384 pixels in a few bytes; such
// pictures load, but would only measure the fuzzer's memory limit.
bool HugePng(std::span<const uint8_t> bytes) {
  if (assets::DetectPictureFormat(bytes) != assets::PictureFormat::kPng || bytes.size() < 24) return false;
  auto be32 = [&](size_t at) {
    return uint64_t{bytes[at]} << 24 | uint64_t{bytes[at + 1]} << 16 | uint64_t{bytes[at + 2]} << 8 |
           bytes[at + 3];
  };
  return be32(16) * be32(20) > (uint64_t{1} << 22);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (HugePng(bytes)) return 0;
  const assets::Picture picture = assets::DecodePicture(bytes);
  if (!picture.empty() &&
      (picture.width > assets::kMaxPictureSide || picture.height > assets::kMaxPictureSide ||
       picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height))
    __builtin_trap();
  return 0;
}
