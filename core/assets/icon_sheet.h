// The icon sheet `ic`: one 550 by 550 picture holding the 25 by 25
// thumbnail of every picture slot at the slot's tile. Windows cut their
// thumbnails out of it; an import redraws one tile; after a whole project
// was brought in, every tile is rebuilt from the stored slot pictures.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "assets/picture.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace assets {

constexpr const char* kIconSheetName = "ic";

// Writes a black sheet when the workspace has none. False when it is
// missing and cannot be written.
[[nodiscard]] bool EnsureIconSheet(const platform::Workspace& workspace);

// The sheet as stored, whatever its size (tiles outside it are left out
// wherever it is used); nothing when it does not load.
[[nodiscard]] std::optional<Picture> LoadIconSheet(const platform::Workspace& workspace);

// Draws `thumbnail` into the tile of picture number `picture` and writes
// the sheet back (a black sheet is made first when there is none). Numbers
// without a tile change nothing. Shows "Error": "can't create icons" when
// the sheet does not load, or "can't write ic" when it cannot be written;
// false then.
[[nodiscard]] bool UpdateSheetTile(const platform::Workspace& workspace, platform::Prompter& prompter,
                                   int picture, const Picture& thumbnail);

// For a window building its controls: one 25 by 25 picture per picture
// number, cut from the sheet at the number's tile, in the order given. The
// sheet is created black when missing. Numbers without a tile, and every
// number when the sheet does not load, give black pictures.
std::vector<Picture> LoadThumbnails(const platform::Workspace& workspace, std::span<const int> pictures);

// The thumbnail of a stored slot picture: rows and columns exchanged back,
// reduced to 25 by 25 with smoothing.
Picture MakeThumbnail(const Picture& stored);

// MakeThumbnail of the picture in the file at `path`; empty when the file
// does not load.
Picture MakeThumbnailFromSlotFile(const std::filesystem::path& path);

// Redraws the tile of every slot whose workspace file loads, in the order
// of SlotTable(), and writes the sheet back. For each redrawn tile it adds
// one to `counter` (the progress counter it shares with the game.pak import)
// and calls `progress` with the new count, where the editor moves its
// progress bar and repaints. Slots without a loadable file keep their tile
// and do not count. The sheet written is always 550 by 550, whatever the
// size of the one it replaces. When the sheet does not load, shows "Error":
// "can't create icons" and writes nothing; when it cannot be written,
// "Error": "can't write ic". True when the sheet was written.
[[nodiscard]] bool RebuildIconSheet(const platform::Workspace& workspace, platform::Prompter& prompter,
                                    int& counter, const platform::Progress& progress = {});

}  // namespace assets
