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

int VisibleColumns(int map_width) {
  return (map_width + 12) / kCellPixels;
}

int VisibleRows(int map_height) {
  return map_height / kCellPixels;
}

namespace {

// The pixel offset of the cell under `d`, kept inside the 64 cells.
int CellOffset(int d, int scroll) {
  d = d <= kCellPixels ? 0 : d / kCellPixels * kCellPixels;
  if (d + scroll * kCellPixels > 1600) d = 1600 - scroll * kCellPixels;
  return d;
}

}  // namespace

CellUnderCursor CellAt(int dx, int dy, const ScrollPosition& scroll) {
  CellUnderCursor cell;
  cell.x = CellOffset(dx, scroll.column);
  cell.y = CellOffset(dy, scroll.row);
  cell.view_column = std::min(cell.x / kCellPixels + 1, kLevelSize);
  cell.view_row = std::min(cell.y / kCellPixels + 1, kLevelSize);
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

int DragCells(int distance) {
  const int magnitude = std::abs(distance);
  if (magnitude < 26) return 0;
  return (magnitude + kCellPixels / 2) / kCellPixels;
}

}  // namespace world
