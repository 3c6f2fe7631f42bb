// The pictures carried inside the editor, drawn here: the player start
// thumbnail, the four scroll arrows and the About picture.
#pragma once

#include <QImage>

#include "world/palette_layout.h"

namespace app {

QImage PlayerPicture();                   // 25 x 25
QImage ArrowPicture(world::Arrow arrow);  // 20 x 20
QImage AboutPicture();                    // 280 x 174

}  // namespace app
