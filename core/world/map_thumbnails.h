// The 25 x 25 thumbnails the map and the palette show for each cell code,
// and where each one lies in the icon sheet.
#pragma once

#include <array>
#include <optional>

#include "assets/picture.h"
#include "assets/slot_table.h"

namespace world {

constexpr int kThumbnailSize = assets::kTileSize;
constexpr int kIconSheetSize = assets::kSheetSize;
constexpr assets::Rgb kBackgroundColour{128, 128, 192};
constexpr assets::Rgb kEdgeColour{255, 0, 0};

struct TileOrigin {
  int x = 0;
  int y = 0;
  bool operator==(const TileOrigin&) const = default;
};

// The slot whose thumbnail stands for cell code `code`; the door shows the
// door texture of level `door_level`. Null for the player start and the
// empty cell (they are not in the sheet) and for unknown codes.
const assets::Slot* SlotOfCode(int code, int door_level);

// The tile of cell code `code` in the icon sheet; the door takes the tile of
// level `door_level`. Nothing for the player start and the empty cell (they
// are not in the sheet), for unknown codes, and for a door level whose tile
// would lie outside the sheet.
std::optional<TileOrigin> SheetTileOfCode(int code, int door_level);

// The 25 x 25 picture at `origin` of `sheet`; pixels outside the sheet are black.
assets::Picture CutTile(const assets::Picture& sheet, TileOrigin origin);

// One thumbnail per cell code; an empty picture where the map draws nothing.
struct MapThumbnails {
  static constexpr int kCodes = 121;  // codes 0 to 120
  std::array<assets::Picture, kCodes> by_code;

  const assets::Picture* Of(int code) const {
    if (code < 0 || code >= kCodes || by_code[static_cast<size_t>(code)].empty()) return nullptr;
    return &by_code[static_cast<size_t>(code)];
  }
};

// Cuts every thumbnail out of the sheet; the player start gets `player`, the
// empty cell the background colour, and a door level without a tile a black door.
MapThumbnails BuildMapThumbnails(const assets::Picture& sheet, int door_level, const assets::Picture& player);

// Every thumbnail scaled to `size` x `size` pixels, for a zoomed map.
MapThumbnails ScaledThumbnails(const MapThumbnails& thumbnails, int size);

// Replaces the door thumbnail with the tile of `door_level`.
void SetDoorThumbnail(MapThumbnails& thumbnails, const assets::Picture& sheet, int door_level);

}  // namespace world
