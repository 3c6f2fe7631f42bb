// The Replace Walls dialog: replace one wall by another, fill the empty
// cells with a wall, or give the level a border of walls.
#pragma once

#include <functional>

#include "kit/modal_dialog.h"
#include "world/level_grid.h"

namespace app {

class ReplaceWallsDialog : public kit::ModalDialog {
 public:
  // Works on `grid`; `changed` is called after every operation.
  ReplaceWallsDialog(QWidget* main_window, world::LevelGrid& grid, std::function<void()> changed);

  static void Run(QWidget* main_window, world::LevelGrid& grid, std::function<void()> changed);

 private:
  world::LevelGrid& grid_;
  std::function<void()> changed_;
};

}  // namespace app
