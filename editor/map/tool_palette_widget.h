// The tool palette at the left of the main window: frames, picture buttons
// for every placeable thing, the block read-out and the scroll arrows.
#pragma once

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "kit/image_button.h"
#include "world/editing_tools.h"
#include "world/map_thumbnails.h"

namespace world {

class ToolPaletteWidget : public QWidget {
  Q_OBJECT
 public:
  // `arrows` are the pictures of the left, right, up and down buttons.
  ToolPaletteWidget(QWidget* parent, const std::array<QImage, 4>& arrows);

  // Gives every picture button the thumbnail of its thing.
  void SetThumbnails(const MapThumbnails& thumbnails);
  // The door button's thumbnail and the text of its frame.
  void SetDoor(const assets::Picture& thumbnail, const QString& level_number);
  void SetReadOut(const QString& block_x, const QString& block_y);
  // Frames the button of the tool held; nothing for no tool.
  void SetHeld(std::optional<int> control);

  // A palette button was clicked (its control number).
  std::function<void(int control)> on_control;
  // Mouse events on the palette background, and moves over its controls,
  // in client coordinates of the main window (the palette lies at its left edge).
  std::function<void(MouseEvent, int x, int y)> on_mouse;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::map<int, kit::ImageButton*> thing_buttons_;  // by control number
  std::map<int, int> code_of_button_;
  QGroupBox* door_frame_ = nullptr;
  QLabel* block_x_ = nullptr;
  QLabel* block_y_ = nullptr;
  QWidget* held_frame_ = nullptr;
};

}  // namespace world
