// Little-endian integers in byte buffers, every access checked against the
// buffer: reading at fixed offsets (ByteView), reading in order with a sticky
// failure (ByteReader), and appending or patching (ByteWriter, PutLe).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

namespace platform {

// True when [offset, offset + count) lies inside a buffer of `size` bytes;
// safe against overflow of offset + count.
constexpr bool InBounds(size_t size, size_t offset, size_t count) {
  return offset <= size && count <= size - offset;
}

// Reads at fixed offsets. The optional forms are empty past the end; the
// `Or0` forms read bytes past the end as 0 (records of short files).
class ByteView {
 public:
  explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t size() const { return bytes_.size(); }
  bool Has(size_t offset, size_t count) const { return InBounds(bytes_.size(), offset, count); }

  std::optional<uint8_t> U8(size_t offset) const { return Unsigned<uint8_t>(offset); }
  std::optional<uint16_t> U16(size_t offset) const { return Unsigned<uint16_t>(offset); }
  std::optional<uint32_t> U32(size_t offset) const { return Unsigned<uint32_t>(offset); }
  std::optional<int32_t> I32(size_t offset) const {
    const auto value = U32(offset);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
  }

  int8_t I8Or0(size_t offset) const { return static_cast<int8_t>(U8(offset).value_or(0)); }
  uint16_t U16Or0(size_t offset) const { return PartialOr0<uint16_t>(offset); }
  uint32_t U32Or0(size_t offset) const { return PartialOr0<uint32_t>(offset); }
  int32_t I32Or0(size_t offset) const { return static_cast<int32_t>(U32Or0(offset)); }

  // The bytes [offset, offset + count), or an empty span past the end.
  std::span<const uint8_t> Bytes(size_t offset, size_t count) const {
    if (!Has(offset, count)) return {};
    return bytes_.subspan(offset, count);
  }

 private:
  template <typename T>
  std::optional<T> Unsigned(size_t offset) const {
    if (!Has(offset, sizeof(T))) return std::nullopt;
    return PartialOr0<T>(offset);
  }
  // Each byte of the value that lies in the buffer; the others count as 0.
  template <typename T>
  T PartialOr0(size_t offset) const {
    uint64_t value = 0;
    for (size_t k = 0; k < sizeof(T); ++k)
      if (offset < bytes_.size() && k < bytes_.size() - offset)
        value |= static_cast<uint64_t>(bytes_[offset + k]) << (8 * k);
    return static_cast<T>(value);
  }

  std::span<const uint8_t> bytes_;
};

// Reads in order from a position. A read past the end returns 0 and marks
// the reader failed for good, so a parser reads every field and checks ok()
// once.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes, size_t position = 0)
      : view_(bytes), position_(position), ok_(position <= bytes.size()) {}

  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return ok_ ? view_.size() - position_ : 0; }

  uint8_t U8() { return Take<uint8_t>(view_.U8(position_)); }
  uint16_t U16() { return Take<uint16_t>(view_.U16(position_)); }
  uint32_t U32() { return Take<uint32_t>(view_.U32(position_)); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  std::span<const uint8_t> Bytes(size_t count) {
    if (!ok_ || !view_.Has(position_, count)) {
      ok_ = false;
      return {};
    }
    const auto bytes = view_.Bytes(position_, count);
    position_ += count;
    return bytes;
  }
  void Skip(size_t count) { Bytes(count); }

 private:
  template <typename T>
  T Take(std::optional<T> value) {
    if (!ok_ || !value) {
      ok_ = false;
      return 0;
    }
    position_ += sizeof(T);
    return *value;
  }

  ByteView view_;
  size_t position_;
  bool ok_;
};

// Appends little-endian integers and blocks to a byte vector.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

  void U8(uint8_t value) { out_.push_back(value); }
  void U16(uint16_t value) { Append(value, 2); }
  void U32(uint32_t value) { Append(value, 4); }
  void I32(int32_t value) { Append(static_cast<uint32_t>(value), 4); }
  void Bytes(std::span<const uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
  void Zeros(size_t count) { out_.insert(out_.end(), count, 0); }
  size_t size() const { return out_.size(); }

 private:
  void Append(uint64_t value, int count) {
    for (int k = 0; k < count; ++k) out_.push_back(static_cast<uint8_t>(value >> (8 * k)));
  }

  std::vector<uint8_t>& out_;
};

// Overwrites a little-endian integer in place (PutLe<uint32_t>(bytes, 10, v));
// false, with nothing written, when it would not fit inside the buffer.
template <typename T>
requires std::is_unsigned_v<T>
bool PutLe(std::span<uint8_t> bytes, size_t offset, T value) {
  if (!InBounds(bytes.size(), offset, sizeof(T))) return false;
  for (size_t k = 0; k < sizeof(T); ++k) bytes[offset + k] = static_cast<uint8_t>(value >> (8 * k));
  return true;
}

}  // namespace platform
