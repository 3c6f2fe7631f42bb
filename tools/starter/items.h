// Drawing shared between the item pictures and the screen bitmaps.
#pragma once

#include "tools/starter/draw.h"

namespace starter {

// Weapon 1 to 6 seen from the side, muzzle to the right, centred at (cx, cy).
void DrawWeaponSide(Picture& p, int weapon, double cx, double cy, double scale);

}  // namespace starter
