#include "assets/icon_sheet.h"

#include "assets/asset_messages.h"
#include "assets/picture_loader.h"
#include "assets/picture_scale.h"
#include "assets/slot_table.h"

namespace assets {

namespace {

bool WriteSheet(const platform::Workspace& workspace, platform::Prompter& prompter, const Picture& sheet) {
  if (workspace.Write(kIconSheetName, EncodeBmp24(sheet))) return true;
  prompter.Show(CantWriteMessage(kIconSheetName));
  return false;
}

}  // namespace

bool EnsureIconSheet(const platform::Workspace& workspace) {
  if (workspace.Exists(kIconSheetName)) return true;
  return workspace.Write(kIconSheetName, EncodeBmp24(Picture(kSheetSize, kSheetSize, kBlack)));
}

std::optional<Picture> LoadIconSheet(const platform::Workspace& workspace) {
  Picture sheet = LoadPicture(workspace.PathOf(kIconSheetName));
  if (sheet.width != kSheetSize || sheet.height != kSheetSize) return std::nullopt;
  return sheet;
}

bool UpdateSheetTile(const platform::Workspace& workspace, platform::Prompter& prompter, int picture,
                     const Picture& thumbnail) {
  const auto tile = SheetTile(picture);
  if (!tile) return true;
  EnsureIconSheet(workspace);
  auto sheet = LoadIconSheet(workspace);
  if (!sheet) {
    prompter.Show(CantCreateIconsMessage());
    return false;
  }
  Draw(*sheet, thumbnail, tile->x, tile->y);
  return WriteSheet(workspace, prompter, *sheet);
}

std::vector<Picture> LoadThumbnails(const platform::Workspace& workspace, std::span<const int> pictures) {
  EnsureIconSheet(workspace);
  const Picture sheet = LoadIconSheet(workspace).value_or(Picture(kSheetSize, kSheetSize, kBlack));
  std::vector<Picture> thumbnails;
  thumbnails.reserve(pictures.size());
  for (const int picture : pictures) {
    const auto tile = SheetTile(picture);
    thumbnails.push_back(tile ? Cut(sheet, tile->x, tile->y, kTileSize, kTileSize)
                              : Picture(kTileSize, kTileSize, kBlack));
  }
  return thumbnails;
}

Picture MakeThumbnail(const Picture& stored) {
  return Scaled(Transposed(stored), kTileSize, kTileSize);
}

Picture MakeThumbnailFromSlotFile(const std::filesystem::path& path) {
  const Picture stored = LoadPicture(path);
  return stored.empty() ? Picture{} : MakeThumbnail(stored);
}

bool RebuildIconSheet(const platform::Workspace& workspace, platform::Prompter& prompter, int& counter,
                      const platform::Progress& progress) {
  EnsureIconSheet(workspace);
  auto sheet = LoadIconSheet(workspace);
  if (!sheet) {
    prompter.Show(CantCreateIconsMessage());
    return false;
  }
  for (const Slot& slot : SlotTable()) {
    const Picture thumbnail = MakeThumbnailFromSlotFile(workspace.PathOf(slot.name));
    if (thumbnail.empty()) continue;
    Draw(*sheet, thumbnail, slot.tile.x, slot.tile.y);
    ++counter;
    if (progress) progress(counter);
  }
  return WriteSheet(workspace, prompter, *sheet);
}

}  // namespace assets
