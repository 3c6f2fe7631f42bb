#include "config/workspace_picture_slots.h"

#include "assets/icon_sheet.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"

namespace config {

WorkspacePictureSlots::WorkspacePictureSlots(const platform::Workspace& workspace,
                                             platform::Prompter& prompter, std::function<void()> stored)
    : workspace_(workspace), prompter_(prompter), stored_(std::move(stored)) {}

assets::Picture WorkspacePictureSlots::Thumbnail(int picture_number) {
  if (!sheet_) {
    const int numbers[] = {picture_number};
    const auto loaded = assets::LoadIconSheet(workspace_);
    if (!loaded) return assets::LoadThumbnails(workspace_, numbers).front();  // makes a black sheet
    sheet_ = *loaded;
  }
  const auto tile = assets::SheetTile(picture_number);
  if (!tile) return assets::Picture(assets::kTileSize, assets::kTileSize);
  return assets::Cut(*sheet_, tile->x, tile->y, assets::kTileSize, assets::kTileSize);
}

void WorkspacePictureSlots::Import(const std::string& slot_name, int picture_number) {
  if (assets::ImportSlotPicture(workspace_, prompter_, slot_name, picture_number, stored_)) sheet_.reset();
}

}  // namespace config
