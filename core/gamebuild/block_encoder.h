// Compression of one block of data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gamebuild/block_tokens.h"

namespace gamebuild {

// The compressed block of `input`, matches reaching at most `window` bytes
// back (clamped to 1024 ... 268,435,454 and to the input size); empty when
// the block would be larger than the input, or the input is empty.
std::vector<uint8_t> CompressBlock(std::span<const uint8_t> input, size_t window,
                                   ParseMode mode = ParseMode::kOptimal);

// Writes the compressed block into `output` and returns its size in bytes,
// or 0 when it would be larger than the input or than `output`.
size_t BlockCompress(std::span<const uint8_t> input, std::span<uint8_t> output, size_t window);

// The block for a sequence of commands that covers `input` exactly.
std::vector<uint8_t> WriteBlock(std::span<const uint8_t> input, const std::vector<Token>& tokens);

}  // namespace gamebuild
