// Reading and writing the raw settings records: signed bytes and 32-bit
// little-endian integers, with everything past the end of a short file read as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/files.h"
#include "platform/int_parse.h"

namespace config {

// Byte `index` taken as a signed 8-bit number; 0 past the end.
inline int64_t SignedByteAt(std::span<const uint8_t> bytes, size_t index) {
  if (index >= bytes.size()) return 0;
  return static_cast<int8_t>(bytes[index]);
}

// Integer number `index` (little-endian, signed 32 bits); bytes past the end
// count as 0.
inline int64_t Int32At(std::span<const uint8_t> bytes, size_t index) {
  uint32_t value = 0;
  for (size_t k = 0; k < 4; ++k) {
    const size_t at = index * 4 + k;
    if (at < bytes.size()) value |= static_cast<uint32_t>(bytes[at]) << (8 * k);
  }
  return static_cast<int32_t>(value);
}

// Appends the low 32 bits of `value`, little-endian.
inline void AppendInt32(platform::Bytes& out, int64_t value) {
  const auto low = static_cast<uint32_t>(platform::Low32(value));
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(low >> (8 * k)));
}

inline void AppendByte(platform::Bytes& out, int64_t value) {
  out.push_back(platform::Low8(value));
}

}  // namespace config
