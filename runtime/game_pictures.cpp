#include "runtime/game_pictures.h"

#include <memory>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace game {
namespace {

struct FreeStb {
  void operator()(unsigned char* p) const { stbi_image_free(p); }
};

struct Decoded {
  int width = 0;
  int height = 0;
  std::unique_ptr<unsigned char, FreeStb> rgb;
};

bool DecodeRgb(std::span<const uint8_t> bytes, Decoded& out) {
  if (bytes.empty() || bytes.size() > 64u * 1024 * 1024) return false;
  const int length = static_cast<int>(bytes.size());
  int w = 0, h = 0, channels = 0;
  if (!stbi_info_from_memory(bytes.data(), length, &w, &h, &channels)) return false;
  if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return false;
  out.rgb.reset(stbi_load_from_memory(bytes.data(), length, &out.width, &out.height, &channels, 3));
  return out.rgb != nullptr && out.width == w && out.height == h;
}

uint32_t PixelOf(const Decoded& picture, int x, int y, bool keyed) {
  const unsigned char* p = picture.rgb.get() + (static_cast<size_t>(y) * picture.width + x) * 3;
  if (keyed && p[0] == 255 && p[1] == 255 && p[2] == 255) return kTransparent;
  return Rgb(p[0], p[1], p[2]);
}

}  // namespace

bool DecodeSlotTexture(std::span<const uint8_t> bytes, bool keyed, Texture& out) {
  Decoded picture;
  if (!DecodeRgb(bytes, picture)) return false;
  // Stored pixel (x, y) is the author's pixel (y, x): stored row x is texture column x.
  for (int u = 0; u < Texture::kSize; ++u) {
    for (int v = 0; v < Texture::kSize; ++v) {
      const int stored_x = v * picture.width / Texture::kSize;
      const int stored_y = u * picture.height / Texture::kSize;
      out.at(u, v) = PixelOf(picture, stored_x, stored_y, keyed);
    }
  }
  out.present = true;
  return true;
}

bool DecodeScreenImage(std::span<const uint8_t> bytes, bool keyed, Image& out) {
  Decoded picture;
  if (!DecodeRgb(bytes, picture)) return false;
  out.width = picture.width;
  out.height = picture.height;
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.pixels[static_cast<size_t>(y) * out.width + x] = PixelOf(picture, x, y, keyed);
  return true;
}

}  // namespace game
