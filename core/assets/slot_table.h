// The 220 picture slots of the workspace, described once: each slot's file
// name, its picture number, the tile of its thumbnail in the icon sheet `ic`,
// and whether its background is keyed to white on import. The dialogs, the
// palette, the editor's commands and the default workspace all find their
// slots here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace assets {

constexpr int kSlotCount = 220;
constexpr int kSlotPictureSize = 64;  // every stored slot picture is 64 by 64
constexpr int kTileSize = 25;         // thumbnails are 25 by 25
constexpr int kSheetSize = 550;       // the icon sheet is 550 by 550

struct TilePosition {
  int x = 0;
  int y = 0;
  bool operator==(const TilePosition&) const = default;
};

// What a slot holds. Numbered kinds count from 1 (wall texture 1 to 40,
// sprite 1 to 10, enemy 1 to 5, ...).
enum class SlotKind {
  kSpecialDoor,  // the next-level door
  kKey,
  kSprite,          // the main picture of sprite 1 to 10
  kEnemyFrame,      // enemy 1 to 5, part 0 to 10: walk 1 to 4, shoot 1 and 2, die 1 to 5
  kWallTexture,     // 1 to 40
  kFloorTexture,    // level 1 to 20
  kCeilingTexture,  // level 1 to 20
  kDoorTexture,     // level 1 to 20
  kSpriteView,      // sprite 1 to 10, part 0 to 3: the pictures b to e
  kTreasure,        // 1 to 5
  kWeapon,          // the pick-up picture of weapon 1 to 6
  kAmmoPack,
  kHealthPack,
};

struct Slot {
  std::string name;  // the workspace file name, spelled as stored
  int picture = 0;   // the picture number that callers pass with the name
  TilePosition tile;
  bool keyed = false;  // background replaced by white on import
  SlotKind kind = SlotKind::kSpecialDoor;
  int number = 1;  // which one of its kind
  int part = 0;    // the frame of an enemy, the view of a sprite; else 0
};

// Every slot, in the order in which the icon sheet is rebuilt: specialdoor,
// key, sprite1-10, the enemy frames (walk, shoot, die of enemy 1 to 5),
// tex1-40, floortex1-20, ceiltex1-20, doortex1-20, sprite1b-sprite10e,
// Treasure1-5sprite, weapon1-6sprite, ammo, food.
const std::vector<Slot>& SlotTable();

// The slot of that name, compared without regard to case; null when none.
const Slot* FindSlot(std::string_view name);
// The slot of that picture number; null when none.
const Slot* FindSlotByPicture(int picture);
// The slot of a kind by its number (and part); null when there is none.
const Slot* FindSlotOf(SlotKind kind, int number = 1, int part = 0);

// The top-left corner of the tile of picture number `picture` in the icon
// sheet; nothing for numbers without a tile. The numbers 27 and 55 have a
// tile but no slot.
std::optional<TilePosition> SheetTile(int picture);

}  // namespace assets
