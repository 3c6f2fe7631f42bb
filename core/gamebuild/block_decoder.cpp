#include "gamebuild/block_decoder.h"

#include <array>
#include <cstring>

#include "gamebuild/block_format.h"
#include "platform/byte_io.h"

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

// The gamma codes of up to six value bits, looked up by the next 12 bits of
// the stream: the value and the bits it takes, or 0 bits when it is longer.
struct GammaEntry {
  uint8_t bits;
  uint8_t value;
};

constexpr unsigned kGammaTableBits = 12;

constexpr std::array<GammaEntry, 1u << kGammaTableBits> MakeGammaTable() {
  std::array<GammaEntry, 1u << kGammaTableBits> table{};
  for (unsigned code = 0; code < table.size(); ++code) {
    unsigned value = 1;
    for (unsigned pair = 0; pair < kGammaTableBits / 2; ++pair) {
      const unsigned bits = code >> (kGammaTableBits - 2 * pair - 2) & 3;
      value = value * 2 + (bits >> 1);
      if ((bits & 1) == 0) {
        table[code] = {static_cast<uint8_t>(2 * pair + 2), static_cast<uint8_t>(value)};
        break;
      }
    }
  }
  return table;
}

constexpr auto kGammaTable = MakeGammaTable();

// Reads the bit stream most significant bit first. Past the last whole word
// it reads 0 bits, which soon form an end command; Overran() then tells that
// the stream was too short. So the hot paths need no checks of their own.
class BitReader {
 public:
  BitReader(const uint8_t* begin, const uint8_t* end) : next_(begin), end_(end) {}

  // At least 33 bits are buffered afterwards.
  void Refill() {
    if (count_ > 32) return;
    uint64_t word = 0;
    if (end_ - next_ >= 4) {
      word = LoadWord(next_);
      next_ += 4;
    } else {
      padding_ += 32;
    }
    bits_ |= word << (32 - count_);
    count_ += 32;
  }

  unsigned Count() const { return count_; }

  // Whether any of the 0 bits past the stream were used.
  bool Overran() const { return padding_ > count_; }

  // The next k bits (0 to 32) without consuming them; needs k <= count.
  uint32_t Peek(unsigned k) const { return k == 0 ? 0 : static_cast<uint32_t>(bits_ >> (64 - k)); }
  void Drop(unsigned k) {
    bits_ <<= k;
    count_ -= k;
  }

  // 0 to 32 bits.
  uint32_t Bits(unsigned k) {
    Refill();
    const uint32_t value = Peek(k);
    Drop(k);
    return value;
  }

  // 0 to 63 bits.
  uint64_t Wide(unsigned k) {
    if (k <= 32) return Bits(k);
    const uint64_t high = Bits(k - 32);
    return high << 32 | Bits(32);
  }

  // A gamma value, or 0 when it does not fit 32 bits.
  uint64_t Gamma() {
    Refill();
    const GammaEntry entry = kGammaTable[Peek(kGammaTableBits)];
    if (entry.bits != 0) {
      Drop(entry.bits);
      return entry.value;
    }
    uint64_t value = 1;
    for (int pair = 0; pair < 32; ++pair) {
      const uint32_t bits = Bits(2);
      value = value * 2 + (bits >> 1);
      if ((bits & 1) == 0) return value;
    }
    return 0;
  }

 private:
  const uint8_t* next_;
  const uint8_t* end_;
  uint64_t bits_ = 0;  // buffered bits, left-aligned
  unsigned count_ = 0;
  uint64_t padding_ = 0;  // 0 bits added past the stream
};

class Decoder {
 public:
  Decoder(const uint8_t* stream, const uint8_t* stream_end, uint8_t* out, size_t size)
      : in_(stream, stream_end), out_(out), size_(size) {}

  size_t produced() const { return pos_; }

  // True when the end command is met, within the stream, with exactly the
  // declared size made.
  bool Run() {
    for (;;) {
      in_.Refill();
      const uint32_t head = in_.Peek(3);
      if (head >= 0b100) {
        if (!Literals()) return false;
      } else if (head >= 0b010) {
        in_.Drop(2);
        if (!LongMatch()) return false;
      } else if (head == 0b001) {
        in_.Drop(3);
        if (!ShortCommand()) return false;
      } else {
        const uint32_t command = in_.Peek(12);  // 000, offset 7 bits, k 2 bits
        in_.Drop(12);
        const uint32_t offset = command >> 2 & 0x7F;
        const uint32_t k = command & 3;
        if (offset != 0) {
          last_offset_ = offset;
          if (!Copy(offset, k + 2)) return false;
        } else if (k == 0) {
          return pos_ == size_ && !in_.Overran();
        } else {
          index_width_ = in_.Bits(k + 3);
        }
      }
    }
  }

 private:
  // A literal and those straight after it that the buffered bits hold.
  bool Literals() {
    if (literal_width_ == 0) return false;  // no format set yet
    const unsigned bits = 1 + literal_width_;
    const uint32_t mask = (1u << literal_width_) - 1;
    do {
      if (pos_ >= size_) return false;
      out_[pos_++] = static_cast<uint8_t>((in_.Peek(bits) & mask) + literal_base_);
      in_.Drop(bits);
    } while (in_.Count() >= bits && in_.Peek(1) != 0);
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
    if (index_width_ > 0 && (high >> (64 - index_width_)) != 0) return false;
    const uint64_t offset = high << index_width_ | in_.Wide(index_width_);
    const uint64_t length = in_.Gamma();
    if (length == 0 || offset == 0 || offset > pos_) return false;
    last_offset_ = offset;
    return Copy(offset, length + LongMatchBonus(offset));
  }

  bool ShortCommand() {
    const uint32_t v = in_.Peek(4);
    in_.Drop(4);
    if (v >= 2) return Copy(v - 1, 1);
    if (v == 1) {
      if (pos_ >= size_) return false;
      out_[pos_++] = 0;
      return true;
    }
    if (in_.Bits(1)) return RawRuns();
    if (in_.Bits(1)) {
      literal_width_ = 8;
      literal_base_ = 0;
    } else {
      literal_width_ = 7;
      literal_base_ = in_.Bits(8);
    }
    return true;
  }

  bool RawRuns() {
    do {
      if (size_ - pos_ < kRawRunLength || in_.Overran()) return false;
      for (uint32_t i = 0; i < kRawRunLength; i += 4) {
        const uint32_t word = in_.Bits(32);
        out_[pos_] = static_cast<uint8_t>(word >> 24);
        out_[pos_ + 1] = static_cast<uint8_t>(word >> 16);
        out_[pos_ + 2] = static_cast<uint8_t>(word >> 8);
        out_[pos_ + 3] = static_cast<uint8_t>(word);
        pos_ += 4;
      }
    } while (in_.Bits(1));
    return true;
  }

  // Copies forward one byte at a time in effect, so a copy may repeat the
  // bytes it produces.
  bool Copy(uint64_t distance, uint64_t length) {
    if (distance == 0 || distance > pos_ || length > size_ - pos_) return false;
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

}  // namespace

std::optional<BlockHeader> ReadBlockHeader(std::span<const uint8_t> block) {
  if (block.size() < kBlockHeaderSize || block[0] != kBlockMagic0 || block[1] != kBlockMagic1)
    return std::nullopt;
  const platform::ByteView header(block);
  return BlockHeader{header.U32Or0(kBlockSizeOffset), header.U32Or0(kBlockChecksumOffset)};
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
