#include "tools/starter/content.h"

#include <cstdlib>

#include "assets/icon_sheet.h"
#include "assets/slot_table.h"

namespace starter {

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

void AddSlotPicture(Content& content, assets::SlotKind kind, int number, int part, Picture picture) {
  const assets::Slot* slot = assets::FindSlotOf(kind, number, part);
  if (!slot) std::abort();  // a generator asked for a slot that does not exist
  content.slots.push_back({slot->name, slot->picture, std::move(picture)});
}

platform::Bytes StoredSlotPicture(const Picture& picture) {
  return assets::EncodeBmp24(assets::Transposed(picture));
}

Picture BuildIconSheet(const std::vector<SlotPicture>& slots) {
  // The thumbnails the editor makes of the stored pictures.
  Picture sheet(assets::kSheetSize, assets::kSheetSize);
  for (const SlotPicture& slot : slots)
    if (const auto tile = assets::SheetTile(slot.number))
      assets::Draw(sheet, assets::MakeThumbnail(assets::Transposed(slot.picture)), tile->x, tile->y);
  return sheet;
}

}  // namespace starter
