#include "tools/starter/content.h"

namespace starter {

namespace {

struct Tile {
  int x = -1, y = -1;
};

// Where a picture number's 25 x 25 thumbnail sits in the icon sheet.
Tile SheetTile(int n) {
  if (n >= 1000 && n <= 1019) return {0, 25 * (n - 1000)};
  if (n >= 1020 && n <= 1039) return {25, 25 * (n - 1020)};
  if (n >= 2000 && n <= 2019) return {300, 25 * (n - 2000)};
  if (n >= 2020 && n <= 2039) return {325, 25 * (n - 2020)};
  if (n >= 3000 && n <= 3019) return {350, 25 * (n - 3000)};
  if (n >= 27 && n <= 30) return {50, 25 * (n - 27)};
  if (n == 24) return {75, 0};
  if (n >= 45 && n <= 55) return {125, 25 * (n - 45)};
  for (int e = 0; e < 5; ++e)
    if (n >= 67 + 22 * e && n <= 77 + 22 * e) return {150 + 25 * e, 25 * (n - 67 - 22 * e)};
  if (n >= 200 && n <= 205) return {375, 25 * (n - 200)};
  if (n >= 300 && n <= 304) return {500, 25 * (n - 300)};
  if (n >= 4000 && n <= 4039) return {400 + 25 * ((n - 4000) % 4), 25 * ((n - 4000) / 4)};
  return {};
}

}  // namespace

Content BuildContent() {
  Content content;
  AddTextures(content);
  AddSprites(content);
  AddItems(content);
  AddEnemies(content);
  AddScreens(content);
  AddSounds(content);
  AddMusic(content);
  AddLevels(content);
  AddRecords(content);
  return content;
}

platform::Bytes StoredSlotPicture(const Picture& picture) {
  return assets::EncodeBmp24(Transposed(picture));
}

Picture BuildIconSheet(const std::vector<SlotPicture>& slots) {
  Picture sheet(550, 550);
  for (const SlotPicture& slot : slots) {
    const Tile tile = SheetTile(slot.number);
    if (tile.x < 0) continue;
    Paste(sheet, Resized(slot.picture, 25, 25), tile.x, tile.y);
  }
  return sheet;
}

}  // namespace starter
