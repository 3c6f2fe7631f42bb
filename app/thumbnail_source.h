// Where the editor gets its icon sheet from: `twksys/ic`, made black when it
// has gone missing.
#pragma once

#include <optional>

#include "assets/picture.h"
#include "platform/workspace.h"

namespace app {

// The 550 x 550 icon sheet; a missing sheet is written anew in black first.
// Nothing when the sheet can't be read as a picture.
std::optional<assets::Picture> LoadIconSheet(const platform::Workspace& workspace);

}  // namespace app
