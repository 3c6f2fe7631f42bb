#include "assets/icon_sheet.h"

#include <unordered_map>

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

std::string Folded(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

// Finds workspace files as Workspace::PathOf does, from one listing of the
// folder rather than one per missing name.
class WorkspaceListing {
 public:
  explicit WorkspaceListing(const platform::Workspace& workspace) : folder_(workspace.Folder()) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec))
      by_folded_name_.emplace(Folded(it->path().filename().string()), it->path());
  }

  std::filesystem::path PathOf(const std::string& name) const {
    std::filesystem::path exact = folder_ / name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    const auto found = by_folded_name_.find(Folded(name));
    return found == by_folded_name_.end() ? exact : found->second;
  }

 private:
  std::filesystem::path folder_;
  std::unordered_map<std::string, std::filesystem::path> by_folded_name_;
};

}  // namespace

bool EnsureIconSheet(const platform::Workspace& workspace) {
  if (workspace.Exists(kIconSheetName)) return true;
  return workspace.Write(kIconSheetName, EncodeBmp24(Picture(kSheetSize, kSheetSize, kBlack)));
}

std::optional<Picture> LoadIconSheet(const platform::Workspace& workspace) {
  Picture sheet = LoadPicture(workspace.PathOf(kIconSheetName));
  if (sheet.empty()) return std::nullopt;
  return sheet;
}

bool UpdateSheetTile(const platform::Workspace& workspace, platform::Prompter& prompter, int picture,
                     const Picture& thumbnail) {
  const auto tile = SheetTile(picture);
  if (!tile) return true;
  auto sheet = EnsureIconSheet(workspace) ? LoadIconSheet(workspace) : std::nullopt;
  if (!sheet) {
    prompter.Show(CantCreateIconsMessage());
    return false;
  }
  Draw(*sheet, thumbnail, tile->x, tile->y);
  return WriteSheet(workspace, prompter, *sheet);
}

std::vector<Picture> LoadThumbnails(const platform::Workspace& workspace, std::span<const int> pictures) {
  const Picture sheet = (EnsureIconSheet(workspace) ? LoadIconSheet(workspace) : std::nullopt)
                            .value_or(Picture(kSheetSize, kSheetSize, kBlack));
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
  const auto loaded = EnsureIconSheet(workspace) ? LoadIconSheet(workspace) : std::nullopt;
  if (!loaded) {
    prompter.Show(CantCreateIconsMessage());
    return false;
  }
  // Always a sheet of the right size, holding what the old one held.
  Picture sheet(kSheetSize, kSheetSize, kBlack);
  Draw(sheet, *loaded, 0, 0);
  const WorkspaceListing listing(workspace);
  for (const Slot& slot : SlotTable()) {
    const Picture thumbnail = MakeThumbnailFromSlotFile(listing.PathOf(slot.name));
    if (thumbnail.empty()) continue;
    Draw(sheet, thumbnail, slot.tile.x, slot.tile.y);
    ++counter;
    if (progress) progress(counter);
  }
  return WriteSheet(workspace, prompter, sheet);
}

}  // namespace assets
