// Decoding of one compressed block into a buffer of known capacity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace gamebuild {

enum class BlockError {
  kNone,
  kTooShort,        // fewer bytes than a header
  kBadMagic,        // not a compressed block
  kOutputTooSmall,  // the declared size does not fit the output
  kCorrupt,         // a command reaches outside the data, or the stream ends early
  kChecksum,        // decoded completely, but the checksum differs
};

const char* BlockErrorText(BlockError error);

struct BlockHeader {
  uint32_t size;      // decoded size in bytes
  uint32_t checksum;  // 0: not checked
};

// The header of a block, or nothing when the bytes are too few or the magic
// is wrong.
std::optional<BlockHeader> ReadBlockHeader(std::span<const uint8_t> block);

struct BlockDecodeResult {
  BlockError error = BlockError::kNone;
  size_t produced = 0;  // bytes written to the output (also on failure)
  bool ok() const { return error == BlockError::kNone; }
};

// Decodes `block` into `output`. Reads nothing past the block, writes nothing
// past the output or the declared size; the whole declared size must be
// produced before the end command for the block to count as decoded.
BlockDecodeResult DecodeBlock(std::span<const uint8_t> block, std::span<uint8_t> output);

// The number of bytes decoded, or 0 on any failure.
size_t BlockDecompress(std::span<const uint8_t> block, std::span<uint8_t> output);

}  // namespace gamebuild
