#include "gamebuild/embedded/runtime_block.h"

extern "C" const uint8_t tarnwick_runtime_block_begin[];
extern "C" const uint8_t tarnwick_runtime_block_end[];
extern "C" const uint8_t tarnwick_windows_runtime_block_begin[];
extern "C" const uint8_t tarnwick_windows_runtime_block_end[];

namespace gamebuild {

GameRuntimes EmbeddedRuntimes() {
  return {{tarnwick_runtime_block_begin, tarnwick_runtime_block_end},
          {tarnwick_windows_runtime_block_begin, tarnwick_windows_runtime_block_end}};
}

}  // namespace gamebuild
