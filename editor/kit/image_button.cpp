#include "kit/image_button.h"

#include <QPainter>

namespace kit {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ImageButton::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), picture_);
  if (isDown()) {
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(rect(), QColor(0, 0, 0, 60));
  }
}

}  // namespace kit
