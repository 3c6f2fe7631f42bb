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

}  // namespace config
