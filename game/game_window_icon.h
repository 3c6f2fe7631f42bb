// The window icon of a created game: the best image of the icon trailer that
// Create Game appends to the executable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "game_image.h"
#include "gamebuild/game_icon.h"

namespace game {

// Icons wider or higher than this are not used.
constexpr int kMaxIconSide = 256;

// One image of an icon: a PNG, with its transparency, or a bitmap of an icon
// (BITMAPINFOHEADER, an optional colour table, the colours bottom-up in 1, 4,
// 8, 24 or 32 bits, then the 1-bit transparency mask; the stored height
// counts both). Nothing when the data cannot be read.
std::optional<Image> DecodeIconImage(const gamebuild::IconImage& icon);

// The window icon of `executable`: of the images of its icon trailer that
// decode, the largest, and of equal sizes the one with more colours. Nothing
// when there is no trailer or no image decodes.
std::optional<Image> ReadWindowIcon(std::span<const uint8_t> executable);

}  // namespace game
