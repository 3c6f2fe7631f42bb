// What the dialogs with picture buttons need of the picture slots: 25 by 25
// thumbnails from the icon sheet and the import of a picture into a slot;
// and the slots those dialogs show, looked up in the slot table.
#pragma once

#include <string>

#include "assets/picture.h"

namespace config {

class PictureSlots {
 public:
  virtual ~PictureSlots() = default;
  // The slot's 25 by 25 tile of the icon sheet.
  virtual assets::Picture Thumbnail(int picture_number) = 0;
  // Asks for a picture file and stores it in the slot (the palette and the
  // map are refreshed); a cancelled requester changes nothing.
  virtual void Import(const std::string& slot_name, int picture_number) = 0;
};

// A slot as a dialog passes it on: its name and picture number (empty for
// numbers outside the kind's range).
struct SlotRef {
  std::string name;
  int picture_number = 0;
  bool operator==(const SlotRef&) const = default;
};

// The slots of each kind, by number (see assets::SlotKind).
SlotRef WeaponSlot(int weapon);  // 1 to 6: `weapon1sprite` ...
// Sprite 1 to 10, view 0 for the main picture (`sprite3`) and 1 to 4 for
// the pictures b to e (`sprite3b` ...).
SlotRef SpriteSlot(int sprite, int view);
SlotRef TreasureSlot(int treasure);  // 1 to 5: `Treasure1sprite` ...
SlotRef AmmoPackSlot();
SlotRef HealthPackSlot();
SlotRef WallTextureSlot(int wall);  // 1 to 40: `tex1` ...
// The textures of level 1 to 20: `doortex1`, `floortex1`, `ceiltex1` ...
SlotRef DoorTextureSlot(int level);
SlotRef FloorTextureSlot(int level);
SlotRef CeilingTextureSlot(int level);
// Enemy 1 to 5, frame 0 to 10: walk 1 to 4, shoot 1 and 2, die 1 to 5
// (`walk_ene1_1` ... `die_ene5_5`).
SlotRef EnemyFrameSlot(int enemy, int frame);

}  // namespace config
