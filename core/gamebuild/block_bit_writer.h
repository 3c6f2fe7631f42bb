// Writes a bit stream as 32-bit little-endian words, most significant bit
// first, padding the last word with 0 bits.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "platform/byte_io.h"

namespace gamebuild {

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  // Appends the low `count` bits of `value` (count up to 32).
  void Put(uint32_t value, unsigned count) {
    if (count == 0) return;
    pending_ = pending_ << count | (value & ((uint64_t{1} << count) - 1));
    filled_ += count;
    if (filled_ >= 32) {
      filled_ -= 32;
      Word(static_cast<uint32_t>(pending_ >> filled_));
    }
  }

  void PutGamma(uint64_t value) {
    for (int bit = static_cast<int>(std::bit_width(value)) - 2; bit >= 0; --bit)
      Put(static_cast<uint32_t>((value >> bit) & 1) << 1 | (bit > 0 ? 1u : 0u), 2);
  }

  // Completes the last word with 0 bits.
  void Flush() {
    if (filled_ > 0) Word(static_cast<uint32_t>(pending_ << (32 - filled_)));
    filled_ = 0;
  }

  uint64_t bits_written() const { return words_ * 32 + filled_; }

 private:
  void Word(uint32_t word) {
    platform::ByteWriter(out_).U32(word);
    ++words_;
  }

  std::vector<uint8_t>& out_;
  uint64_t pending_ = 0;
  unsigned filled_ = 0;
  uint64_t words_ = 0;
};

}  // namespace gamebuild
