// Cells of the 64 x 64 grid picked by shapes: the straight line between two
// cells, rectangles, and the 4-connected region of equal cells.
#pragma once

#include <vector>

#include "world/level_grid.h"

namespace world {

// A grid cell, column x and row y counted from 0.
struct GridPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GridPoint&) const = default;
};

// A rectangle of cells, both corners included.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const GridRect&) const = default;

  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
  bool Contains(GridPoint p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

bool InGrid(GridPoint p);

// The rectangle spanned by two corner cells given in any order.
GridRect RectOf(GridPoint a, GridPoint b);

// Every cell on the straight line from `from` to `to`, both included, in
// order and without gaps (each cell touches the one before it).
std::vector<GridPoint> LineCells(GridPoint from, GridPoint to);

// The cells of the rectangle spanned by `a` and `b`: its outline, or all of it.
std::vector<GridPoint> RectangleCells(GridPoint a, GridPoint b, bool filled);

// The cells holding the same byte as `start` that can be reached from it
// through the edges of equal cells; nothing when `start` lies off the grid.
std::vector<GridPoint> FloodFillCells(const LevelGrid& grid, GridPoint start);

}  // namespace world
