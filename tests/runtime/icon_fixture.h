// Icon files made in code: bitmaps of every colour depth an icon may use,
// each with a transparency mask, whose pixels tell their own coordinates.
#pragma once

#include <cstdint>
#include <vector>

#include "game_image.h"
#include "platform/byte_io.h"

namespace icon_fixture {

using Bytes = std::vector<uint8_t>;

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
  platform::ByteWriter out(d);
  out.U32(40), out.I32(side), out.I32(2 * side), out.U16(1), out.U16(static_cast<uint16_t>(bits));
  out.Zeros(24);
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) out.U32(PaletteColour(i) & 0xFFFFFF);
  const size_t colour_row = (static_cast<size_t>(side) * bits + 31) / 32 * 4;
  for (int y = side - 1; y >= 0; --y) {
    const size_t row_start = d.size();
    if (bits <= 8) {
      out.Zeros(colour_row);
      for (int x = 0; x < side; ++x) {
        const int bit = x * bits;
        d[row_start + static_cast<size_t>(bit / 8)] |=
            static_cast<uint8_t>(PaletteIndex(x, y, bits) << (8 - bits - bit % 8));
      }
      continue;
    }
    for (int x = 0; x < side; ++x) {
      const uint32_t alpha = alpha_unused || Hole(x, y) ? 0 : 0xFFu;
      const uint32_t colour = (game::Rgb(x * 5, y * 5, bits) & 0xFFFFFF) | alpha << 24;
      if (bits == 32) {
        out.U32(colour);
      } else {
        out.U16(static_cast<uint16_t>(colour)), out.U8(static_cast<uint8_t>(colour >> 16));
      }
    }
    out.Zeros(colour_row - (d.size() - row_start));
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
  platform::ByteWriter out(f);
  out.U16(0), out.U16(1), out.U16(static_cast<uint16_t>(images.size()));
  size_t offset = 6 + 16 * images.size();
  for (const IconEntry& image : images) {
    out.U8(static_cast<uint8_t>(image.side)), out.U8(static_cast<uint8_t>(image.side));
    out.U8(image.bits <= 8 ? static_cast<uint8_t>(1 << image.bits) : 0), out.U8(0);
    out.U16(1), out.U16(static_cast<uint16_t>(image.bits));
    out.U32(static_cast<uint32_t>(image.data.size())), out.U32(static_cast<uint32_t>(offset));
    offset += image.data.size();
  }
  for (const IconEntry& image : images) out.Bytes(image.data);
  return f;
}

}  // namespace icon_fixture
