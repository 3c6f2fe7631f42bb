// Conversions between the core's pictures and Qt's.
#pragma once

#include <QImage>
#include <QPixmap>

#include "assets/picture.h"

namespace platform {

QImage ToQImage(const assets::Picture& picture);
assets::Picture FromQImage(const QImage& image);

// A view of the picture's pixels as a QImage, valid while the picture lives
// and keeps its size.
QImage WrapPicture(const assets::Picture& picture);

}  // namespace platform
