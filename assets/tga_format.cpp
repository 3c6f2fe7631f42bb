#include "assets/tga_format.h"

namespace assets::tga {

std::optional<Header> ReadHeader(std::span<const uint8_t> file, int max_side) {
  if (file.size() < kHeaderSize) return std::nullopt;
  auto u16 = [&](size_t at) { return file[at] | file[at + 1] << 8; };
  const uint8_t type = file[kImageTypeOffset];
  Header h;
  h.width = u16(kWidthOffset);
  h.height = u16(kHeightOffset);
  h.bits = file[kBitsOffset];
  h.has_alpha = h.bits == 32 && (file[kDescriptorOffset] & 0x0f) != 0;
  if (type != kTrueColour && type != kTrueColourRle) return std::nullopt;
  if (file[kColourMapTypeOffset] != 0) return std::nullopt;
  if (h.bits != 16 && h.bits != 24 && h.bits != 32) return std::nullopt;
  if (h.width < 1 || h.height < 1 || h.width > max_side || h.height > max_side) return std::nullopt;

  const size_t pixel_bytes = static_cast<size_t>(h.bits) / 8;
  const size_t pixels = static_cast<size_t>(h.width) * h.height;
  const size_t data_start = kHeaderSize + file[kIdLengthOffset];
  const size_t least_data = type == kTrueColour
                                ? pixels * pixel_bytes
                                : (pixels + kMaxRunPixels - 1) / kMaxRunPixels * (1 + pixel_bytes);
  if (data_start > file.size() || least_data > file.size() - data_start) return std::nullopt;
  return h;
}

}  // namespace assets::tga
