#include "assets/bmp_format.h"

#include <algorithm>
#include <cstdlib>

#include "platform/byte_io.h"

namespace assets::bmp {

namespace {

using platform::ByteView;
using platform::PutLe;

bool KnownInfoSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 56 || size == 108 || size == 124;
}

bool KnownBits(uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionFits(const Header& h) {
  switch (h.compression) {
    case kRgb:
      return true;
    case kRle8:
      return h.bits == 8 && h.height > 0;
    case kRle4:
      return h.bits == 4 && h.height > 0;
    case kBitfields:
      return h.bits == 16 || h.bits == 32;
    default:
      return false;
  }
}

bool IsRle(const Header& h) {
  return h.compression == kRle8 || h.compression == kRle4;
}

// Fills in the fields of a 12-byte header, or of the 40-byte part of the
// larger ones; false when the file is too short or a field is out of range.
bool ReadInfo(ByteView file, Header& h, uint32_t& colours_used, int max_side) {
  colours_used = 0;
  uint16_t planes;
  if (h.info_size == kCoreHeaderSize) {
    h.width = file.U16Or0(core_header::kWidth);
    h.height = file.U16Or0(core_header::kHeight);
    planes = file.U16Or0(core_header::kPlanes);
    h.bits = file.U16Or0(core_header::kBits);
    if (h.bits == 16 || h.bits == 32) return false;  // not in this header's form
  } else {
    h.width = file.I32Or0(info_header::kWidth);
    h.height = file.I32Or0(info_header::kHeight);
    planes = file.U16Or0(info_header::kPlanes);
    h.bits = file.U16Or0(info_header::kBits);
    h.compression = file.U32Or0(info_header::kCompression);
    const int64_t x_resolution = file.I32Or0(info_header::kXResolution);
    const int64_t y_resolution = file.I32Or0(info_header::kYResolution);
    if (std::llabs(x_resolution) > kMaxResolution || std::llabs(y_resolution) > kMaxResolution) return false;
    colours_used = file.U32Or0(info_header::kColoursUsed);
  }
  const int64_t rows = std::llabs(static_cast<int64_t>(h.height));
  return planes == 1 && KnownBits(h.bits) && h.width > 0 && h.width <= max_side && rows > 0 &&
         rows <= max_side && CompressionFits(h);
}

bool PlaceData(std::span<const uint8_t> file, Header& h, uint32_t colours_used) {
  const size_t size = file.size();
  if (h.data_offset < h.palette_offset || h.data_offset > size) return false;
  const size_t available_entries = (h.data_offset - h.palette_offset) / h.palette_entry_size;
  if (colours_used > (size - h.palette_offset) / h.palette_entry_size) return false;
  if (h.bits <= 8) {
    const size_t wanted = colours_used ? colours_used : (1u << h.bits);
    h.palette_entries = static_cast<uint32_t>(std::min({wanted, available_entries, size_t{256}}));
    if (h.palette_entries == 0) return false;
  }
  if (IsRle(h)) {
    // Coded rows have no size of their own: the header's must hold.
    const size_t image_size = ByteView(file).U32Or0(info_header::kImageSize);
    if (image_size > size - h.data_offset) return false;
    h.data_size = image_size ? image_size : size - h.data_offset;
    return true;
  }
  // Plain rows: every one must be there, whatever the header's image size says.
  h.data_size = h.RowSize() * static_cast<size_t>(h.Rows());
  return h.data_size <= size - h.data_offset;
}

class RleExpander {
 public:
  RleExpander(std::span<const uint8_t> data, const Header& h)
      : data_(data),
        width_(h.width),
        rows_(h.Rows()),
        four_bits_(h.compression == kRle4),
        indices_(static_cast<size_t>(width_) * rows_, 0) {}

  // The indices, bottom row first; nothing when the data is broken.
  std::optional<platform::Bytes> Run() {
    size_t pos = 0;
    while (pos + 1 < data_.size()) {
      const uint8_t count = data_[pos], value = data_[pos + 1];
      pos += 2;
      if (count > 0) {
        if (!Repeat(count, value)) return std::nullopt;
      } else if (value == 0) {  // end of line
        x_ = 0;
        ++y_;
      } else if (value == 1) {  // end of picture
        break;
      } else if (value == 2) {  // move right and up
        if (pos + 1 >= data_.size()) return std::nullopt;
        x_ += data_[pos];
        y_ += data_[pos + 1];
        pos += 2;
        if (x_ > width_ || y_ > rows_) return std::nullopt;
      } else if (!Literal(value, pos)) {
        return std::nullopt;
      }
    }
    return std::move(indices_);
  }

 private:
  bool Put(uint8_t index) {
    if (x_ >= width_ || y_ >= rows_) return false;
    indices_[static_cast<size_t>(y_) * width_ + x_++] = index;
    return true;
  }
  uint8_t Nibble(uint8_t byte, int i) const { return (i % 2 == 0) ? byte >> 4 : byte & 15; }

  bool Repeat(int count, uint8_t value) {
    for (int i = 0; i < count; ++i)
      if (!Put(four_bits_ ? Nibble(value, i) : value)) return false;
    return true;
  }

  bool Literal(int count, size_t& pos) {
    const size_t bytes = four_bits_ ? (static_cast<size_t>(count) + 1) / 2 : static_cast<size_t>(count);
    if (bytes > data_.size() - pos) return false;
    for (int i = 0; i < count; ++i) {
      const uint8_t index = four_bits_ ? Nibble(data_[pos + i / 2], i) : data_[pos + i];
      if (!Put(index)) return false;
    }
    pos += bytes + (bytes % 2);  // literal runs end on a 16-bit boundary
    return true;
  }

  std::span<const uint8_t> data_;
  int width_, rows_;
  bool four_bits_;
  platform::Bytes indices_;
  int x_ = 0, y_ = 0;
};

bool IndicesInPalette(std::span<const uint8_t> rows, size_t row_size, const Header& h, int bits) {
  const unsigned mask = (1u << bits) - 1;
  for (int y = 0; y < h.Rows(); ++y) {
    const uint8_t* row = rows.data() + static_cast<size_t>(y) * row_size;
    for (int x = 0; x < h.width; ++x) {
      const size_t bit = static_cast<size_t>(x) * bits;
      const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & mask;
      if (index >= h.palette_entries) return false;
    }
  }
  return true;
}

// A 40-byte header, a palette of 4-byte entries and the index rows.
platform::Bytes IndexedFile(std::span<const uint8_t> file, const Header& h, std::span<const uint8_t> rows,
                            uint16_t bits) {
  const size_t header_end = kFileHeaderSize + kInfoHeaderSize;
  const size_t data_offset = header_end + h.palette_entries * 4;
  platform::Bytes out(data_offset + rows.size(), 0);
  out[0] = 'B';
  out[1] = 'M';
  PutLe<uint32_t>(out, kFileSizeOffset, static_cast<uint32_t>(out.size()));
  PutLe<uint32_t>(out, kDataOffsetOffset, static_cast<uint32_t>(data_offset));
  PutLe<uint32_t>(out, kInfoSizeOffset, kInfoHeaderSize);
  PutLe<uint32_t>(out, info_header::kWidth, static_cast<uint32_t>(h.width));
  PutLe<uint32_t>(out, info_header::kHeight, static_cast<uint32_t>(h.height));
  PutLe<uint16_t>(out, info_header::kPlanes, 1);
  PutLe<uint16_t>(out, info_header::kBits, bits);
  PutLe<uint32_t>(out, info_header::kImageSize, static_cast<uint32_t>(rows.size()));
  PutLe<uint32_t>(out, info_header::kColoursUsed, h.palette_entries);
  for (uint32_t i = 0; i < h.palette_entries; ++i) {
    const size_t from = h.palette_offset + static_cast<size_t>(i) * h.palette_entry_size;
    std::copy_n(file.begin() + static_cast<ptrdiff_t>(from), 3,
                out.begin() + static_cast<ptrdiff_t>(header_end + i * 4));
  }
  std::copy(rows.begin(), rows.end(), out.begin() + static_cast<ptrdiff_t>(data_offset));
  return out;
}

std::optional<platform::Bytes> ExpandedRle(std::span<const uint8_t> file, const Header& h) {
  auto indices = RleExpander(file.subspan(h.data_offset, h.data_size), h).Run();
  if (!indices) return std::nullopt;
  for (const uint8_t index : *indices)
    if (index >= h.palette_entries) return std::nullopt;
  // Rows of 8-bit indices padded to 4 bytes.
  const size_t row_size = (static_cast<size_t>(h.width) + 3) & ~size_t{3};
  platform::Bytes rows(row_size * static_cast<size_t>(h.Rows()), 0);
  for (int y = 0; y < h.Rows(); ++y)
    std::copy_n(indices->begin() + static_cast<ptrdiff_t>(y) * h.width, h.width,
                rows.begin() + static_cast<ptrdiff_t>(y * row_size));
  return IndexedFile(file, h, rows, 8);
}

}  // namespace

std::optional<Header> ReadHeader(std::span<const uint8_t> file, int max_side) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const ByteView view(file);
  Header h;
  h.info_size = view.U32Or0(kInfoSizeOffset);
  if (!KnownInfoSize(h.info_size) || file.size() < kFileHeaderSize + h.info_size) return std::nullopt;
  uint32_t colours_used = 0;
  if (!ReadInfo(view, h, colours_used, max_side)) return std::nullopt;
  h.data_offset = view.U32Or0(kDataOffsetOffset);
  h.palette_offset = static_cast<uint32_t>(kFileHeaderSize) + h.info_size;
  if (h.info_size == kInfoHeaderSize && h.compression == kBitfields) h.palette_offset += kBitfieldsSize;
  h.palette_entry_size = h.info_size == kCoreHeaderSize ? 3 : 4;
  if (!PlaceData(file, h, colours_used)) return std::nullopt;
  return h;
}

bool IsPlain(const Header& h) {
  return h.bits > 8 && !IsRle(h) && h.data_offset == h.palette_offset;
}

std::optional<platform::Bytes> Normalised(std::span<const uint8_t> file, const Header& h) {
  if (IsRle(h)) return ExpandedRle(file, h);
  const auto rows = file.subspan(h.data_offset, h.data_size);
  if (h.bits <= 8) {
    if (!IndicesInPalette(rows, h.RowSize(), h, h.bits)) return std::nullopt;
    return IndexedFile(file, h, rows, h.bits);
  }
  // Deeper pictures keep their own headers (masks included); whatever lay
  // between them and the pixel data is dropped.
  platform::Bytes out(file.begin(), file.begin() + h.palette_offset);
  out.insert(out.end(), rows.begin(), rows.end());
  PutLe<uint32_t>(out, kFileSizeOffset, static_cast<uint32_t>(out.size()));
  PutLe<uint32_t>(out, kDataOffsetOffset, h.palette_offset);
  return out;
}

}  // namespace assets::bmp
