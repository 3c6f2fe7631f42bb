#include "runtime/game_icon.h"

#include <algorithm>

#include "runtime/game_pictures.h"

namespace game {
namespace {

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;
constexpr int kMaxImages = 8;
constexpr int kMaxIconSide = 256;

uint64_t Le(std::span<const uint8_t> b, uint64_t at, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[static_cast<size_t>(at) + static_cast<size_t>(i)];
  return v;
}

// A bitmap of an icon: header, colours bottom-up (24 or 32 bits), the height
// counting the mask too.
std::optional<Image> DecodeDib(std::span<const uint8_t> dib) {
  if (dib.size() < 40 || Le(dib, 0, 4) < 40) return std::nullopt;
  const int64_t width = static_cast<int32_t>(Le(dib, 4, 4));
  const int64_t height = static_cast<int32_t>(Le(dib, 8, 4)) / 2;
  const uint64_t bits = Le(dib, 14, 2);
  if (width <= 0 || height <= 0 || width > kMaxIconSide || height > kMaxIconSide) return std::nullopt;
  if ((bits != 24 && bits != 32) || Le(dib, 16, 4) != 0) return std::nullopt;
  const uint64_t header = Le(dib, 0, 4);
  const uint64_t row = (static_cast<uint64_t>(width) * bits / 8 + 3) / 4 * 4;
  if (header + row * static_cast<uint64_t>(height) > dib.size()) return std::nullopt;
  Image image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.resize(static_cast<size_t>(width * height));
  for (int64_t y = 0; y < height; ++y)
    for (int64_t x = 0; x < width; ++x) {
      const uint64_t at =
          header + row * static_cast<uint64_t>(height - 1 - y) + static_cast<uint64_t>(x) * bits / 8;
      const uint32_t alpha = bits == 32 ? dib[at + 3] : 255;
      image.pixels[static_cast<size_t>(y * width + x)] = alpha << 24 | Le(dib, at, 3);
    }
  return image;
}

std::optional<Image> DecodeIconImage(std::span<const uint8_t> data) {
  static constexpr uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
  if (data.size() >= 4 && std::equal(kPng, kPng + 4, data.begin())) {
    Image image;
    if (!DecodeScreenImage(data, false, image) || image.width > kMaxIconSide || image.height > kMaxIconSide)
      return std::nullopt;
    return image;
  }
  return DecodeDib(data);
}

}  // namespace

uint64_t ElfImageEnd(std::span<const uint8_t> b) {
  constexpr size_t kElfHeader = 64;
  if (b.size() < kElfHeader || b[0] != 0x7F || b[1] != 'E' || b[2] != 'L' || b[3] != 'F' || b[4] != 2 ||
      b[5] != 1)
    return 0;
  const uint64_t phoff = Le(b, 0x20, 8), shoff = Le(b, 0x28, 8);
  const uint64_t phentsize = Le(b, 0x36, 2), phnum = Le(b, 0x38, 2);
  const uint64_t shentsize = Le(b, 0x3A, 2), shnum = Le(b, 0x3C, 2);
  if (phoff > b.size() || shoff > b.size()) return 0;  // keeps the sums below from wrapping
  uint64_t end = std::max<uint64_t>(kElfHeader, phoff + phentsize * phnum);
  end = std::max(end, shoff + shentsize * shnum);
  if (end > b.size()) return 0;
  for (uint64_t i = 0; i < phnum && phentsize >= 0x30; ++i) {
    const uint64_t at = phoff + i * phentsize;
    end = std::max(end, Le(b, at + 0x08, 8) + Le(b, at + 0x20, 8));  // offset + size in file
  }
  for (uint64_t i = 0; i < shnum && shentsize >= 0x28; ++i) {
    const uint64_t at = shoff + i * shentsize;
    if (Le(b, at + 0x04, 4) != 8)
      end = std::max(end, Le(b, at + 0x18, 8) + Le(b, at + 0x20, 8));  // not NOBITS
  }
  return end <= b.size() ? end : 0;
}

std::optional<Image> ReadIconTrailer(std::span<const uint8_t> executable) {
  const uint64_t start = ElfImageEnd(executable);
  if (start == 0 || executable.size() - start < kGroupHeader) return std::nullopt;
  const std::span<const uint8_t> trailer = executable.subspan(static_cast<size_t>(start));
  const uint64_t count = Le(trailer, 4, 2);
  if (Le(trailer, 0, 2) != 0 || Le(trailer, 2, 2) != 1 || count < 1 || count > kMaxImages)
    return std::nullopt;
  uint64_t offset = kGroupHeader + kGroupEntry * count;
  if (offset > trailer.size()) return std::nullopt;
  std::optional<Image> best;
  for (uint64_t i = 0; i < count; ++i) {
    const uint64_t size = Le(trailer, kGroupHeader + kGroupEntry * i + 8, 4);
    if (size > trailer.size() - offset) return std::nullopt;
    std::optional<Image> image =
        DecodeIconImage(trailer.subspan(static_cast<size_t>(offset), static_cast<size_t>(size)));
    if (image && (!best || image->width * image->height > best->width * best->height))
      best = std::move(image);
    offset += size;
  }
  return best;
}

}  // namespace game
