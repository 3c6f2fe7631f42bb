#include "world/grid_shapes.h"

#include <algorithm>
#include <cstdlib>

namespace world {

bool InGrid(GridPoint p) {
  return p.x >= 0 && p.x < kLevelSize && p.y >= 0 && p.y < kLevelSize;
}

GridRect RectOf(GridPoint a, GridPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::vector<GridPoint> LineCells(GridPoint from, GridPoint to) {
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  std::vector<GridPoint> cells;
  cells.reserve(static_cast<size_t>(std::max(dx, -dy) + 1));
  int error = dx + dy;
  GridPoint p = from;
  for (;;) {
    cells.push_back(p);
    if (p == to) return cells;
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      p.x += sx;
    }
    if (doubled <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

std::vector<GridPoint> RectangleCells(GridPoint a, GridPoint b, bool filled) {
  const GridRect r = RectOf(a, b);
  std::vector<GridPoint> cells;
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x)
      if (filled || y == r.top || y == r.bottom || x == r.left || x == r.right) cells.push_back({x, y});
  return cells;
}

std::vector<GridPoint> FloodFillCells(const LevelGrid& grid, GridPoint start) {
  std::vector<GridPoint> region;
  if (!InGrid(start)) return region;
  const uint8_t target = grid.at(start.x, start.y);
  std::array<bool, kLevelSize * kLevelSize> seen{};
  auto visit = [&](GridPoint p, std::vector<GridPoint>& stack) {
    if (!InGrid(p) || grid.at(p.x, p.y) != target) return;
    bool& mark = seen[static_cast<size_t>(p.y * kLevelSize + p.x)];
    if (mark) return;
    mark = true;
    stack.push_back(p);
  };
  std::vector<GridPoint> stack;
  visit(start, stack);
  while (!stack.empty()) {
    const GridPoint p = stack.back();
    stack.pop_back();
    region.push_back(p);
    visit({p.x + 1, p.y}, stack);
    visit({p.x - 1, p.y}, stack);
    visit({p.x, p.y + 1}, stack);
    visit({p.x, p.y - 1}, stack);
  }
  return region;
}

}  // namespace world
