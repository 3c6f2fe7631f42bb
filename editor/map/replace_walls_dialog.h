// The Replace Walls dialog: replace one wall by another, fill the empty
// cells with a wall, or give the level a border of walls.
#pragma once

#include <QWidget>
#include <functional>

#include "world/level_grid.h"

namespace app {

// Runs the dialog on `grid`; `changed` is called after every operation.
void RunReplaceWallsDialog(QWidget* parent, world::LevelGrid& grid, const std::function<void()>& changed);

}  // namespace app
