// The TGA file format as read here: only true-colour pictures (image type 2,
// or 10 when run-length coded) of 16, 24 or 32 bits per pixel pass; grey and
// colour-mapped pictures do not.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace assets::tga {

constexpr size_t kHeaderSize = 18;
constexpr size_t kIdLengthOffset = 0;
constexpr size_t kColourMapTypeOffset = 1;
constexpr size_t kImageTypeOffset = 2;
constexpr size_t kColourMapLengthOffset = 5;
constexpr size_t kColourMapEntryBitsOffset = 7;
constexpr size_t kWidthOffset = 12;
constexpr size_t kHeightOffset = 14;
constexpr size_t kBitsOffset = 16;
constexpr size_t kDescriptorOffset = 17;

constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kTrueColourRle = 10;
constexpr size_t kMaxRunPixels = 128;  // one run-length packet covers at most this many pixels

struct Header {
  int width = 0;
  int height = 0;
  int bits = 0;
  bool has_alpha = false;  // 32 bits with alpha bits declared in the descriptor
};

// The header of a TGA file that may be decoded: true colour, 16, 24 or 32
// bits, no colour map, a size within `max_side`, and a file long enough for
// the pixel data (for run-length data: packets that cover every pixel).
std::optional<Header> ReadHeader(std::span<const uint8_t> file, int max_side);

}  // namespace assets::tga
