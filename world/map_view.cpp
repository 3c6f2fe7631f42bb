#include "world/map_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "platform/qt_picture.h"

namespace world {

MapView::MapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::Resize(int width, int height) {
  picture_ = assets::Picture(std::max(width, 0), std::max(height, 0));
}

void MapView::SetHanging(const assets::Picture* tile) {
  hanging_ = tile ? platform::ToQImage(*tile) : QImage();
  update();
}

void MapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, platform::WrapPicture(picture_));
  if (!hanging_.isNull() && cursor_ && cursor_->x() > 0)
    painter.drawImage(std::max(cursor_->x() - 12, 0), cursor_->y() - 12, hanging_);
}

void MapView::Forward(MouseEvent event, QPoint position) {
  cursor_ = rect().contains(position) ? std::optional<QPoint>(position) : std::nullopt;
  if (on_mouse) on_mouse(event, position.x() + kPaletteWidth, position.y());
  update();
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Forward(MouseEvent::kLeftDown, event->position().toPoint());
  if (event->button() == Qt::RightButton) Forward(MouseEvent::kRightDown, event->position().toPoint());
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Forward(MouseEvent::kLeftUp, event->position().toPoint());
  if (event->button() == Qt::RightButton) Forward(MouseEvent::kRightUp, event->position().toPoint());
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  Forward(MouseEvent::kMove, event->position().toPoint());
}

void MapView::wheelEvent(QWheelEvent* event) {
  if (on_wheel) on_wheel(event->angleDelta().y());
  event->accept();
}

void MapView::leaveEvent(QEvent*) {
  cursor_.reset();
  update();
}

}  // namespace world
