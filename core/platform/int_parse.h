// The integer parser used for every number typed into a text box.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Skips leading spaces and tabs, takes an optional sign, then "$" and
// hexadecimal digits, "%" and base-2 digits, or decimal digits, and stops at
// the first character that does not fit. Text without digits gives 0.
// Digits past the 64-bit range wrap around modulo 2^64 (never undefined).
int64_t ParseInteger(std::string_view text);

// The low 8 bits of a parsed number, as stored in byte records.
inline uint8_t Low8(int64_t value) {
  return static_cast<uint8_t>(static_cast<uint64_t>(value) & 0xFFu);
}

// The low 32 bits of a parsed number, as stored in integer records.
inline int32_t Low32(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu));
}

}  // namespace platform
