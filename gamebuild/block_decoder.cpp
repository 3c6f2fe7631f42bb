#include "gamebuild/block_decoder.h"

#include <cstring>

#include "gamebuild/block_format.h"

namespace gamebuild {

const char* BlockErrorText(BlockError error) {
  switch (error) {
    case BlockError::kNone:
      return "no error";
    case BlockError::kTooShort:
      return "block too short";
    case BlockError::kBadMagic:
      return "not a compressed block";
    case BlockError::kOutputTooSmall:
      return "decoded size too large";
    case BlockError::kCorrupt:
      return "corrupt block";
    case BlockError::kChecksum:
      return "checksum mismatch";
  }
  return "unknown error";
}

namespace {

uint32_t LoadWord(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// Reads the bit stream most significant bit first. Past the last whole word
// it yields 0 bits and remembers that the stream ran out.
class BitReader {
 public:
  BitReader(const uint8_t* begin, const uint8_t* end) : next_(begin), end_(end) {}

  bool exhausted() const { return exhausted_; }

  uint32_t Bit() {
    if (count_ == 0) Refill();
    if (count_ == 0) return Ran();
    const uint32_t bit = static_cast<uint32_t>(bits_ >> 63);
    bits_ <<= 1;
    --count_;
    return bit;
  }

  // 1 to 32 bits.
  uint32_t Bits(unsigned k) {
    if (count_ < k) {
      Refill();
      if (count_ < k) {
        count_ = 0;
        return Ran();
      }
    }
    const uint32_t value = static_cast<uint32_t>(bits_ >> (64 - k));
    bits_ <<= k;
    count_ -= k;
    return value;
  }

  // 0 to 63 bits.
  uint64_t Wide(unsigned k) {
    if (k == 0) return 0;
    if (k <= 32) return Bits(k);
    const uint64_t high = Bits(k - 32);
    return high << 32 | Bits(32);
  }

  // A gamma value, or 0 when it would not fit 32 bits.
  uint64_t Gamma() {
    uint64_t value = 1;
    for (int i = 0; i < 32; ++i) {
      if (count_ < 2) Refill();
      if (count_ >= 2) {
        const unsigned pair = static_cast<unsigned>(bits_ >> 62);
        bits_ <<= 2;
        count_ -= 2;
        value = value * 2 + (pair >> 1);
        if ((pair & 1) == 0) return value;
      } else {
        value = value * 2 + Bit();
        if (Bit() == 0) return exhausted_ ? 0 : value;
      }
    }
    return 0;
  }

 private:
  void Refill() {
    if (count_ <= 32 && end_ - next_ >= 4) {
      bits_ |= static_cast<uint64_t>(LoadWord(next_)) << (32 - count_);
      count_ += 32;
      next_ += 4;
    }
  }
  uint32_t Ran() {
    exhausted_ = true;
    return 0;
  }

  const uint8_t* next_;
  const uint8_t* end_;
  uint64_t bits_ = 0;  // unread bits, left-aligned
  unsigned count_ = 0;
  bool exhausted_ = false;
};

class Decoder {
 public:
  Decoder(const uint8_t* stream, const uint8_t* stream_end, uint8_t* out, size_t size)
      : in_(stream, stream_end), out_(out), size_(size) {}

  size_t produced() const { return pos_; }

  // True when the end command is met with exactly the declared size made.
  bool Run() {
    for (;;) {
      if (in_.Bit()) {
        if (!Literal()) return false;
      } else if (in_.Bit()) {
        if (!LongMatch()) return false;
      } else if (in_.Bit()) {
        if (!ShortCommand()) return false;
      } else {
        const uint32_t offset = in_.Bits(7);
        const uint32_t k = in_.Bits(2);
        if (in_.exhausted()) return false;
        if (offset != 0) {
          last_offset_ = offset;
          if (!Copy(offset, k + 2)) return false;
        } else if (k == 0) {
          return pos_ == size_;
        } else {
          index_width_ = in_.Bits(k + 3);
          if (in_.exhausted()) return false;
        }
      }
    }
  }

 private:
  bool Literal() {
    if (literal_width_ == 0) return false;  // no format set yet
    const uint32_t value = in_.Bits(literal_width_);
    if (in_.exhausted() || pos_ >= size_) return false;
    out_[pos_++] = static_cast<uint8_t>(value + literal_base_);
    return true;
  }

  bool LongMatch() {
    const uint64_t g = in_.Gamma();
    if (g == 0) return false;
    if (g == 2) {
      const uint64_t length = in_.Gamma();
      return length != 0 && Copy(last_offset_, length);
    }
    const uint64_t high = g - 3;
    if (index_width_ >= 64 || (index_width_ > 0 && (high >> (64 - index_width_)) != 0)) return false;
    const uint64_t offset = high << index_width_ | in_.Wide(index_width_);
    const uint64_t length = in_.Gamma();
    if (length == 0 || offset == 0 || offset > pos_) return false;
    last_offset_ = offset;
    return Copy(offset, length + LongMatchBonus(offset));
  }

  bool ShortCommand() {
    const uint32_t v = in_.Bits(4);
    if (in_.exhausted()) return false;
    if (v >= 2) return Copy(v - 1, 1);
    if (v == 1) {
      if (pos_ >= size_) return false;
      out_[pos_++] = 0;
      return true;
    }
    if (in_.Bit()) return RawRuns();
    if (in_.Bit()) {
      literal_width_ = 8;
      literal_base_ = 0;
    } else {
      literal_width_ = 7;
      literal_base_ = in_.Bits(8);
    }
    return !in_.exhausted();
  }

  bool RawRuns() {
    do {
      if (in_.exhausted() || size_ - pos_ < kRawRunLength) return false;
      for (uint32_t i = 0; i < kRawRunLength; i += 4) {
        const uint32_t word = in_.Bits(32);
        out_[pos_] = static_cast<uint8_t>(word >> 24);
        out_[pos_ + 1] = static_cast<uint8_t>(word >> 16);
        out_[pos_ + 2] = static_cast<uint8_t>(word >> 8);
        out_[pos_ + 3] = static_cast<uint8_t>(word);
        pos_ += 4;
      }
    } while (in_.Bit());
    return !in_.exhausted();
  }

  // Copies forward one byte at a time in effect, so a copy may repeat the
  // bytes it produces.
  bool Copy(uint64_t distance, uint64_t length) {
    if (in_.exhausted() || distance == 0 || distance > pos_ || length > size_ - pos_) return false;
    uint8_t* to = out_ + pos_;
    const uint8_t* from = to - distance;
    const size_t n = static_cast<size_t>(length);
    pos_ += n;
    if (distance >= 8 && size_ - pos_ >= 8) {
      for (size_t i = 0; i < n; i += 8) std::memcpy(to + i, from + i, 8);
    } else if (distance == 1) {
      std::memset(to, *from, n);
    } else {
      for (size_t i = 0; i < n; ++i) to[i] = from[i];
    }
    return true;
  }

  BitReader in_;
  uint8_t* out_;
  size_t size_;
  size_t pos_ = 0;
  uint32_t literal_width_ = 0;
  uint32_t literal_base_ = 0;
  uint32_t index_width_ = kDefaultIndexWidth;
  uint64_t last_offset_ = kInitialLastOffset;
};

uint32_t HeaderWord(std::span<const uint8_t> block, size_t at) {
  return LoadWord(block.data() + at);
}

}  // namespace

std::optional<BlockHeader> ReadBlockHeader(std::span<const uint8_t> block) {
  if (block.size() < kBlockHeaderSize || block[0] != kBlockMagic0 || block[1] != kBlockMagic1)
    return std::nullopt;
  return BlockHeader{HeaderWord(block, kBlockSizeOffset), HeaderWord(block, kBlockChecksumOffset)};
}

BlockDecodeResult DecodeBlock(std::span<const uint8_t> block, std::span<uint8_t> output) {
  if (block.size() < kBlockHeaderSize) return {BlockError::kTooShort, 0};
  const auto header = ReadBlockHeader(block);
  if (!header) return {BlockError::kBadMagic, 0};
  if (header->size > output.size()) return {BlockError::kOutputTooSmall, 0};
  Decoder decoder(block.data() + kBlockHeaderSize, block.data() + block.size(), output.data(), header->size);
  if (!decoder.Run()) return {BlockError::kCorrupt, decoder.produced()};
  if (header->checksum != 0 && BlockChecksum(output.first(header->size)) != header->checksum)
    return {BlockError::kChecksum, decoder.produced()};
  return {BlockError::kNone, decoder.produced()};
}

size_t BlockDecompress(std::span<const uint8_t> block, std::span<uint8_t> output) {
  const BlockDecodeResult result = DecodeBlock(block, output);
  return result.ok() ? result.produced : 0;
}

}  // namespace gamebuild
