// The 220 picture slots of the workspace: each slot's file name, its
// picture number, the tile of its thumbnail in the icon sheet `ic`, and
// whether its background is keyed to white on import.
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

struct Slot {
  std::string name;  // the workspace file name, spelled as stored
  int picture = 0;   // the picture number that callers pass with the name
  TilePosition tile;
  bool keyed = false;  // background replaced by white on import
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

// The top-left corner of the tile of picture number `picture` in the icon
// sheet; nothing for numbers without a tile. The numbers 27 and 55 have a
// tile but no slot.
std::optional<TilePosition> SheetTile(int picture);

}  // namespace assets
