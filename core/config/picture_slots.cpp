#include "config/picture_slots.h"

namespace config {

SlotRef WeaponSlot(int weapon) {
  return {"weapon" + std::to_string(weapon) + "sprite", 199 + weapon};
}

SlotRef SpriteSlot(int sprite, int view) {
  const std::string base = "sprite" + std::to_string(sprite);
  if (view == 0) return {base, 44 + sprite};
  return {base + static_cast<char>('a' + view), 4000 + 4 * (sprite - 1) + (view - 1)};
}

SlotRef TreasureSlot(int treasure) {
  return {"Treasure" + std::to_string(treasure) + "sprite", 299 + treasure};
}

SlotRef AmmoPackSlot() {
  return {"ammo", 29};
}

SlotRef HealthPackSlot() {
  return {"food", 28};
}

SlotRef WallTextureSlot(int wall) {
  return {"tex" + std::to_string(wall), 999 + wall};
}

SlotRef DoorTextureSlot(int level) {
  return {"doortex" + std::to_string(level), 2999 + level};
}

SlotRef FloorTextureSlot(int level) {
  return {"floortex" + std::to_string(level), 1999 + level};
}

SlotRef CeilingTextureSlot(int level) {
  return {"ceiltex" + std::to_string(level), 2019 + level};
}

SlotRef EnemyFrameSlot(int enemy, int frame) {
  const auto [kind, first] = frame < 4   ? std::pair{"walk", 0}
                             : frame < 6 ? std::pair{"shoot", 4}
                                         : std::pair{"die", 6};
  return {std::string(kind) + "_ene" + std::to_string(enemy) + "_" + std::to_string(frame - first + 1),
          67 + 22 * (enemy - 1) + frame};
}

}  // namespace config
