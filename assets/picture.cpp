#include "assets/picture.h"

namespace assets {

namespace {

void PutLe(platform::Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

platform::Bytes EncodeBmp24(const Picture& picture) {
  const uint32_t row_size = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  const uint32_t data_size = row_size * static_cast<uint32_t>(picture.height);
  platform::Bytes out;
  out.reserve(54 + data_size);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, 54 + data_size, 4);  // file size
  PutLe(out, 0, 4);               // reserved
  PutLe(out, 54, 4);              // offset of the pixel data
  PutLe(out, 40, 4);              // info header size
  PutLe(out, static_cast<uint32_t>(picture.width), 4);
  PutLe(out, static_cast<uint32_t>(picture.height), 4);
  PutLe(out, 1, 2);   // planes
  PutLe(out, 24, 2);  // bits per pixel
  PutLe(out, 0, 4);   // no compression
  PutLe(out, data_size, 4);
  PutLe(out, 0, 4);  // horizontal resolution
  PutLe(out, 0, 4);  // vertical resolution
  PutLe(out, 0, 4);  // colours used
  PutLe(out, 0, 4);  // important colours
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (uint32_t pad = static_cast<uint32_t>(picture.width) * 3; pad < row_size; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace assets
