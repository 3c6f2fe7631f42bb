#include "world/map_thumbnails.h"

#include "assets/picture_scale.h"
#include "world/cell_codes.h"

namespace world {

const assets::Slot* SlotOfCode(int code, int door_level) {
  using enum assets::SlotKind;
  if (code >= kFirstWallCode && code <= kLastWallCode) return assets::FindSlotOf(kWallTexture, code - 1);
  if (code >= kFirstSpriteCode && code <= kLastSpriteCode)
    return assets::FindSlotOf(kSprite, code - kFirstSpriteCode + 1);
  if (code >= kFirstWeaponCode && code <= kLastWeaponCode)
    return assets::FindSlotOf(kWeapon, code - kFirstWeaponCode + 1);
  if (code >= kFirstEnemyCode && code <= kLastEnemyCode)
    return assets::FindSlotOf(kEnemyFrame, code - kFirstEnemyCode + 1, 0);
  if (code >= kFirstTreasureCode && code <= kLastTreasureCode)
    return assets::FindSlotOf(kTreasure, code - kFirstTreasureCode + 1);
  switch (code) {
    case kHealthPackCode:
      return assets::FindSlotOf(kHealthPack);
    case kAmmunitionPackCode:
      return assets::FindSlotOf(kAmmoPack);
    case kKeyCode:
      return assets::FindSlotOf(kKey);
    case kNextLevelDoorCode:
      return assets::FindSlotOf(kSpecialDoor);
    case kDoorCode:
      return assets::FindSlotOf(kDoorTexture, door_level);
    default:
      return nullptr;
  }
}

std::optional<TileOrigin> SheetTileOfCode(int code, int door_level) {
  if (code == kDoorCode) {
    // The column of the door textures, down to the foot of the sheet.
    if (door_level < 1 || door_level > kIconSheetSize / kThumbnailSize) return std::nullopt;
    const assets::TilePosition first = assets::FindSlotOf(assets::SlotKind::kDoorTexture, 1)->tile;
    return TileOrigin{first.x, first.y + (door_level - 1) * kThumbnailSize};
  }
  const assets::Slot* slot = SlotOfCode(code, door_level);
  if (!slot) return std::nullopt;
  return TileOrigin{slot->tile.x, slot->tile.y};
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

MapThumbnails ScaledThumbnails(const MapThumbnails& thumbnails, int size) {
  MapThumbnails scaled;
  for (size_t code = 0; code < thumbnails.by_code.size(); ++code) {
    const assets::Picture& tile = thumbnails.by_code[code];
    if (tile.empty()) continue;
    scaled.by_code[code] =
        tile.width == size && tile.height == size ? tile : assets::Scaled(tile, size, size);
  }
  return scaled;
}

}  // namespace world
