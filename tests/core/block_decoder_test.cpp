// The block decoder on blocks written bit by bit in the test.
#include "gamebuild/block_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamebuild/block_format.h"

namespace {

using gamebuild::BlockError;
using Bytes = std::vector<uint8_t>;

// Builds a block by hand: commands are spelled out as bits.
class HandBlock {
 public:
  HandBlock& Bits(uint64_t value, unsigned count) {
    for (unsigned i = count; i-- > 0;) bits_.push_back((value >> i) & 1);
    return *this;
  }
  HandBlock& Gamma(uint64_t value) {
    for (int i = static_cast<int>(std::bit_width(value)) - 2; i >= 0; --i)
      Bits((value >> i) & 1, 1).Bits(i > 0, 1);
    return *this;
  }
  HandBlock& Format8() { return Bits(0b001, 3).Bits(0, 4).Bits(0, 1).Bits(1, 1); }
  HandBlock& Format7(uint8_t base) { return Bits(0b001, 3).Bits(0, 4).Bits(0, 1).Bits(0, 1).Bits(base, 8); }
  HandBlock& Literal8(uint8_t byte) { return Bits(1, 1).Bits(byte, 8); }
  HandBlock& Literal7(uint8_t value) { return Bits(1, 1).Bits(value, 7); }
  HandBlock& Zero() { return Bits(0b001, 3).Bits(1, 4); }
  HandBlock& Near(unsigned distance) { return Bits(0b001, 3).Bits(distance + 1, 4); }
  HandBlock& Short(unsigned offset, unsigned length) {
    return Bits(0, 3).Bits(offset, 7).Bits(length - 2, 2);
  }
  HandBlock& Repeat(uint64_t length) { return Bits(0b01, 2).Gamma(2).Gamma(length); }
  // A long match as coded: g, the low bits and L (the bonus is the decoder's).
  HandBlock& Long(uint64_t g, uint64_t low, unsigned width, uint64_t coded_length) {
    return Bits(0b01, 2).Gamma(g).Bits(low, width).Gamma(coded_length);
  }
  HandBlock& IndexWidth(unsigned k, unsigned width) {
    return Bits(0, 3).Bits(0, 7).Bits(k, 2).Bits(width, k + 3);
  }
  HandBlock& RawStart() { return Bits(0b001, 3).Bits(0, 4).Bits(1, 1); }
  HandBlock& End() { return Bits(0, 12); }

  // The block with a declared size; checksum 0 (not checked) unless given.
  Bytes Make(uint32_t size, uint32_t checksum = 0) const {
    Bytes block{0x4A, 0x43};
    for (uint32_t v : {size, checksum})
      for (int i = 0; i < 4; ++i) block.push_back(static_cast<uint8_t>(v >> (8 * i)));
    for (size_t at = 0; at < bits_.size(); at += 32) {
      uint32_t word = 0;
      for (size_t i = 0; i < 32; ++i) word = word << 1 | (at + i < bits_.size() ? bits_[at + i] : 0);
      for (int i = 0; i < 4; ++i) block.push_back(static_cast<uint8_t>(word >> (8 * i)));
    }
    return block;
  }

 private:
  std::vector<bool> bits_;
};

Bytes Decode(const Bytes& block, size_t capacity, BlockError expected = BlockError::kNone) {
  Bytes out(capacity);
  const auto result = gamebuild::DecodeBlock(block, out);
  EXPECT_EQ(result.error, expected) << gamebuild::BlockErrorText(result.error);
  out.resize(result.produced);
  return out;
}

Bytes Text(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

TEST(BlockDecoder, EachCommand) {
  struct Case {
    const char* name;
    HandBlock block;
    Bytes expected;
  };
  const Case cases[] = {
      {"8-bit literals", HandBlock().Format8().Literal8('h').Literal8('i').Literal8(0xFF),
       Bytes{'h', 'i', 0xFF}},
      {"7-bit literal wraps past 255", HandBlock().Format7(200).Literal7(100).Literal7(0), Bytes{44, 200}},
      {"format changes mid block", HandBlock().Format7(60).Literal7(5).Format8().Literal8(1), Bytes{65, 1}},
      {"zero byte", HandBlock().Zero().Format8().Literal8(7).Zero(), Bytes{0, 7, 0}},
      {"one byte from 1 and 14 back",
       HandBlock()
           .Format8()
           .Literal8('a')
           .Literal8('b')
           .Near(2)
           .Near(1)
           .Format7('a')
           .Literal7(0)
           .Literal7(1)
           .Literal7(2)
           .Literal7(3)
           .Literal7(4)
           .Literal7(5)
           .Literal7(6)
           .Literal7(7)
           .Literal7(8)
           .Literal7(9)
           .Near(14),
       Text("abaaabcdefghija")},
      {"short match", HandBlock().Format8().Literal8('a').Literal8('b').Short(2, 5), Text("abababa")},
      {"short distance-1 copy overlaps itself", HandBlock().Format8().Literal8('x').Short(1, 4),
       Text("xxxxx")},
      {"long distance-1 copy overlaps itself", HandBlock().Format8().Literal8('y').Long(3, 1, 8, 3),
       Text("yyyyyyyy")},
      {"repeat uses the initial last offset 1", HandBlock().Format8().Literal8('r').Repeat(3), Text("rrrr")},
      {"repeat uses the last short match",
       HandBlock().Format8().Literal8('a').Literal8('b').Literal8('c').Short(3, 2).Near(1).Repeat(2),
       Text("abcabbab")},
      {"one-byte copy keeps the last offset",
       HandBlock().Format8().Literal8('a').Literal8('b').Short(2, 2).Near(3).Repeat(2), Text("ababbbb")},
      {"index width 4 then a long match",
       HandBlock().Format8().Literal8('a').Literal8('b').Literal8('c').IndexWidth(1, 4).Long(3, 3, 4, 2),
       Text("abcabcabc")},
      {"index width 0 by the 6-bit form",
       HandBlock().Format8().Literal8('q').IndexWidth(3, 0).Long(4, 0, 0, 2), Text("qqqqqqq")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes block = HandBlock(c.block).End().Make(static_cast<uint32_t>(c.expected.size()));
    EXPECT_EQ(Decode(block, c.expected.size()), c.expected);
  }
}

TEST(BlockDecoder, RawRunOfTwoBlocks) {
  HandBlock block;
  block.RawStart();
  Bytes expected;
  for (int i = 0; i < 512; ++i) {
    expected.push_back(static_cast<uint8_t>(i * 37 + 11));
    block.Bits(expected.back(), 8);
    if (i == 255) block.Bits(1, 1);  // another 256 follow
  }
  block.Bits(0, 1).Format8().Literal8('!').End();
  expected.push_back('!');
  EXPECT_EQ(Decode(block.Make(513), 513), expected);
}

// A long match at `offset` with coded length 2 copies 2 + bonus bytes.
TEST(BlockDecoder, LongMatchBonusByOffset) {
  const struct {
    uint32_t offset;
    uint32_t bonus;
  } cases[] = {{127, 4}, {128, 0}, {638, 0}, {639, 1}, {14334, 1}, {14335, 2}, {65535, 2}, {65536, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    HandBlock block;
    block.Format8();
    Bytes expected;
    for (uint32_t i = 0; i < c.offset; ++i) {
      expected.push_back(static_cast<uint8_t>(i % 251));
      block.Literal8(expected.back());
    }
    block.Long((c.offset >> 8) + 3, c.offset & 0xFF, 8, 2).End();
    for (uint32_t i = 0; i < 2 + c.bonus; ++i) expected.push_back(expected[expected.size() - c.offset]);
    EXPECT_EQ(Decode(block.Make(static_cast<uint32_t>(expected.size())), expected.size()), expected);
  }
}

TEST(BlockDecoder, ChecksumIsCheckedUnlessZero) {
  const Bytes data = Text("check me");
  HandBlock commands;
  commands.Format8();
  for (uint8_t b : data) commands.Literal8(b);
  commands.End();
  const uint32_t sum = gamebuild::BlockChecksum(data);
  EXPECT_EQ(Decode(commands.Make(8, sum), 8), data);
  EXPECT_EQ(Decode(commands.Make(8, 0), 8), data);
  Decode(commands.Make(8, sum ^ 1), 8, BlockError::kChecksum);
  Bytes out(8);
  EXPECT_EQ(gamebuild::BlockDecompress(commands.Make(8, sum ^ 1), out), 0u);
}

TEST(BlockDecoder, ChecksumOfKnownData) {
  EXPECT_EQ(gamebuild::BlockChecksum(Bytes{1, 2, 3}), 0u);
  EXPECT_EQ(gamebuild::BlockChecksum(Bytes{1, 0, 0, 0}), 2u);              // (0+1) ^ (2+1)
  EXPECT_EQ(gamebuild::BlockChecksum(Bytes{0, 0, 0, 0x80}), 0x80000002u);  // the rotation carries
  EXPECT_EQ(gamebuild::BlockChecksum(Bytes{1, 0, 0, 0, 0}), 3u);           // last word overlaps
  EXPECT_EQ(gamebuild::BlockChecksum(Bytes{1, 0, 0, 0, 1, 0, 0, 0}), 0u);  // (2+1) ^ (2+1)
}

TEST(BlockDecoder, RefusesCorruptBlocks) {
  const auto make = [](HandBlock b, uint32_t size) { return b.Make(size); };
  struct Case {
    const char* name;
    Bytes block;
    size_t capacity;
    BlockError error;
  };
  Bytes bad_magic = make(HandBlock().Format8().Literal8(1).End(), 1);
  bad_magic[1] = 'D';
  Bytes truncated = make(HandBlock().Format8().Literal8(1).End(), 1);
  truncated.resize(9);
  HandBlock literals;  // 9 + 31 x 9 bits: whole words, so no padding reads as an end
  literals.Format8();
  for (int i = 0; i < 31; ++i) literals.Literal8(1);
  const Bytes no_end = literals.Make(31);
  const Case cases[] = {
      {"bad magic", bad_magic, 1, BlockError::kBadMagic},
      {"shorter than a header", truncated, 1, BlockError::kTooShort},
      {"declared size beyond the output", make(HandBlock().Format8().Literal8(1).End(), 2), 1,
       BlockError::kOutputTooSmall},
      {"literal before any format", make(HandBlock().Literal8(1).End(), 1), 1, BlockError::kCorrupt},
      {"copy from before the start", make(HandBlock().Format8().Literal8(1).Short(2, 2).End(), 3), 3,
       BlockError::kCorrupt},
      {"repeat at the very start", make(HandBlock().Repeat(2).End(), 2), 2, BlockError::kCorrupt},
      {"long match offset 0", make(HandBlock().Format8().Literal8(1).Long(3, 0, 8, 2).End(), 7), 7,
       BlockError::kCorrupt},
      {"copy past the declared size", make(HandBlock().Format8().Literal8(1).Short(1, 5).End(), 4), 10,
       BlockError::kCorrupt},
      {"literal past the declared size", make(HandBlock().Format8().Literal8(1).Literal8(2).End(), 1), 10,
       BlockError::kCorrupt},
      {"raw run past the declared size", make(HandBlock().RawStart().Bits(0, 256 * 8 + 1).End(), 255), 512,
       BlockError::kCorrupt},
      {"fewer bytes than declared", make(HandBlock().Format8().Literal8(1).End(), 2), 2,
       BlockError::kCorrupt},
      {"no end command", no_end, 31, BlockError::kCorrupt},
      {"no commands", make(HandBlock(), 0), 0, BlockError::kCorrupt},
      {"endless gamma",
       make(HandBlock().Format8().Literal8(1).Bits(0b01, 2).Bits(~0ull, 64).Bits(~0ull, 64), 9), 9,
       BlockError::kCorrupt},
      {"huge offset under a wide index",
       make(HandBlock().Format8().Literal8(1).IndexWidth(3, 63).Long(900, 0, 63, 2).Bits(0, 64).End(), 9), 9,
       BlockError::kCorrupt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Decode(c.block, c.capacity, c.error);
  }
}

TEST(BlockDecoder, EmptyBlockDecodesToNothing) {
  const Bytes block = HandBlock().End().Make(0);
  EXPECT_EQ(block.size(), gamebuild::kSmallestBlock);
  EXPECT_TRUE(Decode(block, 0).empty());
}

TEST(BlockDecoder, TruncatedStreamNeverReadsPastTheInput) {
  HandBlock commands;
  commands.Format8();
  for (int i = 0; i < 40; ++i) commands.Literal8(static_cast<uint8_t>(i));
  commands.Short(7, 5).Repeat(9).End();
  const Bytes block = commands.Make(54);
  ASSERT_EQ(Decode(block, 54).size(), 54u);
  for (size_t cut = 0; cut < block.size(); ++cut) {
    // An exact-size heap copy lets the address sanitizer see any overread.
    const Bytes part(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(cut));
    Bytes out(54);
    EXPECT_FALSE(gamebuild::DecodeBlock(part, out).ok()) << cut;
  }
}

}  // namespace
