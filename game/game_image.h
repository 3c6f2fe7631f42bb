// Pixel containers of the runtime: the frame buffer, 64 x 64 textures and screen images.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/picture.h"

namespace game {

// Pixels are 0xAARRGGBB; alpha 0 marks a transparent texel, everything drawn is opaque
// (window icons alone carry alpha between 0 and 255).
constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kTransparent = 0x00FFFFFFu;

constexpr uint32_t Argb(int a, int r, int g, int b) {
  return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) |
         (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}
constexpr uint32_t Rgb(int r, int g, int b) {
  return Argb(255, r, g, b);
}
constexpr bool IsTransparent(uint32_t pixel) {
  return (pixel >> 24) == 0;
}

struct FrameBuffer {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // rows top to bottom

  FrameBuffer() = default;
  FrameBuffer(int w, int h, uint32_t fill = Rgb(0, 0, 0))
      : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The frame as a 24-bit picture, for screenshots and BMP files.
assets::Picture ToPicture(const FrameBuffer& frame);

// A 64 x 64 picture stored column by column: texel (u, v) is column u from the
// left, row v from the top, as the author drew it.
struct Texture {
  static constexpr int kSize = 64;
  bool present = false;
  std::array<uint32_t, kSize * kSize> texels{};

  uint32_t at(int u, int v) const { return texels[static_cast<size_t>(u) * kSize + v]; }
  uint32_t& at(int u, int v) { return texels[static_cast<size_t>(u) * kSize + v]; }
  const uint32_t* column(int u) const { return &texels[static_cast<size_t>(u) * kSize]; }
};

// A picture of any size, rows top to bottom.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  bool empty() const { return width <= 0 || height <= 0; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace game
