// Compresses arbitrary data at a level and with a parse chosen by the first
// byte, and checks that the block decodes back to the data.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gamebuild/block_decoder.h"
#include "gamebuild/block_encoder.h"
#include "gamebuild/block_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int level = data[0] % 10;
  const auto mode = static_cast<gamebuild::ParseMode>((data[0] / 10) % 4);
  const std::vector<uint8_t> input(data + 1, data + size);
  const std::vector<uint8_t> block = gamebuild::CompressBlock(input, gamebuild::WindowOfLevel(level), mode);
  if (block.empty()) {
    // Given up: what the commands would have cost stays within 100.5% (and
    // a few bytes for the header and a last partial raw run).
    if (mode == gamebuild::ParseMode::kOptimal) {
      const auto tokens = gamebuild::ParseBlock(input, gamebuild::WindowOfLevel(level), mode);
      if (gamebuild::WriteBlock(input, tokens).size() > input.size() + input.size() / 200 + 64) std::abort();
    }
    return 0;
  }
  if (block.size() > input.size()) std::abort();
  std::vector<uint8_t> output(input.size());
  if (gamebuild::BlockDecompress(block, output) != input.size()) std::abort();
  if (!input.empty() && std::memcmp(output.data(), input.data(), input.size()) != 0) std::abort();
  return 0;
}
