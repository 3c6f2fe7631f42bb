#include "gamebuild/block_encoder.h"

#include <algorithm>
#include <cstring>

#include "gamebuild/block_bit_writer.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace {

class CommandWriter {
 public:
  CommandWriter(std::span<const uint8_t> input, std::vector<uint8_t>& out)
      : input_(input), formats_(LiteralFormats(input)), bits_(out) {}

  void Begin() { Format(formats_.empty() ? LiteralFormat{} : formats_[0]); }

  void Write(const Token& t) {
    if (raw_open_ && t.kind != TokenKind::kRaw) EndRaw();
    switch (t.kind) {
      case TokenKind::kLiteral:
        Literal(input_[pos_]);
        break;
      case TokenKind::kZero:
        bits_.Put(0b001, 3);
        bits_.Put(1, 4);
        break;
      case TokenKind::kNear:
        bits_.Put(0b001, 3);
        bits_.Put(t.offset + 1, 4);
        break;
      case TokenKind::kShort:
        Match(t.offset, t.length);
        break;
      case TokenKind::kRepeat:
        if (t.offset == last_offset_) {
          bits_.Put(0b01, 2);
          bits_.PutGamma(2);
          bits_.PutGamma(t.length);
        } else {
          Match(t.offset, t.length);  // the parse lost track of the last offset
        }
        break;
      case TokenKind::kLong:
        LongMatch(t.offset, t.length);
        break;
      case TokenKind::kRaw:
        Raw();
        break;
      case TokenKind::kIndexWidth:
        IndexWidth(t.offset);
        break;
    }
    pos_ += t.length;
  }

  void End() {
    if (raw_open_) EndRaw();
    bits_.Put(0, 3 + 7 + 2);
    bits_.Flush();
  }

 private:
  void Format(const LiteralFormat& format) {
    bits_.Put(0b001, 3);
    bits_.Put(0, 4);
    bits_.Put(0, 1);
    if (format.width == 8) {
      bits_.Put(1, 1);
    } else {
      bits_.Put(0, 1);
      bits_.Put(format.base, 8);
    }
    format_ = format;
  }

  void Literal(uint8_t byte) {
    const LiteralFormat& wanted = formats_[pos_ / kFormatSegment];
    if (!(wanted == format_)) Format(wanted);
    bits_.Put(1, 1);
    bits_.Put(static_cast<uint8_t>(byte - format_.base), format_.width);
  }

  void Match(uint32_t offset, uint32_t length) {
    if (offset > kShortMatchMaxOffset || length > kShortMatchMaxLength) return LongMatch(offset, length);
    bits_.Put(0, 3);
    bits_.Put(offset, 7);
    bits_.Put(length - kShortMatchMinLength, 2);
    last_offset_ = offset;
  }

  void LongMatch(uint32_t offset, uint32_t length) {
    bits_.Put(0b01, 2);
    bits_.PutGamma((uint64_t{offset} >> index_width_) + 3);
    bits_.Put(offset & ((uint64_t{1} << index_width_) - 1), index_width_);
    bits_.PutGamma(length - LongMatchBonus(offset));
    last_offset_ = offset;
  }

  // Runs of 256 raw bytes; consecutive ones share one command, each run
  // but the first announced by a 1 bit, the last followed by a 0 bit.
  void Raw() {
    if (raw_open_) {
      bits_.Put(1, 1);
    } else {
      bits_.Put(0b001, 3);
      bits_.Put(0, 4);
      bits_.Put(1, 1);
    }
    for (uint32_t i = 0; i < kRawRunLength; i += 4)
      bits_.Put(static_cast<uint32_t>(input_[pos_ + i]) << 24 | input_[pos_ + i + 1] << 16 |
                    input_[pos_ + i + 2] << 8 | input_[pos_ + i + 3],
                32);
    raw_open_ = true;
  }

  void EndRaw() {
    bits_.Put(0, 1);
    raw_open_ = false;
  }

  void IndexWidth(uint32_t width) {
    const unsigned k = width < 16 ? 1 : width < 32 ? 2 : 3;
    bits_.Put(0, 3 + 7);
    bits_.Put(k, 2);
    bits_.Put(width, k + 3);
    index_width_ = width;
  }

  std::span<const uint8_t> input_;
  std::vector<LiteralFormat> formats_;
  BitWriter bits_;
  size_t pos_ = 0;
  LiteralFormat format_;
  uint32_t index_width_ = kDefaultIndexWidth;
  uint32_t last_offset_ = kInitialLastOffset;
  bool raw_open_ = false;
};

}  // namespace

namespace {

std::vector<uint8_t> StartBlock(std::span<const uint8_t> input) {
  std::vector<uint8_t> out;
  out.reserve(kBlockHeaderSize + input.size() + 8);
  platform::ByteWriter header(out);
  header.U8(kBlockMagic0);
  header.U8(kBlockMagic1);
  header.U32(static_cast<uint32_t>(input.size()));
  header.U32(BlockChecksum(input));
  return out;
}

}  // namespace

std::vector<uint8_t> WriteBlock(std::span<const uint8_t> input, const std::vector<Token>& tokens) {
  std::vector<uint8_t> out = StartBlock(input);
  CommandWriter writer(input, out);
  writer.Begin();
  for (const Token& t : tokens) writer.Write(t);
  writer.End();
  return out;
}

std::vector<uint8_t> CompressBlock(std::span<const uint8_t> input, size_t window, ParseMode mode) {
  if (input.empty()) return {};
  window = std::min(std::clamp(window, kMinWindow, kMaxWindow), input.size());
  std::vector<uint8_t> out = StartBlock(input);
  const size_t budget = input.size();
  bool over = false;
  {
    CommandWriter writer(input, out);
    writer.Begin();
    ParseBlock(input, window, mode, [&](std::span<const Token> batch) {
      if (over) return;
      for (const Token& t : batch) writer.Write(t);
      over = out.size() > budget;
    });
    if (!over) writer.End();
  }
  if (over || out.size() > budget) return {};
  return out;
}

size_t BlockCompress(std::span<const uint8_t> input, std::span<uint8_t> output, size_t window) {
  const std::vector<uint8_t> block = CompressBlock(input, window);
  if (block.empty() || block.size() > output.size()) return 0;
  std::memcpy(output.data(), block.data(), block.size());
  return block.size();
}

}  // namespace gamebuild
