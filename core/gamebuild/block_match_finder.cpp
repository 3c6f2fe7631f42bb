#include "gamebuild/block_match_finder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gamebuild {

namespace {

constexpr unsigned kHashBits = 16;

uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

}  // namespace

size_t CommonLength(const uint8_t* a, const uint8_t* b, size_t limit) {
  size_t n = 0;
  if constexpr (std::endian::native == std::endian::little) {
    while (n + 8 <= limit) {
      const uint64_t diff = Load64(a + n) ^ Load64(b + n);
      if (diff != 0) return n + static_cast<size_t>(std::countr_zero(diff) / 8);
      n += 8;
    }
  }
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

MatchFinder::MatchFinder(std::span<const uint8_t> data, size_t window, unsigned depth, size_t nice)
    : data_(data), window_(window), depth_(depth), nice_(nice) {
  head_.assign(size_t{1} << kHashBits, -1);
  pair_.assign(size_t{1} << 16, -1);
  const size_t chain_size = std::bit_ceil(std::max<size_t>(std::min(window, data.size()), 1));
  chain_.assign(chain_size, -1);
  chain_mask_ = chain_size - 1;
}

uint32_t MatchFinder::Hash3(size_t pos) const {
  const uint32_t v = static_cast<uint32_t>(data_[pos]) | static_cast<uint32_t>(data_[pos + 1]) << 8 |
                     static_cast<uint32_t>(data_[pos + 2]) << 16;
  return (v * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::Insert(size_t pos) {
  if (pos + 2 <= data_.size()) pair_[data_[pos] | data_[pos + 1] << 8] = static_cast<int32_t>(pos);
  if (pos + 3 > data_.size()) return;
  const uint32_t h = Hash3(pos);
  chain_[pos & chain_mask_] = head_[h];
  head_[h] = static_cast<int32_t>(pos);
}

void MatchFinder::Skip(size_t pos) {
  Insert(pos);
}

size_t MatchFinder::Find(size_t pos, Match* out) {
  const size_t limit = data_.size() - pos;
  size_t count = 0;
  size_t best = 1;
  const uint8_t* here = data_.data() + pos;
  const auto consider = [&](size_t candidate) {
    const size_t distance = pos - candidate;
    const size_t length = CommonLength(here, here - distance, limit);
    if (length > best) {
      best = length;
      out[count++] = Match{static_cast<uint32_t>(length), static_cast<uint32_t>(distance)};
    }
  };
  if (limit >= 2) {
    const int32_t candidate = pair_[here[0] | here[1] << 8];
    if (candidate >= 0 && pos - static_cast<size_t>(candidate) <= window_)
      consider(static_cast<size_t>(candidate));
  }
  if (limit >= 3 && best < nice_ && best < limit) {
    int32_t candidate = head_[Hash3(pos)];
    for (unsigned link = 0; link < depth_ && candidate >= 0; ++link) {
      const size_t distance = pos - static_cast<size_t>(candidate);
      if (distance > window_) break;
      if (here[best] == data_[static_cast<size_t>(candidate) + best] || best < 3) {
        consider(static_cast<size_t>(candidate));
        if (best >= nice_ || best == limit || count == kMaxMatches) break;
      }
      candidate = chain_[static_cast<size_t>(candidate) & chain_mask_];
    }
  }
  Insert(pos);
  return count;
}

}  // namespace gamebuild
