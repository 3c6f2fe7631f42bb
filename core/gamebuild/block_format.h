// The compressed block: header layout, command codes and the bit costs of
// each command, shared by the encoder, the decoder and their tests.
//
// A block is the magic "JC", the decoded size and a checksum (32-bit little
// endian each), then a bit stream of 32-bit little-endian words read from
// bit 31 down to bit 0. Commands:
//   1            literal: literal-width bits v, output (v + literal base) & 255
//   01 g         long match (g >= 3): index-width bits b, offset =
//                ((g - 3) << index width) | b, gamma L, length L + bonus
//   01 g=2 L     repeat match: L bytes from the last offset
//   000 o7 k2    short match o != 0: k + 2 bytes from offset o;
//                o = 0, k = 0: end; o = 0, k >= 1: index width := k + 3 bits
//   001 v4       v >= 2: one byte from distance v - 1; v = 1: byte 0;
//                v = 0, 1: raw runs of 256 bytes; v = 0, 0: literal format
// Gamma codes (values >= 2) send the bits after the leading 1, each followed
// by a continuation bit.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace gamebuild {

constexpr uint8_t kBlockMagic0 = 0x4A;  // 'J'
constexpr uint8_t kBlockMagic1 = 0x43;  // 'C'
constexpr size_t kBlockSizeOffset = 2;
constexpr size_t kBlockChecksumOffset = 6;
constexpr size_t kBlockHeaderSize = 10;
// Header and one word: no block is smaller, so data of this size or less
// never gains from compression.
constexpr size_t kSmallestBlock = kBlockHeaderSize + 4;

constexpr uint32_t kDefaultIndexWidth = 8;
constexpr uint32_t kInitialLastOffset = 1;
constexpr uint32_t kRawRunLength = 256;
constexpr uint32_t kShortMatchMaxOffset = 127;
constexpr uint32_t kShortMatchMinLength = 2;
constexpr uint32_t kShortMatchMaxLength = 5;
constexpr uint32_t kNearCopyMaxDistance = 14;
constexpr uint32_t kMaxIndexWidth = 63;  // the widest

constexpr size_t kMinWindow = 1024;
constexpr size_t kMaxWindow = 268435454;

// Window size of a compression level: 0 = 1 KiB ... 4 = 16 KiB ... 8 and
// above = 64 KiB.
size_t WindowOfLevel(int level);

// Added to the coded length of a long match at this offset.
constexpr uint32_t LongMatchBonus(uint64_t offset) {
  if (offset <= 127) return 4;
  if (offset <= 638) return 0;
  if (offset <= 14334) return 1;
  if (offset <= 65535) return 2;
  return 3;
}

// Bits of the gamma code of value >= 2.
constexpr uint32_t GammaBits(uint64_t value) {
  return 2 * (static_cast<uint32_t>(std::bit_width(value)) - 1);
}

namespace cost {
constexpr uint32_t kZeroByte = 7;                                     // 001 0001
constexpr uint32_t kNearCopy = 7;                                     // 001 vvvv
constexpr uint32_t kShortMatch = 12;                                  // 000 ooooooo kk
constexpr uint32_t kEnd = 12;                                         // 000 0000000 00
constexpr uint32_t kRawRunFirst = 3 + 4 + 1 + 8 * kRawRunLength + 1;  // with its stop bit
constexpr uint32_t kRawRunMore = 8 * kRawRunLength + 1;
constexpr uint32_t kLiteralFormat8 = 3 + 4 + 1 + 1;
constexpr uint32_t kLiteralFormat7 = 3 + 4 + 1 + 1 + 8;
constexpr uint32_t IndexWidthCommand(uint32_t width) {
  return 12 + (width < 16 ? 4 : width < 32 ? 5 : 6);
}
constexpr uint32_t Literal(uint32_t width) {
  return 1 + width;
}
constexpr uint32_t RepeatMatch(uint64_t length) {
  return 2 + 2 + GammaBits(length);
}
// A long match of `length` bytes at `offset`, or 0 when the length is below
// what the offset's bonus allows.
constexpr uint32_t LongMatch(uint64_t offset, uint64_t length, uint32_t index_width) {
  const uint32_t bonus = LongMatchBonus(offset);
  if (length < bonus + 2) return 0;
  return 2 + GammaBits((offset >> index_width) + 3) + index_width + GammaBits(length - bonus);
}
}  // namespace cost

// The 32-bit little-endian word at `p`, unchecked: for the inner loops of
// the bit reader and the checksum, whose callers have checked the bounds.
inline uint32_t LoadWord(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// The checksum of the decoded data (0 for fewer than 4 bytes).
uint32_t BlockChecksum(std::span<const uint8_t> data);

}  // namespace gamebuild
