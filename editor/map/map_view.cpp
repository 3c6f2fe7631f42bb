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
  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setAttribute(Qt::WA_TransparentForMouseEvents);
  status_->setStyleSheet("QLabel { background: rgba(255, 255, 240, 220); color: black; padding: 1px 4px; }");
  status_->hide();
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

void MapView::SetSelection(const QRect& rect) {
  if (rect == selection_) return;
  update(selection_.adjusted(-1, -1, 1, 1));
  selection_ = rect;
  update(selection_.adjusted(-1, -1, 1, 1));
}

void MapView::SetPreview(std::vector<PreviewTile> tiles, const QRect& outline) {
  if (preview_.empty() && tiles.empty()) return;
  update(preview_outline_);
  preview_ = std::move(tiles);
  preview_outline_ = outline;
  update(preview_outline_);
}

void MapView::SetGridLines(int cell) {
  if (cell == grid_cell_) return;
  grid_cell_ = cell;
  update();
}

void MapView::SetStatus(const QString& text) {
  status_->setText(text);
  status_->setVisible(!text.isEmpty());
  PlaceStatus();
}

// At the bottom left of the part of the view that the window shows (the
// map picture reaches below the window by the height of the menu bar).
void MapView::PlaceStatus() {
  status_->adjustSize();
  const int visible_bottom = parentWidget() ? std::min(height(), parentWidget()->height() - y()) : height();
  status_->move(0, std::max(visible_bottom - status_->height(), 0));
}

void MapView::PaintOverlays(QPainter& painter, const QRect& area) const {
  if (grid_cell_ > 0) {
    painter.setPen(QColor(0, 0, 0, 60));
    for (int x = grid_cell_ * (area.left() / grid_cell_); x <= area.right(); x += grid_cell_)
      painter.drawLine(x, area.top(), x, area.bottom());
    for (int y = grid_cell_ * (area.top() / grid_cell_); y <= area.bottom(); y += grid_cell_)
      painter.drawLine(area.left(), y, area.right(), y);
  }
  if (!preview_.empty()) {
    painter.setOpacity(0.6);
    for (const PreviewTile& tile : preview_)
      if (area.intersects(QRect(tile.at, tile.image.size()))) painter.drawImage(tile.at, tile.image);
    painter.setOpacity(1.0);
    painter.setPen(QPen(Qt::yellow, 1, Qt::DashLine));
    painter.drawRect(preview_outline_.adjusted(0, 0, -1, -1));
  }
  if (!selection_.isEmpty()) {
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(selection_.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(selection_.adjusted(0, 0, -1, -1));
  }
}

// Only the part that changed is converted and drawn: at the largest window a
// whole repaint costs a few milliseconds, a thumbnail's area almost nothing.
void MapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), platform::WrapPicture(picture_), event->rect());
  PaintOverlays(painter, event->rect());
  if (!mark_.isEmpty()) {
    painter.setPen(QPen(QColor(255, 230, 0), 3));
    painter.drawRect(mark_.adjusted(-1, -1, 0, 0));
  }
  if (const QRect hanging = HangingRect(); !hanging.isEmpty()) painter.drawImage(hanging.topLeft(), hanging_);
}

void MapView::Forward(MouseEvent event, QPoint position, Qt::KeyboardModifiers modifiers) {
  shift_held_ = modifiers.testFlag(Qt::ShiftModifier);
  update(HangingRect());
  cursor_ = rect().contains(position) ? std::optional<QPoint>(position) : std::nullopt;
  if (on_mouse) on_mouse(event, position.x() + kPaletteWidth, position.y());
  update(HangingRect());
}

void MapView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) Forward(MouseEvent::kLeftDown, at, event->modifiers());
  if (event->button() == Qt::RightButton) Forward(MouseEvent::kRightDown, at, event->modifiers());
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) Forward(MouseEvent::kLeftUp, at, event->modifiers());
  if (event->button() == Qt::RightButton) Forward(MouseEvent::kRightUp, at, event->modifiers());
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  Forward(MouseEvent::kMove, event->position().toPoint(), event->modifiers());
}

void MapView::wheelEvent(QWheelEvent* event) {
  if (on_wheel) on_wheel(event->angleDelta().y(), event->modifiers().testFlag(Qt::ControlModifier));
  event->accept();
}

void MapView::leaveEvent(QEvent*) {
  update(HangingRect());
  cursor_.reset();
}

}  // namespace world
