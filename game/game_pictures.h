// Decoding the pictures game.pak carries: slot pictures into textures, screen bitmaps into images.
#pragma once

#include <cstdint>
#include <span>

#include "game_image.h"

namespace game {

// Both decode what the editor's picture loader reads (assets::DecodePicture),
// and with `keyed` make pure white transparent.

// A stored slot picture (rows and columns exchanged). Pictures that are not
// 64 x 64 are resampled. False when the bytes are not a picture.
bool DecodeSlotTexture(std::span<const uint8_t> bytes, bool keyed, Texture& out);

// A screen bitmap as drawn. False when the bytes are not a picture.
bool DecodeScreenImage(std::span<const uint8_t> bytes, bool keyed, Image& out);

}  // namespace game
