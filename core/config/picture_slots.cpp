#include "config/picture_slots.h"

#include "assets/slot_table.h"

namespace config {

namespace {

using enum assets::SlotKind;

SlotRef RefTo(assets::SlotKind kind, int number, int part = 0) {
  const assets::Slot* slot = assets::FindSlotOf(kind, number, part);
  return slot ? SlotRef{slot->name, slot->picture} : SlotRef{};
}

}  // namespace

SlotRef WeaponSlot(int weapon) {
  return RefTo(kWeapon, weapon);
}

SlotRef SpriteSlot(int sprite, int view) {
  return view == 0 ? RefTo(kSprite, sprite) : RefTo(kSpriteView, sprite, view - 1);
}

SlotRef TreasureSlot(int treasure) {
  return RefTo(kTreasure, treasure);
}

SlotRef AmmoPackSlot() {
  return RefTo(kAmmoPack, 1);
}

SlotRef HealthPackSlot() {
  return RefTo(kHealthPack, 1);
}

SlotRef WallTextureSlot(int wall) {
  return RefTo(kWallTexture, wall);
}

SlotRef DoorTextureSlot(int level) {
  return RefTo(kDoorTexture, level);
}

SlotRef FloorTextureSlot(int level) {
  return RefTo(kFloorTexture, level);
}

SlotRef CeilingTextureSlot(int level) {
  return RefTo(kCeilingTexture, level);
}

SlotRef EnemyFrameSlot(int enemy, int frame) {
  return RefTo(kEnemyFrame, enemy, frame);
}

}  // namespace config
