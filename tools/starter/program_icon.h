// The program's icon for the desktop: a corridor seen from inside, brick
// walls meeting at a green door, as on the About picture.
#pragma once

#include <array>

#include "tools/starter/draw.h"

namespace starter {

// The sizes of the icon theme's folders the icon is installed in.
inline constexpr std::array<int, 7> kProgramIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` by `size` pixels: drawn at 256 and reduced with smoothing.
Picture ProgramIcon(int size);

}  // namespace starter
