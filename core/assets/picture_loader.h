// Reading pictures from files and memory. The format is decided by the
// content, never by the file name: "BM" at the start means BMP; otherwise
// the PNG signature means PNG; otherwise a true-colour TGA header (image
// type 2 or 10, 16, 24 or 32 bits per pixel) means TGA. Anything else, and
// any file that fails its format's checks, does not load.
#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "assets/picture.h"

namespace assets {

// Pictures wider or higher than this do not load.
constexpr int kMaxPictureSide = 16384;

enum class PictureFormat { kNone, kBmp, kPng, kTga };

// The format the content claims (before any further check).
PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes);

// The picture held by `bytes`, or an empty (0 by 0) picture when it does
// not load. Transparent parts of PNG and 32-bit TGA pictures are composited
// onto white; the alpha of BMP pictures is ignored. Given `alpha`, the
// transparency is kept instead: the colours stay as the file stores them and
// `*alpha` receives one value per pixel, 0 transparent to 255 opaque (255
// throughout where the picture has no alpha).
Picture DecodePicture(std::span<const uint8_t> bytes, std::vector<uint8_t>* alpha = nullptr);

// The picture in the file at `path`; empty (0 by 0) when the file is
// missing, unreadable or does not decode.
Picture LoadPicture(const std::filesystem::path& path);

}  // namespace assets
