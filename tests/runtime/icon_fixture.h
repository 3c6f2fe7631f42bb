// Icon files made in code: bitmaps of every colour depth an icon may use,
// each with a transparency mask, whose pixels tell their own coordinates.
#pragma once

#include <cstdint>
#include <vector>

#include "game_image.h"

namespace icon_fixture {

using Bytes = std::vector<uint8_t>;

inline void Put(Bytes& b, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Pixel (x, y), counted from the top left, is transparent on the diagonal.
inline bool Hole(int x, int y) {
  return x == y;
}

inline uint32_t PaletteColour(int index) {
  return game::Rgb(index * 16 % 256, 255 - index, 7);
}

inline int PaletteIndex(int x, int y, int bits) {
  return (x + 2 * y) % (1 << bits);
}

// The colour a decoder must give for pixel (x, y) of a bitmap of `bits`.
inline uint32_t Expected(int x, int y, int bits) {
  if (Hole(x, y)) return game::kTransparent;
  if (bits <= 8) return PaletteColour(PaletteIndex(x, y, bits));
  return game::Rgb(x * 5, y * 5, bits);
}

// A bitmap of an icon: header, colour table, colours bottom-up, mask.
// With `alpha_unused`, a 32-bit image leaves its alpha 0 and relies on the mask.
inline Bytes Dib(int side, int bits, bool alpha_unused = false) {
  Bytes d;
  Put(d, 40, 4), Put(d, side, 4), Put(d, 2 * side, 4), Put(d, 1, 2), Put(d, bits, 2);
  for (int i = 0; i < 6; ++i) Put(d, 0, 4);
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) Put(d, PaletteColour(i) & 0xFFFFFF, 4);
  const size_t colour_row = (static_cast<size_t>(side) * bits + 31) / 32 * 4;
  for (int y = side - 1; y >= 0; --y) {
    Bytes row(colour_row, 0);
    for (int x = 0; x < side; ++x) {
      if (bits <= 8) {
        const int bit = x * bits;
        row[static_cast<size_t>(bit / 8)] |=
            static_cast<uint8_t>(PaletteIndex(x, y, bits) << (8 - bits - bit % 8));
        continue;
      }
      const uint32_t colour = game::Rgb(x * 5, y * 5, bits);
      const uint32_t alpha = alpha_unused ? 0 : (Hole(x, y) ? 0 : 0xFFu) << 24;
      for (int i = 0; i < bits / 8; ++i)
        row[static_cast<size_t>(x * bits / 8 + i)] =
            static_cast<uint8_t>(((colour & 0xFFFFFF) | alpha) >> (8 * i));
    }
    d.insert(d.end(), row.begin(), row.end());
  }
  const size_t mask_row = (static_cast<size_t>(side) + 31) / 32 * 4;
  for (int y = side - 1; y >= 0; --y) {
    Bytes row(mask_row, 0);
    for (int x = 0; x < side; ++x)
      if (Hole(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    d.insert(d.end(), row.begin(), row.end());
  }
  return d;
}

struct IconEntry {
  int side;
  int bits;
  Bytes data;
};

// An .ico file holding the images in this order.
inline Bytes IcoFile(const std::vector<IconEntry>& images) {
  Bytes f;
  Put(f, 0, 2), Put(f, 1, 2), Put(f, images.size(), 2);
  size_t offset = 6 + 16 * images.size();
  for (const IconEntry& image : images) {
    f.push_back(static_cast<uint8_t>(image.side)), f.push_back(static_cast<uint8_t>(image.side));
    f.push_back(image.bits <= 8 ? static_cast<uint8_t>(1 << image.bits) : 0), f.push_back(0);
    Put(f, 1, 2), Put(f, image.bits, 2), Put(f, image.data.size(), 4), Put(f, offset, 4);
    offset += image.data.size();
  }
  for (const IconEntry& image : images) f.insert(f.end(), image.data.begin(), image.data.end());
  return f;
}

}  // namespace icon_fixture
