#include "gamebuild/block_format.h"

namespace gamebuild {

size_t WindowOfLevel(int level) {
  static constexpr size_t kWindows[] = {1024, 2048, 4096, 8192, 16384, 32768, 40960, 57344, 65536};
  if (level < 0) level = 0;
  if (level > 8) level = 8;
  return kWindows[level];
}

namespace {

uint32_t Mix(uint32_t sum, uint32_t word) {
  return (sum + word) ^ (std::rotl(word, 1) + 1u);
}

}  // namespace

uint32_t BlockChecksum(std::span<const uint8_t> data) {
  const size_t n = data.size();
  if (n < 4) return 0;
  uint32_t sum = 0;
  size_t at = 0;
  for (; at + 4 <= n; at += 4) sum = Mix(sum, LoadWord(data.data() + at));
  if (at < n) sum = Mix(sum, LoadWord(data.data() + n - 4));
  return sum;
}

}  // namespace gamebuild
