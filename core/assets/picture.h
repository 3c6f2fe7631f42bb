// A 24-bit picture in memory, the basic operations on it, and its 24-bit
// uncompressed BMP file form.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/files.h"

namespace assets {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // rows top to bottom, left to right

  Picture() = default;
  Picture(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void set(int x, int y, Rgb c) { pixels[static_cast<size_t>(y) * width + x] = c; }
  bool operator==(const Picture&) const = default;
};

// The `width` by `height` area whose top-left corner is (x, y), as a picture
// of its own. Parts that lie outside `source` are black.
Picture Cut(const Picture& source, int x, int y, int width, int height);

// Draws `source` into `target` with its top-left corner at (x, y); what
// falls outside `target` is left out.
void Draw(Picture& target, const Picture& source, int x, int y);

// Rows and columns exchanged: pixel (x, y) of the result is pixel (y, x) of
// `source`, so a w by h picture gives an h by w one.
Picture Transposed(const Picture& source);

// The 24-bit BMP file: 54 bytes of headers, rows bottom-up, each padded to a
// multiple of 4 bytes, resolution fields 0.
platform::Bytes EncodeBmp24(const Picture& picture);

}  // namespace assets
