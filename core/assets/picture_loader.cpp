#include "assets/picture_loader.h"

#include <algorithm>
#include <array>

#include "assets/picture_decoders.h"
#include "assets/tga_format.h"

namespace assets {

namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

Picture DecodeAs(PictureFormat format, std::span<const uint8_t> bytes, std::vector<uint8_t>* alpha) {
  switch (format) {
    case PictureFormat::kBmp:
      return DecodeBmp(bytes, kMaxPictureSide);
    case PictureFormat::kPng:
      return DecodePng(bytes, kMaxPictureSide, alpha);
    case PictureFormat::kTga:
      return DecodeTga(bytes, kMaxPictureSide, alpha);
    case PictureFormat::kNone:
      break;
  }
  return {};
}

}  // namespace

PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureFormat::kBmp;
  if (bytes.size() >= kPngSignature.size() &&
      std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin()))
    return PictureFormat::kPng;
  if (tga::ReadHeader(bytes, kMaxPictureSide)) return PictureFormat::kTga;
  return PictureFormat::kNone;
}

Picture DecodePicture(std::span<const uint8_t> bytes, std::vector<uint8_t>* alpha) {
  if (alpha) alpha->clear();
  Picture picture = DecodeAs(DetectPictureFormat(bytes), bytes, alpha);
  if (alpha && alpha->size() != picture.pixels.size()) alpha->assign(picture.pixels.size(), 255);
  return picture;
}

Picture LoadPicture(const std::filesystem::path& path) {
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? DecodePicture(*bytes) : Picture{};
}

}  // namespace assets
