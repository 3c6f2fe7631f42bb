#include "gamebuild/embedded/runtime_block.h"

extern "C" const uint8_t tarnwick_runtime_block_begin[];
extern "C" const uint8_t tarnwick_runtime_block_end[];

namespace gamebuild {

std::span<const uint8_t> RuntimeBlock() {
  return {tarnwick_runtime_block_begin, tarnwick_runtime_block_end};
}

}  // namespace gamebuild
