// PNG pictures through libpng's simplified reading interface.
#include <png.h>

#include <memory>

#include "assets/picture_decoders.h"

namespace assets {

namespace {

struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

Picture DecodePng(std::span<const uint8_t> file, int max_side, std::vector<uint8_t>* alpha) {
  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, file.data(), file.size())) return {};
  if (png.image.width < 1 || png.image.height < 1 || png.image.width > static_cast<png_uint_32>(max_side) ||
      png.image.height > static_cast<png_uint_32>(max_side))
    return {};
  png.image.format = PNG_FORMAT_RGBA;
  const int width = static_cast<int>(png.image.width), height = static_cast<int>(png.image.height);
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png.image));
  if (!png_image_finish_read(&png.image, nullptr, rgba.data(), 0, nullptr)) return {};

  Picture picture(width, height);
  if (alpha) alpha->resize(picture.pixels.size());
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint8_t* p = &rgba[i * 4];
    if (alpha) {
      picture.pixels[i] = {p[0], p[1], p[2]};
      (*alpha)[i] = p[3];
    } else {
      picture.pixels[i] = OverWhite(p[0], p[1], p[2], p[3]);
    }
  }
  return picture;
}

}  // namespace assets
