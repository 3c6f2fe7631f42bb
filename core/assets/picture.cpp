#include "assets/picture.h"

#include <algorithm>

namespace assets {

namespace {

uint8_t* PutLe(uint8_t* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) *out++ = static_cast<uint8_t>(value >> (8 * i));
  return out;
}

}  // namespace

Picture Cut(const Picture& source, int x, int y, int width, int height) {
  Picture result(std::max(width, 0), std::max(height, 0));
  Draw(result, source, -x, -y);
  return result;
}

void Draw(Picture& target, const Picture& source, int x, int y) {
  const int first_column = std::max(0, -x);
  const int end_column = std::min(source.width, target.width - x);
  if (first_column >= end_column) return;
  for (int row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
    const Rgb* from = source.pixels.data() + static_cast<size_t>(row) * source.width;
    Rgb* to = target.pixels.data() + static_cast<size_t>(row + y) * target.width + (x + first_column);
    std::copy(from + first_column, from + end_column, to);
  }
}

Picture Transposed(const Picture& source) {
  Picture result(source.height, source.width);
  for (int y = 0; y < result.height; ++y)
    for (int x = 0; x < result.width; ++x) result.set(x, y, source.at(y, x));
  return result;
}

platform::Bytes EncodeBmp24(const Picture& picture) {
  const uint32_t row_size = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  const uint32_t data_size = row_size * static_cast<uint32_t>(picture.height);
  platform::Bytes out(54 + static_cast<size_t>(data_size), 0);
  uint8_t* p = out.data();
  *p++ = 'B';
  *p++ = 'M';
  p = PutLe(p, 54 + data_size, 4);  // file size
  p = PutLe(p, 0, 4);               // reserved
  p = PutLe(p, 54, 4);              // offset of the pixel data
  p = PutLe(p, 40, 4);              // info header size
  p = PutLe(p, static_cast<uint32_t>(picture.width), 4);
  p = PutLe(p, static_cast<uint32_t>(picture.height), 4);
  p = PutLe(p, 1, 2);   // planes
  p = PutLe(p, 24, 2);  // bits per pixel
  p = PutLe(p, 0, 4);   // no compression
  p = PutLe(p, data_size, 4);
  // Resolution, colours used and important colours stay 0.
  for (int y = picture.height - 1; y >= 0; --y) {
    uint8_t* row = out.data() + 54 + static_cast<size_t>(picture.height - 1 - y) * row_size;
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      *row++ = c.b;
      *row++ = c.g;
      *row++ = c.r;
    }
  }
  return out;
}

}  // namespace assets
