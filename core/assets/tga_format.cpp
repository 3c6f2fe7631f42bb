#include "assets/tga_format.h"

#include "platform/byte_io.h"

namespace assets::tga {

namespace {

// Whether the run-length packets from `start` on cover `pixels` pixels
// before the file ends.
bool RunsHoldAllPixels(std::span<const uint8_t> file, size_t start, size_t pixels, size_t pixel_bytes) {
  size_t pos = start, covered = 0;
  while (covered < pixels) {
    if (pos >= file.size()) return false;
    const uint8_t packet = file[pos++];
    const size_t count = (packet & 0x7f) + 1u;
    pos += (packet & 0x80) ? pixel_bytes : count * pixel_bytes;
    covered += count;
  }
  return pos <= file.size();
}

}  // namespace

std::optional<Header> ReadHeader(std::span<const uint8_t> file, int max_side) {
  if (file.size() < kHeaderSize) return std::nullopt;
  const platform::ByteView header(file);
  const uint8_t type = file[kImageTypeOffset];
  Header h;
  h.width = header.U16Or0(kWidthOffset);
  h.height = header.U16Or0(kHeightOffset);
  h.bits = file[kBitsOffset];
  h.has_alpha = h.bits == 32 && (file[kDescriptorOffset] & 0x0f) != 0;
  if (type != kTrueColour && type != kTrueColourRle) return std::nullopt;
  if (file[kColourMapTypeOffset] != 0) return std::nullopt;
  if (h.bits != 16 && h.bits != 24 && h.bits != 32) return std::nullopt;
  if (h.width < 1 || h.height < 1 || h.width > max_side || h.height > max_side) return std::nullopt;

  const size_t pixel_bytes = static_cast<size_t>(h.bits) / 8;
  const size_t pixels = static_cast<size_t>(h.width) * h.height;
  const size_t data_start = kHeaderSize + file[kIdLengthOffset];
  if (data_start > file.size()) return std::nullopt;
  if (type == kTrueColour) {
    if (pixels * pixel_bytes > file.size() - data_start) return std::nullopt;
  } else {
    // The fewest packets that could hold every pixel must fit before walking them.
    const size_t least = (pixels + kMaxRunPixels - 1) / kMaxRunPixels * (1 + pixel_bytes);
    if (least > file.size() - data_start || !RunsHoldAllPixels(file, data_start, pixels, pixel_bytes))
      return std::nullopt;
  }
  return h;
}

}  // namespace assets::tga
