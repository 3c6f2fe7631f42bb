#include "kit/qt_picture.h"

namespace platform {

static_assert(sizeof(assets::Rgb) == 3, "pixels are packed RGB");

QImage WrapPicture(const assets::Picture& picture) {
  if (picture.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                static_cast<qsizetype>(picture.width) * 3, QImage::Format_RGB888);
}

QImage ToQImage(const assets::Picture& picture) {
  return WrapPicture(picture).copy();
}

assets::Picture FromQImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  assets::Picture picture(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* line = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width(); ++x) picture.set(x, y, {line[3 * x], line[3 * x + 1], line[3 * x + 2]});
  }
  return picture;
}

}  // namespace platform
