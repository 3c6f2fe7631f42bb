// What the dialogs with picture buttons need of the picture slots: 25 by 25
// thumbnails from the icon sheet and the import of a picture into a slot;
// and the slots those dialogs show.
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

struct SlotRef {
  std::string name;
  int picture_number = 0;
  bool operator==(const SlotRef&) const = default;
};

// Weapon 1 to 6: `weapon1sprite` ..., 200 to 205.
SlotRef WeaponSlot(int weapon);
// Sprite 1 to 10, view 0 for the main picture and 1 to 4 for the pictures
// b to e: `sprite3`, `sprite3b` ... (45 to 54, 4000 to 4039).
SlotRef SpriteSlot(int sprite, int view);
// Treasure 1 to 5: `Treasure1sprite` ..., 300 to 304.
SlotRef TreasureSlot(int treasure);
SlotRef AmmoPackSlot();
SlotRef HealthPackSlot();

// Wall texture 1 to 40: `tex1` ..., 1000 to 1039.
SlotRef WallTextureSlot(int wall);
// The textures of level 1 to 20: `doortex1` (3000 ...), `floortex1` (2000
// ...), `ceiltex1` (2020 ...).
SlotRef DoorTextureSlot(int level);
SlotRef FloorTextureSlot(int level);
SlotRef CeilingTextureSlot(int level);
// Enemy 1 to 5, frame 0 to 10: walk 1 to 4, shoot 1 and 2, die 1 to 5
// (`walk_ene1_1` ... `die_ene5_5`), 67 + 22 * (enemy - 1) + frame.
SlotRef EnemyFrameSlot(int enemy, int frame);

}  // namespace config
