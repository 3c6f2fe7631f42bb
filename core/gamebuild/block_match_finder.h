// Finds earlier occurrences of the bytes at a position within the window:
// the nearest repeat of the next two bytes, then hash chains over three.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gamebuild {

struct Match {
  uint32_t length;
  uint32_t offset;  // distance back, 1 = the previous byte
};

// The length of the common run of data[a...] and data[b...], at most `limit`.
size_t CommonLength(const uint8_t* a, const uint8_t* b, size_t limit);

class MatchFinder {
 public:
  static constexpr size_t kMaxMatches = 24;

  // depth: chain links followed per position; nice: a match this long ends
  // the search.
  MatchFinder(std::span<const uint8_t> data, size_t window, unsigned depth, size_t nice);

  // Matches at `pos`, each longer and farther than the one before. Positions
  // must be visited in increasing order, each once, by Find or Skip.
  size_t Find(size_t pos, Match* out);
  void Skip(size_t pos);

 private:
  void Insert(size_t pos);
  uint32_t Hash3(size_t pos) const;

  std::span<const uint8_t> data_;
  size_t window_;
  unsigned depth_;
  size_t nice_;
  std::vector<int32_t> head_;   // newest position of each hash of three bytes
  std::vector<int32_t> chain_;  // previous position with the same hash, by position & mask
  std::vector<int32_t> pair_;   // newest position of each two-byte value
  size_t chain_mask_;
};

}  // namespace gamebuild
