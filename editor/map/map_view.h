// The map view widget: shows the map picture and the thumbnail of the tool
// held at the cursor, and passes mouse and wheel events on.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "assets/picture.h"
#include "world/editing_tools.h"

namespace world {

class MapView : public QWidget {
  Q_OBJECT
 public:
  explicit MapView(QWidget* parent = nullptr);

  assets::Picture& Picture() { return picture_; }
  const assets::Picture& Picture() const { return picture_; }

  // Makes a new map picture of that size.
  void Resize(int width, int height);

  // The tool thumbnail hanging at the cursor, or none.
  void SetHanging(const assets::Picture* tile);
  // Shows a change of the map picture inside that rectangle only.
  void UpdateArea(int x, int y, int width, int height);

  // A frame drawn around the cell at that rectangle of the view, over the
  // map picture; none for an empty rectangle.
  void SetMark(const QRect& cell);
  const QRect& Mark() const { return mark_; }

  // Mouse events with positions in client coordinates of the main window
  // (the view begins at x = 200), and wheel turns.
  std::function<void(MouseEvent, int x, int y)> on_mouse;
  std::function<void(int delta)> on_wheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Forward(MouseEvent event, QPoint position);
  // Where the hanging thumbnail is drawn; empty when it isn't.
  QRect HangingRect() const;

  assets::Picture picture_;
  QImage hanging_;
  QRect mark_;
  std::optional<QPoint> cursor_;  // in view coordinates, while over the view
};

}  // namespace world
