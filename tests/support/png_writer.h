// PNG files made in code through libpng, for tests of the decoders.
#pragma once

#include <png.h>

#include <cstdint>
#include <vector>

namespace testing_support {

// A PNG of `w` by `h` straight-alpha RGBA pixels, rows top to bottom; empty
// when libpng refuses.
inline std::vector<uint8_t> EncodePng(int w, int h, const std::vector<uint8_t>& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) return {};
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr)) return {};
  bytes.resize(size);
  return bytes;
}

}  // namespace testing_support
