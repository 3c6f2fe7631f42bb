#include "world/map_thumbnails.h"

#include "world/cell_codes.h"

namespace world {

std::optional<TileOrigin> SheetTileOfCode(int code, int door_level) {
  constexpr int s = kThumbnailSize;
  if (code >= kFirstWallCode && code <= kLastWallCode) {
    const int n = code - 1;
    return n <= 20 ? TileOrigin{0, (n - 1) * s} : TileOrigin{s, (n - 21) * s};
  }
  if (code >= kFirstSpriteCode && code <= kLastSpriteCode)
    return TileOrigin{125, (code - kFirstSpriteCode) * s};
  if (code >= kFirstWeaponCode && code <= kLastWeaponCode)
    return TileOrigin{375, (code - kFirstWeaponCode) * s};
  if (code >= kFirstEnemyCode && code <= kLastEnemyCode)
    return TileOrigin{150 + (code - kFirstEnemyCode) * s, 0};
  if (code >= kFirstTreasureCode && code <= kLastTreasureCode)
    return TileOrigin{500, (code - kFirstTreasureCode) * s};
  switch (code) {
    case kHealthPackCode:
      return TileOrigin{50, 25};
    case kAmmunitionPackCode:
      return TileOrigin{50, 50};
    case kKeyCode:
      return TileOrigin{50, 75};
    case kNextLevelDoorCode:
      return TileOrigin{75, 0};
    case kDoorCode:
      if (door_level < 1 || door_level > kIconSheetSize / s) return std::nullopt;
      return TileOrigin{350, (door_level - 1) * s};
    default:
      return std::nullopt;
  }
}

assets::Picture CutTile(const assets::Picture& sheet, TileOrigin origin) {
  assets::Picture tile(kThumbnailSize, kThumbnailSize);
  for (int y = 0; y < kThumbnailSize; ++y)
    for (int x = 0; x < kThumbnailSize; ++x) {
      const int sx = origin.x + x, sy = origin.y + y;
      if (sx >= 0 && sy >= 0 && sx < sheet.width && sy < sheet.height) tile.set(x, y, sheet.at(sx, sy));
    }
  return tile;
}

void SetDoorThumbnail(MapThumbnails& thumbnails, const assets::Picture& sheet, int door_level) {
  const auto origin = SheetTileOfCode(kDoorCode, door_level);
  thumbnails.by_code[kDoorCode] =
      origin ? CutTile(sheet, *origin) : assets::Picture(kThumbnailSize, kThumbnailSize);
}

MapThumbnails BuildMapThumbnails(const assets::Picture& sheet, int door_level,
                                 const assets::Picture& player) {
  MapThumbnails thumbnails;
  for (int code = 0; code < MapThumbnails::kCodes; ++code)
    if (code != kDoorCode)
      if (const auto origin = SheetTileOfCode(code, door_level))
        thumbnails.by_code[static_cast<size_t>(code)] = CutTile(sheet, *origin);
  SetDoorThumbnail(thumbnails, sheet, door_level);
  thumbnails.by_code[kPlayerStartCode] = player;
  thumbnails.by_code[kEmptyCode] = assets::Picture(kThumbnailSize, kThumbnailSize, kBackgroundColour);
  return thumbnails;
}

}  // namespace world
