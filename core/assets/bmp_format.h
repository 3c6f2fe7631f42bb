// The BMP file format as read here: header offsets, the checks a header must
// pass before its pixel data is decoded, and the rewriting of a valid file
// into the plain layout the decoder reads (palette right after the headers,
// pixel data right after the palette, run-length data expanded).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/files.h"

namespace assets::bmp {

// The 14-byte file header: "BM", file size, two reserved words, data offset.
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kFileSizeOffset = 2;     // u32
constexpr size_t kDataOffsetOffset = 10;  // u32
// The information header that follows, from its size field on.
constexpr size_t kInfoSizeOffset = 14;    // u32
constexpr uint32_t kCoreHeaderSize = 12;  // 16-bit width and height, 3-byte palette entries
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBitfieldsSize = 12;  // the three masks after a 40-byte header
// The fields of a 12-byte core header.
namespace core_header {
constexpr size_t kWidth = 18;   // u16
constexpr size_t kHeight = 20;  // u16
constexpr size_t kPlanes = 22;  // u16
constexpr size_t kBits = 24;    // u16
}  // namespace core_header
// The fields of a 40-byte information header (and of the larger ones).
namespace info_header {
constexpr size_t kWidth = 18;             // i32
constexpr size_t kHeight = 22;            // i32, negative: rows stored top-down
constexpr size_t kPlanes = 26;            // u16
constexpr size_t kBits = 28;              // u16
constexpr size_t kCompression = 30;       // u32
constexpr size_t kImageSize = 34;         // u32, bytes of pixel data (0 allowed without compression)
constexpr size_t kXResolution = 38;       // i32, pixels per metre
constexpr size_t kYResolution = 42;       // i32
constexpr size_t kColoursUsed = 46;       // u32
constexpr size_t kImportantColours = 50;  // u32
}  // namespace info_header

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

// A resolution beyond this many pixels per metre (25,400 dots per inch)
// marks a corrupt header.
constexpr int64_t kMaxResolution = 1'000'000;

struct Header {
  uint32_t info_size = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top-down
  uint16_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t data_offset = 0;
  uint32_t palette_offset = 0;  // where the palette (or the bit masks) begin
  uint32_t palette_entries = 0;
  uint32_t palette_entry_size = 4;
  size_t data_size = 0;  // bytes of pixel data the file holds for this picture

  int Rows() const { return height < 0 ? -height : height; }
  size_t RowSize() const { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }
};

// The header of a BMP file when it is sound: a known header size, one plane,
// a known bit depth and compression, a size within `max_side`, believable
// resolution fields, and a file long enough for the palette and every row of
// pixels (the file and image sizes the header states may promise a few
// bytes more, as common writers do; coded rows need their image size).
std::optional<Header> ReadHeader(std::span<const uint8_t> file, int max_side);

// Whether the file is laid out plainly already: no palette to check, the
// pixel data right after the headers, no run-length coding.
bool IsPlain(const Header& header);

// The file laid out plainly: headers, palette, pixel data, nothing between;
// run-length coded pictures expanded to 8 bits per pixel without
// compression. Nothing when the run-length data is broken or a palette
// index lies beyond the palette.
std::optional<platform::Bytes> Normalised(std::span<const uint8_t> file, const Header& header);

}  // namespace assets::bmp
