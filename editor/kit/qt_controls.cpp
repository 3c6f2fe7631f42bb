#include "kit/qt_controls.h"

#include <QCoreApplication>
#include <QPainter>
#include <QVariant>

namespace platform {

void SetControlNumber(QWidget* widget, int number) {
  widget->setProperty("control", number);
}

int ControlNumberOf(const QWidget* widget) {
  return widget->property("control").toInt();
}

QWidget* FindControl(QWidget* root, int number) {
  if (!root) return nullptr;
  if (ControlNumberOf(root) == number) return root;
  for (QWidget* child : root->findChildren<QWidget*>())
    if (ControlNumberOf(child) == number) return child;
  return nullptr;
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PictureButton::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), picture_);
  if (isDown()) {
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(rect(), QColor(0, 0, 0, 60));
  }
}

void RepaintPending() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace platform
