#include "game_pictures.h"

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

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// An uncompressed BMP must hold all the rows its headers promise; the decoder
// would read a short file's missing rows as black.
bool BmpComplete(std::span<const uint8_t> b) {
  constexpr size_t kHeaders = 54;
  if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return true;  // not a BMP: the decoder judges it
  if (b.size() < kHeaders) return false;
  const uint64_t offset = Le32(b, 10);
  const int64_t width = static_cast<int32_t>(Le32(b, 18));
  const int64_t height = static_cast<int32_t>(Le32(b, 22));
  const uint64_t bits = b[28] | b[29] << 8;
  const uint32_t compression = Le32(b, 30);
  if (width < -kMaxPictureSide || width > kMaxPictureSide || height < -kMaxPictureSide ||
      height > kMaxPictureSide)
    return false;
  if (compression != 0 && compression != 3) return true;  // run-length coded: no fixed size
  const uint64_t row = (static_cast<uint64_t>(width < 0 ? -width : width) * bits + 31) / 32 * 4;
  return offset + row * static_cast<uint64_t>(height < 0 ? -height : height) <= b.size();
}

bool DecodeRgb(std::span<const uint8_t> bytes, Decoded& out) {
  if (bytes.empty() || bytes.size() > 64u * 1024 * 1024 || !BmpComplete(bytes)) return false;
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
