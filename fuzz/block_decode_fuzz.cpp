// Decodes arbitrary bytes as a compressed block: into an output of exactly
// the declared size, into one a byte too small (which must fail), and into
// one with room to spare.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gamebuild/block_decoder.h"

namespace {
constexpr uint32_t kLargestOutput = 1u << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> block(data, data + size);  // exact size: overreads are caught
  const auto header = gamebuild::ReadBlockHeader(block);
  const uint32_t declared = header ? header->size : 0;
  if (declared > kLargestOutput) {
    std::vector<uint8_t> small(64);
    if (gamebuild::DecodeBlock(block, small).error != gamebuild::BlockError::kOutputTooSmall) std::abort();
    return 0;
  }
  std::vector<uint8_t> exact(declared);
  const auto result = gamebuild::DecodeBlock(block, exact);
  if (result.produced > declared) std::abort();
  if (declared > 0) {
    std::vector<uint8_t> too_small(declared - 1);
    if (gamebuild::DecodeBlock(block, too_small).ok()) std::abort();
  }
  std::vector<uint8_t> roomy(declared + 100);
  const auto again = gamebuild::DecodeBlock(block, roomy);
  if (again.error != result.error || again.produced != result.produced) std::abort();
  return 0;
}
