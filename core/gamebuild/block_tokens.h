// The commands an encoder has chosen, before they are written as bits, and
// the literal format of each 1024-byte segment of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "gamebuild/block_format.h"

namespace gamebuild {

enum class TokenKind : uint8_t {
  kLiteral,     // one coded byte
  kZero,        // the byte 0
  kNear,        // one byte from distance `offset` (1 to 14)
  kShort,       // short match: offset 1 to 127, length 2 to 5
  kRepeat,      // `length` bytes from the last offset
  kLong,        // long match
  kRaw,         // 256 bytes stored verbatim
  kIndexWidth,  // index width := `offset`; covers no input
};

struct Token {
  TokenKind kind;
  uint32_t length;  // input bytes covered
  uint32_t offset;
};

struct LiteralFormat {
  uint8_t width = 8;  // 7 or 8
  uint8_t base = 0;
  bool operator==(const LiteralFormat&) const = default;
  bool Holds(uint8_t byte) const { return width == 8 || (byte >= base && byte - base < 128); }
};

constexpr size_t kFormatSegment = 1024;

// The format in force for the literals of each segment of 1024 bytes: width
// 8 when the segment's bytes span 128 values or more, else width 7 based at
// its smallest byte; a segment of one repeated byte keeps the format before
// it when that holds the byte.
std::vector<LiteralFormat> LiteralFormats(std::span<const uint8_t> data);

// The cheapest way to send one byte: the zero-byte command, a copy from 1
// to 14 bytes back, or a literal.
Token SingleByte(std::span<const uint8_t> data, size_t pos);
uint32_t SingleByteCost(const Token& token, const LiteralFormat& format);

// Bits of a match of `length` at `offset`, using the cheaper of the short
// and long forms; 0 when neither can send it.
uint32_t MatchCost(uint32_t offset, uint32_t length, uint32_t index_width);
Token MatchToken(uint32_t offset, uint32_t length);

enum class ParseMode {
  kGreedy,   // at each position the command that saves the most bits
  kLazy,     // the same, but a literal first when the next position saves more
  kOptimal,  // the cheapest commands for chunks of 4096 positions
  kLongest,  // at each position the longest match that saves bits at all
};

// Chooses the commands for the whole input, handing them to `sink` in order
// in batches, or returning them all.
using TokenSink = std::function<void(std::span<const Token>)>;
void ParseBlock(std::span<const uint8_t> data, size_t window, ParseMode mode, const TokenSink& sink);
std::vector<Token> ParseBlock(std::span<const uint8_t> data, size_t window, ParseMode mode);

}  // namespace gamebuild
