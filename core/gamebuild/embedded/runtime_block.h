// The game runtime executable that Create Game writes out, carried inside
// the program that links `tarnwick_runtime_block`.
#pragma once

#include <cstdint>
#include <span>

namespace gamebuild {

std::span<const uint8_t> RuntimeBlock();

}  // namespace gamebuild
