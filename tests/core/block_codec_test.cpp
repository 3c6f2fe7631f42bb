// Compression and decompression together: round trips at every level and
// parse, and the commands the encoder chooses for typical data.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "gamebuild/block_decoder.h"
#include "gamebuild/block_encoder.h"
#include "gamebuild/block_format.h"
#include "platform/files.h"
#include "tests/support/test_data.h"

namespace {

using gamebuild::ParseMode;
using gamebuild::TokenKind;
using Bytes = std::vector<uint8_t>;

Bytes Random(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

// A 64 x 64 picture-like record: a smooth gradient with some noise.
Bytes Texture(uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      for (int c = 0; c < 3; ++c) b.push_back(static_cast<uint8_t>(x * 2 + y + c * 40 + (rng() % 4 == 0)));
  return b;
}

Bytes Text(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

void ExpectRoundTrip(const Bytes& data, int level, ParseMode mode, bool must_compress) {
  const Bytes block = gamebuild::CompressBlock(data, gamebuild::WindowOfLevel(level), mode);
  if (block.empty()) {
    EXPECT_FALSE(must_compress);
    return;
  }
  EXPECT_LE(block.size(), data.size());
  EXPECT_EQ((block.size() - gamebuild::kBlockHeaderSize) % 4, 0u);
  Bytes out(data.size());
  const auto result = gamebuild::DecodeBlock(block, out);
  ASSERT_TRUE(result.ok()) << gamebuild::BlockErrorText(result.error);
  EXPECT_EQ(out, data);
}

std::vector<std::pair<std::string, Bytes>> Inputs() {
  std::vector<std::pair<std::string, Bytes>> inputs;
  for (size_t n = 1; n <= 14; ++n) inputs.emplace_back("tiny " + std::to_string(n), Random(n, 7));
  inputs.emplace_back("one byte repeated", Bytes(100000, 'z'));
  inputs.emplace_back("zeros", Bytes(5000, 0));
  std::string words;
  for (int i = 0; i < 400; ++i) words += "the maze " + std::to_string(i % 37) + " opens a door; ";
  inputs.emplace_back("text", Text(words));
  inputs.emplace_back("random", Random(70000, 1));
  inputs.emplace_back("texture", Texture(3));
  Bytes mixed = Random(3000, 5);
  const Bytes tex = Texture(9);
  mixed.insert(mixed.end(), tex.begin(), tex.end());
  mixed.insert(mixed.end(), 700, 0);
  const Bytes again = Random(3000, 5);
  mixed.insert(mixed.end(), again.begin(), again.end());
  inputs.emplace_back("random, texture, zeros, random again", mixed);
  return inputs;
}

TEST(BlockCodec, RoundTripsAtEveryLevelAndParse) {
  for (const auto& [name, data] : Inputs()) {
    for (int level = 0; level <= 9; ++level) {
      for (ParseMode mode :
           {ParseMode::kGreedy, ParseMode::kLazy, ParseMode::kOptimal, ParseMode::kLongest}) {
        SCOPED_TRACE(name + ", level " + std::to_string(level) + ", parse " +
                     std::to_string(static_cast<int>(mode)));
        const bool compressible = name != "random" && data.size() > 14 && !name.starts_with("tiny");
        ExpectRoundTrip(data, level, mode, compressible);
      }
    }
  }
}

TEST(BlockCodec, RoundTripsRealFiles) {
  int files = 0;
  for (const char* folder : {"bmpsuite/g", "midi", "tga"}) {
    for (const auto& entry : std::filesystem::directory_iterator(testing_support::TestData(folder))) {
      if (files++ % 3 != 0) continue;  // a third of them keeps the test quick
      const auto data = platform::ReadFileBytes(entry.path());
      ASSERT_TRUE(data);
      SCOPED_TRACE(entry.path().string());
      ExpectRoundTrip(*data, 4, ParseMode::kOptimal, false);
      ExpectRoundTrip(*data, 9, ParseMode::kLazy, false);
    }
  }
}

TEST(BlockCodec, TinyDataNeverGainsAndEmptyDataFails) {
  // The smallest block (header and one word) is 14 bytes.
  for (size_t n = 0; n <= 14; ++n) {
    for (const Bytes& data : {Bytes(n, 0), Random(n, 3)}) {
      const Bytes block = gamebuild::CompressBlock(data, 65536);
      EXPECT_TRUE(block.empty() || (n == 14 && block.size() == 14)) << n;
    }
  }
}

TEST(BlockCodec, IncompressibleDataGivesUpOrGrowsAtMostHalfAPercent) {
  const Bytes data = Random(100000, 11);
  EXPECT_TRUE(gamebuild::CompressBlock(data, 16384).empty());
  // What the commands themselves cost: raw runs, not literals.
  const auto tokens = gamebuild::ParseBlock(data, 16384, ParseMode::kOptimal);
  const Bytes block = gamebuild::WriteBlock(data, tokens);
  EXPECT_LE(block.size(), data.size() + data.size() / 200);
  Bytes out(data.size());
  EXPECT_EQ(gamebuild::BlockDecompress(block, out), data.size());
  EXPECT_EQ(out, data);
}

TEST(BlockCodec, BlockCompressRespectsTheOutputSize) {
  const Bytes data = Texture(1);
  const Bytes block = gamebuild::CompressBlock(data, 16384);
  ASSERT_FALSE(block.empty());
  Bytes out(block.size());
  EXPECT_EQ(gamebuild::BlockCompress(data, out, 16384), block.size());
  EXPECT_EQ(out, block);
  Bytes small(block.size() - 1);
  EXPECT_EQ(gamebuild::BlockCompress(data, small, 16384), 0u);
}

TEST(BlockCodec, HeaderHoldsSizeAndChecksumAndStartsWithAFormat) {
  const Bytes data = Text("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
  const Bytes block = gamebuild::CompressBlock(data, 1024);
  ASSERT_GE(block.size(), 14u);
  const auto header = gamebuild::ReadBlockHeader(block);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->size, data.size());
  EXPECT_EQ(header->checksum, gamebuild::BlockChecksum(data));
  // All bytes equal: the first command sets width 8, base 0 (bits 001 0000 0 1).
  const uint32_t first_word =
      block[10] | block[11] << 8 | block[12] << 16 | static_cast<uint32_t>(block[13]) << 24;
  EXPECT_EQ(first_word >> 23, 0b001000001u);
}

std::set<TokenKind> KindsUsed(const Bytes& data, size_t window) {
  std::set<TokenKind> kinds;
  for (const auto& t : gamebuild::ParseBlock(data, window, ParseMode::kOptimal)) kinds.insert(t.kind);
  return kinds;
}

TEST(BlockCodec, EncoderUsesTheCommandsThatPay) {
  // Pieces copied from 14000 to 16000 bytes back, each from elsewhere: the
  // offsets are cheaper with a wider index.
  Bytes far = Random(16000, 21);
  std::mt19937 rng(4);
  while (far.size() < 40000) {
    const size_t from = far.size() - 14000 - rng() % 2000;
    for (size_t i = 0; i < 30; ++i) far.push_back(far[from + i]);
    far.push_back(static_cast<uint8_t>(rng()));
  }
  EXPECT_TRUE(KindsUsed(far, 16384).contains(TokenKind::kIndexWidth));

  EXPECT_TRUE(KindsUsed(Random(5000, 2), 16384).contains(TokenKind::kRaw));

  std::set<TokenKind> typical = KindsUsed(Texture(4), 16384);
  typical.merge(
      KindsUsed(Text("a map of the maze: a door, a key, a door, a wall, a gun, a key, a wall."), 1024));
  for (TokenKind kind :
       {TokenKind::kLiteral, TokenKind::kNear, TokenKind::kShort, TokenKind::kLong, TokenKind::kRepeat})
    EXPECT_TRUE(typical.contains(kind)) << static_cast<int>(kind);

  Bytes sparse(3000, 0);
  for (size_t i = 0; i < sparse.size(); i += 17) sparse[i] = static_cast<uint8_t>(i * 7 + 1);
  EXPECT_TRUE(KindsUsed(sparse, 16384).contains(TokenKind::kZero));
}

TEST(BlockCodec, SevenBitLiteralsForNarrowData) {
  // Bytes 100 to 199 only: every literal costs 8 bits, not 9.
  Bytes narrow = Random(20000, 8);
  for (auto& b : narrow) b = static_cast<uint8_t>(100 + b % 100);
  const auto formats = gamebuild::LiteralFormats(narrow);
  ASSERT_FALSE(formats.empty());
  EXPECT_EQ(formats[0], (gamebuild::LiteralFormat{7, 100}));
  ExpectRoundTrip(narrow, 4, ParseMode::kOptimal, true);
}

TEST(BlockCodec, LiteralFormatsFollowTheSegments) {
  Bytes data(1024, 50);  // one repeated byte: width 8 base 0 stays
  data.insert(data.end(), 1024, 0);
  data.back() = 127;                   // 0 ... 127: width 7 base 0
  data.insert(data.end(), 1024, 60);   // repeated and held by the format before
  data.insert(data.end(), 1024, 200);  // repeated but not held: width 7 base 200
  data.push_back(10);
  data.push_back(250);  // 240 apart: width 8
  const auto formats = gamebuild::LiteralFormats(data);
  const std::vector<gamebuild::LiteralFormat> expected = {{8, 0}, {7, 0}, {7, 0}, {7, 200}, {8, 0}};
  EXPECT_EQ(formats, expected);
  ExpectRoundTrip(data, 0, ParseMode::kOptimal, true);
}

}  // namespace
