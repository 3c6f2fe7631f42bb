#include "world/map_picture.h"

#include <algorithm>

#include "world/cell_codes.h"
#include "world/map_geometry.h"

namespace world {

namespace {

// Background everywhere except the right and bottom 25-pixel strips, which
// stay in the edge colour wherever no cell is drawn over them.
void FillBackground(assets::Picture& map) {
  const int inner_width = std::max(map.width - kCellPixels, 0);
  const int inner_height = std::max(map.height - kCellPixels, 0);
  auto row_start = map.pixels.begin();
  for (int y = 0; y < map.height; ++y, row_start += map.width) {
    const int background = y < inner_height ? inner_width : 0;
    std::fill(row_start, row_start + background, kBackgroundColour);
    std::fill(row_start + background, row_start + map.width, kEdgeColour);
  }
}

}  // namespace

void DrawTile(assets::Picture& map, int x, int y, const assets::Picture& tile) {
  const int x0 = std::max(x, 0), x1 = std::min(x + tile.width, map.width);
  const int y0 = std::max(y, 0), y1 = std::min(y + tile.height, map.height);
  if (x0 >= x1) return;
  for (int py = y0; py < y1; ++py) {
    const auto source = tile.pixels.begin() + static_cast<ptrdiff_t>(py - y) * tile.width + (x0 - x);
    std::copy(source, source + (x1 - x0), map.pixels.begin() + static_cast<ptrdiff_t>(py) * map.width + x0);
  }
}

void RedrawMap(const LevelGrid& grid, ScrollPosition& scroll, const MapThumbnails& thumbnails,
               assets::Picture& map) {
  FillBackground(map);
  const int columns = VisibleColumns(map.width);
  const int rows = VisibleRows(map.height);
  ClampScroll(scroll, columns, rows);
  const int last_row = std::min(scroll.row + rows, kLevelSize);
  const int last_column = std::min(scroll.column + columns, kLevelSize);
  for (int y = scroll.row - 1; y < last_row; ++y)
    for (int x = scroll.column - 1; x < last_column; ++x)
      if (const assets::Picture* tile = thumbnails.Of(CellCodeOf(grid.at(x, y))))
        DrawTile(map, (x - scroll.column + 1) * kCellPixels, (y - scroll.row + 1) * kCellPixels, *tile);
}

}  // namespace world
