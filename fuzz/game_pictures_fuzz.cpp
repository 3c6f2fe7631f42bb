// The game runtime's decoders of pack entries: pictures, level files and records.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "game_level.h"
#include "game_pictures.h"
#include "game_records.h"
#include "game_window_icon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  game::Texture texture;
  game::DecodeSlotTexture(bytes, true, texture);
  game::Image image;
  game::DecodeScreenImage(bytes, false, image);
  game::LevelMap map;
  std::string error;
  game::ParseLevel(bytes, map, error);
  game::DecodeSettings(bytes);
  game::DecodeWeaponSettings(bytes);
  game::DecodeEnemySettings(bytes);
  game::DecodeSpriteSettings(bytes);
  game::DecodeInfoText(bytes);
  game::ReadWindowIcon(bytes);
  gamebuild::IconImage icon;
  icon.data.assign(bytes.begin(), bytes.end());
  game::DecodeIconImage(icon);
  return 0;
}
