#include "game_pictures.h"

#include "assets/picture_loader.h"

namespace game {
namespace {

// The picture as the editor loads it: transparent parts of PNG and TGA
// pictures lie on white, so keyed pictures show through there too.
bool Decode(std::span<const uint8_t> bytes, assets::Picture& out) {
  out = assets::DecodePicture(bytes);
  return !out.empty();
}

uint32_t PixelOf(const assets::Picture& picture, int x, int y, bool keyed) {
  const assets::Rgb c = picture.at(x, y);
  if (keyed && c == assets::kWhite) return kTransparent;
  return Rgb(c.r, c.g, c.b);
}

}  // namespace

bool DecodeSlotTexture(std::span<const uint8_t> bytes, bool keyed, Texture& out) {
  assets::Picture picture;
  if (!Decode(bytes, picture)) return false;
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
  assets::Picture picture;
  if (!Decode(bytes, picture)) return false;
  out.width = picture.width;
  out.height = picture.height;
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.pixels[static_cast<size_t>(y) * out.width + x] = PixelOf(picture, x, y, keyed);
  return true;
}

}  // namespace game
