// The commands of tarnwick-cli, one function each.
#pragma once

#include "tools/cli_common.h"

namespace cli {

// Prints the validation result; exits 0 only when it is 0.
int RunValidate(Context& context);

// import-picture SLOT FILE: stores FILE in picture slot SLOT and redraws its
// tile of the icon sheet.
int RunImportPicture(Context& context);

// rebuild-icons: redraws every tile of the icon sheet from the slot files;
// prints the number of tiles redrawn.
int RunRebuildIcons(Context& context);

// import-gamebitmaps: brings the screen bitmaps of GameBitmaps into the
// workspace (asks first; --yes answers).
int RunImportGameBitmaps(Context& context);

}  // namespace cli
