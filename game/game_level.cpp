#include "game_level.h"

#include "world/cell_codes.h"
#include "world/level_grid.h"

namespace game {
namespace {

bool PlaceThing(int code, int x, int y, LevelMap& map) {
  using namespace world;
  auto add = [&](ThingKind kind, int number) { map.things.push_back({kind, number, x, y}); };
  if (code >= kFirstSpriteCode && code <= kLastSpriteCode)
    add(ThingKind::kSprite, code - kFirstSpriteCode + 1);
  else if (code >= kFirstWeaponCode && code <= kLastWeaponCode)
    add(ThingKind::kWeapon, code - kFirstWeaponCode + 1);
  else if (code == kHealthPackCode)
    add(ThingKind::kHealth, 0);
  else if (code == kAmmunitionPackCode)
    add(ThingKind::kAmmo, 0);
  else if (code == kKeyCode)
    add(ThingKind::kKey, 0);
  else if (code >= kFirstEnemyCode && code <= kLastEnemyCode)
    add(ThingKind::kEnemy, code - kFirstEnemyCode + 1);
  else if (code >= kFirstTreasureCode && code <= kLastTreasureCode)
    add(ThingKind::kTreasure, code - kFirstTreasureCode + 1);
  else
    return false;
  return true;
}

}  // namespace

bool ParseLevel(std::span<const uint8_t> bytes, LevelMap& out, std::string& error) {
  using namespace world;
  out = LevelMap{};
  bool has_start = false;
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) {
      const size_t offset = static_cast<size_t>(y) * kRowBytes + x;
      const uint8_t byte = offset < bytes.size() ? bytes[offset] : 0;
      const int code = CellCodeOf(byte);
      if (code >= kFirstWallCode && code <= kLastWallCode) {
        out.Set(x, y, CellKind::kWall, code - kFirstWallCode + 1);
      } else if (code == kDoorCode) {
        out.Set(x, y, CellKind::kDoor);
      } else if (code == kNextLevelDoorCode) {
        out.Set(x, y, CellKind::kExitDoor);
      } else if (code == kPlayerStartCode) {
        if (!has_start) out.start_x = x, out.start_y = y;
        has_start = true;
      } else {
        PlaceThing(code, x, y, out);
      }
    }
  }
  if (!has_start) error = "the player start is missing";
  return has_start;
}

}  // namespace game
