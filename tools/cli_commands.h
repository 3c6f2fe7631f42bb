// The commands of tarnwick-cli, one function each.
#pragma once

#include "tools/cli_common.h"

namespace cli {

// Prints the validation result; exits 0 only when it is 0.
int RunValidate(Context& context);

// Prints every problem of the workspace, one line each ("game3:12:40: error:
// open border cell"); exits 1 when any is an error, 0 for warnings only.
int RunCheck(Context& context);

// import-picture SLOT FILE: stores FILE in picture slot SLOT and redraws its
// tile of the icon sheet.
int RunImportPicture(Context& context);

// rebuild-icons: redraws every tile of the icon sheet from the slot files;
// prints the number of tiles redrawn.
int RunRebuildIcons(Context& context);

// import-gamebitmaps: brings the screen bitmaps of GameBitmaps into the
// workspace (asks first; --yes answers).
int RunImportGameBitmaps(Context& context);

// Writes twksys/Version and builds twksys/game.pak as Create Game does
// (with a default password made first when there is none).
int RunPack(Context& context);
// Prints position, entry name, data size and stored size of each entry.
int RunList(Context& context);
// One compressed block of a file (--level N, default 9), and back.
int RunCompress(Context& context);
int RunDecompress(Context& context);

// create OUT [--icon ICO] [--platform linux|windows|both]: Create Game
// without windows, OUT taken as the path chosen in the save requester (its
// folder made when missing, a default password made when there is none);
// prints the paths of the written games, the Windows one first.
int RunCreate(Context& context);
// unpack PAK: Import game.pak into the program folder (--yes answers the
// confirmation), then the icon sheet rebuilt.
int RunUnpack(Context& context);

}  // namespace cli
