// The window icon a created game carries: icon data appended after the runtime's own ELF image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/game_image.h"

namespace game {

// Where the ELF image of an executable ends (its last header, section or
// segment); 0 when the bytes are not a 64-bit little-endian ELF file.
uint64_t ElfImageEnd(std::span<const uint8_t> executable);

// The largest picture of the icon trailer: the icon group record (6 bytes and
// 14 per image, count 1 to 8) followed by the image data in directory order,
// each a PNG or a 24- or 32-bit device-independent bitmap. Nothing when the
// executable has no trailer or it cannot be read.
std::optional<Image> ReadIconTrailer(std::span<const uint8_t> executable);

}  // namespace game
