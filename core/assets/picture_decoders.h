// The decoders behind LoadPicture, one per format. Each takes a whole file
// whose format has been recognised and gives the picture, or an empty one
// when the file does not decode.
#pragma once

#include <cstdint>
#include <span>

#include "assets/picture.h"

namespace assets {

// Composites a straight-alpha colour onto white.
inline Rgb OverWhite(uint8_t r, uint8_t g, uint8_t b, uint8_t alpha) {
  auto mix = [alpha](uint8_t c) {
    return static_cast<uint8_t>((c * alpha + 255 * (255 - alpha) + 127) / 255);
  };
  return {mix(r), mix(g), mix(b)};
}

// PNG through libpng, converted to 8-bit sRGB; transparency composited onto white.
Picture DecodePng(std::span<const uint8_t> file, int max_side);

// BMP and true-colour TGA through stb_image, after their header checks.
Picture DecodeBmp(std::span<const uint8_t> file, int max_side);
Picture DecodeTga(std::span<const uint8_t> file, int max_side);

}  // namespace assets
