#include "assets/picture_loader.h"

#include <algorithm>
#include <array>

#include "assets/picture_decoders.h"
#include "assets/tga_format.h"

namespace assets {

namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

}  // namespace

PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureFormat::kBmp;
  if (bytes.size() >= kPngSignature.size() &&
      std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin()))
    return PictureFormat::kPng;
  if (tga::ReadHeader(bytes, kMaxPictureSide)) return PictureFormat::kTga;
  return PictureFormat::kNone;
}

Picture DecodePicture(std::span<const uint8_t> bytes) {
  switch (DetectPictureFormat(bytes)) {
    case PictureFormat::kBmp:
      return DecodeBmp(bytes, kMaxPictureSide);
    case PictureFormat::kPng:
      return DecodePng(bytes, kMaxPictureSide);
    case PictureFormat::kTga:
      return DecodeTga(bytes, kMaxPictureSide);
    case PictureFormat::kNone:
      break;
  }
  return {};
}

Picture LoadPicture(const std::filesystem::path& path) {
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? DecodePicture(*bytes) : Picture{};
}

}  // namespace assets
