// Decoding the pictures game.pak carries: slot pictures into textures, screen bitmaps into images.
#pragma once

#include <cstdint>
#include <span>

#include "game_image.h"

namespace game {

// Largest picture side accepted from the pack.
constexpr int kMaxPictureSide = 4096;

// A stored slot picture (rows and columns exchanged). With `keyed`, pure
// white becomes transparent. Pictures that are not 64 x 64 are resampled.
// False when the bytes are not a picture.
bool DecodeSlotTexture(std::span<const uint8_t> bytes, bool keyed, Texture& out);

// A screen bitmap as drawn (BMP, or any picture format the editor reads).
// With `keyed`, pure white becomes transparent.
bool DecodeScreenImage(std::span<const uint8_t> bytes, bool keyed, Image& out);

}  // namespace game
