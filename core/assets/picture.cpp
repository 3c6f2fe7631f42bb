#include "assets/picture.h"

#include <algorithm>

#include "assets/bmp_format.h"
#include "platform/byte_io.h"

namespace assets {

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
  constexpr uint32_t kHeadersSize = bmp::kFileHeaderSize + bmp::kInfoHeaderSize;
  const uint32_t row_size = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  const uint32_t data_size = row_size * static_cast<uint32_t>(picture.height);
  platform::Bytes out;
  out.reserve(kHeadersSize + static_cast<size_t>(data_size));
  platform::ByteWriter w(out);
  w.U8('B');
  w.U8('M');
  w.U32(kHeadersSize + data_size);  // file size
  w.U32(0);                         // reserved
  w.U32(kHeadersSize);              // offset of the pixel data
  w.U32(bmp::kInfoHeaderSize);
  w.I32(picture.width);
  w.I32(picture.height);  // positive: rows bottom-up
  w.U16(1);               // planes
  w.U16(24);              // bits per pixel
  w.U32(bmp::kRgb);       // no compression
  w.U32(data_size);
  w.Zeros(16);  // resolution, colours used and important colours
  out.resize(kHeadersSize + static_cast<size_t>(data_size));  // the rows, their padding 0
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* to = out.data() + kHeadersSize + static_cast<size_t>(picture.height - 1 - y) * row_size;
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      *to++ = c.b;
      *to++ = c.g;
      *to++ = c.r;
    }
  }
  return out;
}

}  // namespace assets
