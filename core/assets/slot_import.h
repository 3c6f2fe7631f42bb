// Importing a picture file into a picture slot: the size check, the
// conversion into the stored slot picture (64 by 64, rows and columns
// exchanged, background keyed to white for keyed slots) with its thumbnail,
// and the whole import as the editor's dialogs run it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "assets/picture.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace assets {

constexpr int kMinimumPictureSide = 32;

// True when `picture` (as loaded from `path`) is at least 32 by 32;
// otherwise shows "Error": "<file name> is too small, it must be at least
// 32*32" and gives false. A picture that did not load is 0 by 0.
bool CheckMinimumPictureSize(platform::Prompter& prompter, const std::string& path, const Picture& picture);
// The same for the file at `path`, loading it first.
bool CheckMinimumPictureSize(platform::Prompter& prompter, const std::filesystem::path& path);

struct SlotPictures {
  Picture stored;     // 64 by 64, rows and columns exchanged, keyed
  Picture thumbnail;  // 25 by 25, the right way round, keyed
};

// The stored picture and thumbnail made from a loaded picture (scaled to
// 64 by 64 with smoothing unless it is that size already). With `keyed`,
// when the pixels at (1, 1), (63, 1), (1, 63) and (63, 63) of the scaled
// picture are equal, every pixel of exactly that colour becomes white.
// `column_done` is called after each of the 64 columns.
SlotPictures MakeSlotPictures(const Picture& loaded, bool keyed, const platform::Progress& column_done = {});

// Loads `path`, checks its size, makes the slot pictures and writes the
// stored picture as workspace file `slot_name`. Gives the thumbnail, for
// UpdateSheetTile, when the file was written; nothing (after showing why)
// when the picture is too small, does not load or cannot be written.
[[nodiscard]] std::optional<Picture> ConvertSlotPicture(const platform::Workspace& workspace,
                                                        platform::Prompter& prompter,
                                                        const std::filesystem::path& path,
                                                        const std::string& slot_name, bool keyed,
                                                        const platform::Progress& column_done = {});

// The requester ImportSlotPicture shows: "import bitmap", default name
// "*.bmp", patterns "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png|TGA (*.tga)|*.tga".
platform::FileRequest ImportPictureRequest();

// The import that the picture dialogs and menu commands run for slot
// `slot_name` with picture number `picture`: asks for a file with the
// requester above (cancelled: nothing happens), converts it (keyed as the
// slot table says), draws the thumbnail into the slot's tile of the icon
// sheet, then calls `stored` so that the editor rebuilds its tool palette
// and redraws the map. `column_done` is called during the conversion so
// that the editor can repaint. True when the slot picture was stored.
[[nodiscard]] bool ImportSlotPicture(const platform::Workspace& workspace, platform::Prompter& prompter,
                                     const std::string& slot_name, int picture,
                                     const std::function<void()>& stored,
                                     const platform::Progress& column_done = {});

}  // namespace assets
