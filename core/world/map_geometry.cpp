#include "world/map_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace world {

Size BoundedWindowSize(Size inner) {
  return {std::clamp(inner.width, kMinWindowWidth, kMaxWindowWidth),
          std::clamp(inner.height, kMinWindowHeight, kMaxWindowHeight)};
}

Size MapPictureSize(Size inner) {
  const Size bounded = BoundedWindowSize(inner);
  return {bounded.width - kPaletteWidth, bounded.height};
}

int VisibleColumns(int map_width, int cell) {
  return (map_width + cell / 2) / cell;
}

int VisibleRows(int map_height, int cell) {
  return map_height / cell;
}

namespace {

constexpr int kZoomSteps[] = {5, 7, 10, 13, 16, 20, 25, 30, 35, 40, 45, 50};

// The pixel offset of the cell under `d`, kept inside the 64 cells.
int CellOffset(int d, int scroll, int cell) {
  d = d <= cell ? 0 : d / cell * cell;
  if (d + scroll * cell > kLevelSize * cell) d = (kLevelSize - scroll) * cell;
  return d;
}

}  // namespace

CellUnderCursor CellAt(int dx, int dy, const ScrollPosition& scroll, int pixels) {
  CellUnderCursor cell;
  cell.x = CellOffset(dx, scroll.column, pixels);
  cell.y = CellOffset(dy, scroll.row, pixels);
  cell.view_column = std::min(cell.x / pixels + 1, kLevelSize);
  cell.view_row = std::min(cell.y / pixels + 1, kLevelSize);
  cell.block_x = cell.view_column + scroll.column - 1;
  cell.block_y = cell.view_row + scroll.row - 1;
  return cell;
}

namespace {

// The first visible cell (counted from 1) that shows cell `index` (from 0).
int ScrollShowing(int scroll, int index, int shown) {
  if (index >= scroll - 1 && index < scroll - 1 + shown) return scroll;
  return index + 1 - shown / 2;
}

}  // namespace

void ScrollToShow(ScrollPosition& scroll, GridCell cell, Size shown, Size visible) {
  scroll.column = ScrollShowing(scroll.column, cell.column, shown.width);
  scroll.row = ScrollShowing(scroll.row, cell.row, shown.height);
  ClampScroll(scroll, visible.width, visible.height);
}

void ScrollByWheel(ScrollPosition& scroll, int delta) {
  scroll.row -= static_cast<int16_t>(delta) / 120;
}

int DragCells(int distance, int cell) {
  const int magnitude = std::abs(distance);
  if (magnitude < cell + 1) return 0;
  return (magnitude + cell / 2) / cell;
}

int ZoomedIn(int cell) {
  for (const int step : kZoomSteps)
    if (step > cell) return step;
  return kMaxCellPixels;
}

int ZoomedOut(int cell) {
  int smaller = kMinCellPixels;
  for (const int step : kZoomSteps)
    if (step < cell) smaller = step;
  return smaller;
}

int WholeLevelCellPixels(Size map) {
  const int cell = std::min(map.width, map.height) / (kLevelSize + 1);
  return std::clamp(cell, kMinCellPixels, kMaxCellPixels);
}

void ZoomAbout(ScrollPosition& scroll, int dx, int dy, int old_cell, int new_cell) {
  scroll.column += std::max(dx, 0) / old_cell - std::max(dx, 0) / new_cell;
  scroll.row += std::max(dy, 0) / old_cell - std::max(dy, 0) / new_cell;
}

}  // namespace world
