// The map view widget: shows the map picture and the thumbnail of the tool
// held at the cursor, and passes mouse and wheel events on. Over the picture
// it draws what the tools show without changing the grid: the selection, a
// translucent preview of a shape or a paste, grid lines, and a status line.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

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

  // The selection's outline, in view pixels; an empty rectangle for none.
  void SetSelection(const QRect& rect);
  // A shape or paste that is not yet in the grid: its cells' thumbnails,
  // drawn translucent, inside `outline` (view pixels); no tiles for none.
  struct PreviewTile {
    QPoint at;
    QImage image;
  };
  void SetPreview(std::vector<PreviewTile> tiles, const QRect& outline);
  // Lines between the cells, `cell` pixels apart from the top left; 0 for none.
  void SetGridLines(int cell);
  // One line of text at the bottom left of the visible map; "" hides it.
  void SetStatus(const QString& text);
  QString Status() const { return status_->isVisible() ? status_->text() : QString(); }
  // Whether Shift was down at the last mouse event.
  bool ShiftHeld() const { return shift_held_; }
  // Whether the mouse cursor is over the view now.
  bool CursorOver() const { return cursor_.has_value(); }
  // A frame drawn around the cell at that rectangle of the view, over the
  // map picture; none for an empty rectangle.
  void SetMark(const QRect& cell);
  const QRect& Mark() const { return mark_; }

  // Mouse events with positions in client coordinates of the main window
  // (the view begins at x = 200), and wheel turns (with Ctrl: zoom).
  std::function<void(MouseEvent, int x, int y)> on_mouse;
  std::function<void(int delta, bool ctrl)> on_wheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Forward(MouseEvent event, QPoint position, Qt::KeyboardModifiers modifiers);
  // Where the hanging thumbnail is drawn; empty when it isn't.
  QRect HangingRect() const;
  void PaintOverlays(QPainter& painter, const QRect& area) const;
  void PlaceStatus();

  assets::Picture picture_;
  QImage hanging_;
  QRect mark_;
  std::optional<QPoint> cursor_;  // in view coordinates, while over the view
  QRect selection_;
  std::vector<PreviewTile> preview_;
  QRect preview_outline_;
  int grid_cell_ = 0;
  QLabel* status_ = nullptr;
  bool shift_held_ = false;
};

}  // namespace world
