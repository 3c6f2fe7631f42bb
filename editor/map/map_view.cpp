#include "map/map_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "kit/qt_picture.h"

namespace world {

MapView::MapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::Resize(int width, int height) {
  picture_ = assets::Picture(std::max(width, 0), std::max(height, 0));
}

void MapView::SetHanging(const assets::Picture* tile) {
  update(HangingRect());
  hanging_ = tile ? platform::ToQImage(*tile) : QImage();
  update(HangingRect());
}

void MapView::UpdateArea(int x, int y, int width, int height) {
  update(QRect(x, y, width, height));
}

void MapView::SetMark(const QRect& cell) {
  constexpr int kMargin = 3;  // the frame stands out of the cell
  update(mark_.adjusted(-kMargin, -kMargin, kMargin, kMargin));
  mark_ = cell;
  update(mark_.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

QRect MapView::HangingRect() const {
  if (hanging_.isNull() || !cursor_ || cursor_->x() <= 0) return {};
  return QRect(QPoint(std::max(cursor_->x() - 12, 0), cursor_->y() - 12), hanging_.size());
}

// Only the part that changed is converted and drawn: at the largest window a
// whole repaint costs a few milliseconds, a thumbnail's area almost nothing.
void MapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), platform::WrapPicture(picture_), event->rect());
  if (!mark_.isEmpty()) {
    painter.setPen(QPen(QColor(255, 230, 0), 3));
    painter.drawRect(mark_.adjusted(-1, -1, 0, 0));
  }
  if (const QRect hanging = HangingRect(); !hanging.isEmpty()) painter.drawImage(hanging.topLeft(), hanging_);
}

void MapView::Forward(MouseEvent event, QPoint position) {
  update(HangingRect());
  cursor_ = rect().contains(position) ? std::optional<QPoint>(position) : std::nullopt;
  if (on_mouse) on_mouse(event, position.x() + kPaletteWidth, position.y());
  update(HangingRect());
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
  update(HangingRect());
  cursor_.reset();
}

}  // namespace world
