// Sizes and positions of the map view: the window bounds, the visible
// columns and rows, the block under the cursor, wheel and drag scrolling,
// and the zoom. Cells are 25 pixels unless zoomed.
#pragma once

#include "world/level.h"

namespace world {

constexpr int kPaletteWidth = 200;  // the map view begins at this x
constexpr int kCellPixels = 25;     // a cell is 25 x 25 pixels at the default zoom
constexpr int kMinCellPixels = 5;
constexpr int kMaxCellPixels = 50;
constexpr int kMinWindowWidth = 700;
constexpr int kMinWindowHeight = 400;
constexpr int kMaxWindowWidth = 1800;
constexpr int kMaxWindowHeight = 1620;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// The inner window size brought into 700 x 400 .. 1800 x 1620.
Size BoundedWindowSize(Size inner);

// The map picture for a window of inner size `inner` (menu bar counted in).
Size MapPictureSize(Size inner);

int VisibleColumns(int map_width, int cell = kCellPixels);
int VisibleRows(int map_height, int cell = kCellPixels);

// The block under the cursor, for dx = mouse x - 200 and dy = mouse y.
struct CellUnderCursor {
  int x = 0;  // top left corner of the cell in the map picture
  int y = 0;
  int view_column = 1;  // counted from 1 at the map view's top left
  int view_row = 1;
  int block_x = 1;  // the 1-based grid column and row
  int block_y = 1;
  bool operator==(const CellUnderCursor&) const = default;
};
CellUnderCursor CellAt(int dx, int dy, const ScrollPosition& scroll, int cell = kCellPixels);

// Scrolls so that `cell` lies among the first `shown` columns and rows of
// the view (the ones the window shows whole), centring it when it lies
// outside them; then brings the scroll into its bounds for the visible ones.
void ScrollToShow(ScrollPosition& scroll, GridCell cell, Size shown, Size visible);

// A wheel turn: one notch (120) away from the user shows the row above.
void ScrollByWheel(ScrollPosition& scroll, int delta);

// How many cells a drag of `distance` pixels moves the map: nothing below
// a cell and a pixel, else the distance in cells rounded to the nearest whole cell.
int DragCells(int distance, int cell = kCellPixels);

// The next cell size up or down the zoom steps, within 5 to 50 pixels.
int ZoomedIn(int cell);
int ZoomedOut(int cell);
// The largest cell size at which the whole level fits a map picture of
// `map` pixels, the edge strips included.
int WholeLevelCellPixels(Size map);
// After the cell size changed from `old_cell` to `new_cell`, scrolls so
// that the cell that lay under the cursor at (dx, dy) of the map stays
// under it as far as the edges allow.
void ZoomAbout(ScrollPosition& scroll, int dx, int dy, int old_cell, int new_cell);

}  // namespace world
