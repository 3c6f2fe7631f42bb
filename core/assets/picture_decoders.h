// The decoders behind LoadPicture, one per format. Each takes a whole file
// whose format has been recognised and gives the picture, or an empty one
// when the file does not decode.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "assets/picture.h"

namespace assets {

// Composites a straight-alpha colour onto white.
inline Rgb OverWhite(uint8_t r, uint8_t g, uint8_t b, uint8_t alpha) {
  auto mix = [alpha](uint8_t c) {
    return static_cast<uint8_t>((c * alpha + 255 * (255 - alpha) + 127) / 255);
  };
  return {mix(r), mix(g), mix(b)};
}

// PNG and TGA decoders composite transparent parts onto white; given
// `alpha`, they keep the colours as stored instead and put the alpha of each
// pixel there (leaving it untouched for a picture without alpha).

// PNG through libpng, converted to 8-bit sRGB.
Picture DecodePng(std::span<const uint8_t> file, int max_side, std::vector<uint8_t>* alpha = nullptr);

// BMP and true-colour TGA through stb_image, after their header checks.
Picture DecodeBmp(std::span<const uint8_t> file, int max_side);
Picture DecodeTga(std::span<const uint8_t> file, int max_side, std::vector<uint8_t>* alpha = nullptr);

}  // namespace assets
