#include "assets/slot_import.h"

#include "assets/asset_messages.h"
#include "assets/icon_sheet.h"
#include "assets/picture_loader.h"
#include "assets/picture_scale.h"
#include "assets/slot_table.h"

namespace assets {

namespace {

// The background colour when the four sample points agree.
std::optional<Rgb> KeyColour(const Picture& scaled) {
  const int w = scaled.width, h = scaled.height;
  const Rgb first = scaled.at(1, 1);
  if (scaled.at(w - 1, 1) == first && scaled.at(1, h - 1) == first && scaled.at(w - 1, h - 1) == first)
    return first;
  return std::nullopt;
}

}  // namespace

bool CheckMinimumPictureSize(platform::Prompter& prompter, const std::string& path, const Picture& picture) {
  if (picture.width >= kMinimumPictureSide && picture.height >= kMinimumPictureSide) return true;
  prompter.Show(TooSmallMessage(path));
  return false;
}

bool CheckMinimumPictureSize(platform::Prompter& prompter, const std::filesystem::path& path) {
  return CheckMinimumPictureSize(prompter, path.string(), LoadPicture(path));
}

SlotPictures MakeSlotPictures(const Picture& loaded, bool keyed, const platform::Progress& column_done) {
  const Picture scaled = Scaled(loaded, kSlotPictureSize, kSlotPictureSize);
  SlotPictures result{Picture(kSlotPictureSize, kSlotPictureSize), scaled};
  const std::optional<Rgb> key = keyed ? KeyColour(scaled) : std::nullopt;
  for (int x = 0; x < kSlotPictureSize; ++x) {
    for (int y = 0; y < kSlotPictureSize; ++y) {
      if (key && scaled.at(x, y) == *key) result.thumbnail.set(x, y, kWhite);
      const Rgb b = scaled.at(y, x);
      result.stored.set(x, y, key && b == *key ? kWhite : b);
    }
    if (column_done) column_done(x + 1);
  }
  result.thumbnail = Scaled(result.thumbnail, kTileSize, kTileSize);
  return result;
}

std::optional<Picture> ConvertSlotPicture(const platform::Workspace& workspace, platform::Prompter& prompter,
                                          const std::filesystem::path& path, const std::string& slot_name,
                                          bool keyed, const platform::Progress& column_done) {
  if (path.empty()) return std::nullopt;
  const Picture loaded = LoadPicture(path);
  if (!CheckMinimumPictureSize(prompter, path.string(), loaded)) return std::nullopt;
  SlotPictures pictures = MakeSlotPictures(loaded, keyed, column_done);
  if (!workspace.Write(slot_name, EncodeBmp24(pictures.stored))) {
    prompter.Show(CantWriteMessage(slot_name));
    return std::nullopt;
  }
  return std::move(pictures.thumbnail);
}

platform::FileRequest ImportPictureRequest() {
  return {"import bitmap", "*.bmp", "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png|TGA (*.tga)|*.tga"};
}

bool ImportSlotPicture(const platform::Workspace& workspace, platform::Prompter& prompter,
                       const std::string& slot_name, int picture, const std::function<void()>& stored,
                       const platform::Progress& column_done) {
  const auto path = prompter.OpenFile(ImportPictureRequest());
  if (!path || path->empty()) return false;
  const Slot* slot = FindSlot(slot_name);
  const auto thumbnail =
      ConvertSlotPicture(workspace, prompter, *path, slot_name, slot && slot->keyed, column_done);
  if (!thumbnail) return false;
  // A tile that cannot be drawn has shown why; the slot picture is stored all the same.
  (void)UpdateSheetTile(workspace, prompter, picture, *thumbnail);
  if (stored) stored();
  return true;
}

}  // namespace assets
