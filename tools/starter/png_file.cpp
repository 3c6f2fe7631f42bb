// A small PNG writer for the pictures of the user guide.
#include <zlib.h>

#include "tools/starter/help_page.h"

namespace starter {

namespace {

void PutBe32(platform::Bytes& out, uint32_t v) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Chunk(platform::Bytes& out, const char* type, const platform::Bytes& data) {
  PutBe32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  PutBe32(out, static_cast<uint32_t>(crc));
}

}  // namespace

platform::Bytes EncodePng(const Picture& picture) {
  platform::Bytes raw;
  raw.reserve(static_cast<size_t>(picture.height) * (1 + 3 * picture.width));
  for (int y = 0; y < picture.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      raw.insert(raw.end(), {c.r, c.g, c.b});
    }
  }
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  platform::Bytes packed(packed_size);
  compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(packed_size);

  platform::Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  platform::Bytes header;
  PutBe32(header, static_cast<uint32_t>(picture.width));
  PutBe32(header, static_cast<uint32_t>(picture.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", packed);
  Chunk(out, "IEND", {});
  return out;
}

}  // namespace starter
