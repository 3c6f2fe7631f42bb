#include "world/map_picture.h"

#include <algorithm>
#include <vector>

#include "world/cell_codes.h"
#include "world/map_geometry.h"

namespace world {

namespace {

// The map's background: the background colour, except the right and bottom
// strips of one cell, which are in the edge colour wherever no cell is drawn
// over them. Rows of the pattern are copied rather than filled pixel by pixel.
class Background {
 public:
  Background(const assets::Picture& map, int cell)
      : inner_height_(std::max(map.height - cell, 0)),
        inner_row_(static_cast<size_t>(map.width), kEdgeColour),
        edge_row_(static_cast<size_t>(map.width), kEdgeColour) {
    std::fill_n(inner_row_.begin(), std::max(map.width - cell, 0), kBackgroundColour);
  }

  // Paints the background into the rectangle [x0, x1) x [y0, y1) of `map`.
  void Fill(assets::Picture& map, int x0, int y0, int x1, int y1) const {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, map.width);
    y1 = std::min(y1, map.height);
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y) {
      const auto& row = y < inner_height_ ? inner_row_ : edge_row_;
      std::copy(row.begin() + x0, row.begin() + x1,
                map.pixels.begin() + static_cast<ptrdiff_t>(y) * map.width + x0);
    }
  }

 private:
  int inner_height_;
  std::vector<assets::Rgb> inner_row_;
  std::vector<assets::Rgb> edge_row_;
};

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
               assets::Picture& map, int cell) {
  const Background background(map, cell);
  const int columns = VisibleColumns(map.width, cell);
  const int rows = VisibleRows(map.height, cell);
  ClampScroll(scroll, columns, rows);
  const int last_row = std::min(scroll.row + rows, kLevelSize);
  const int last_column = std::min(scroll.column + columns, kLevelSize);
  // Every drawn cell covers its pixels, so the background is only painted
  // where no thumbnail goes.
  for (int y = scroll.row - 1; y < last_row; ++y) {
    const int top = (y - scroll.row + 1) * cell;
    for (int x = scroll.column - 1; x < last_column; ++x) {
      const int left = (x - scroll.column + 1) * cell;
      if (const assets::Picture* tile = thumbnails.Of(CellCodeOf(grid.at(x, y))))
        DrawTile(map, left, top, *tile);
      else
        background.Fill(map, left, top, left + cell, top + cell);
    }
  }
  const int drawn_width = std::max(last_column - scroll.column + 1, 0) * cell;
  const int drawn_height = std::max(last_row - scroll.row + 1, 0) * cell;
  background.Fill(map, drawn_width, 0, map.width, std::min(drawn_height, map.height));
  background.Fill(map, 0, drawn_height, map.width, map.height);
}

PixelPoint CellPixel(const ScrollPosition& scroll, GridPoint p, int cell) {
  return {(p.x - scroll.column + 1) * cell, (p.y - scroll.row + 1) * cell};
}

bool RedrawCell(const LevelGrid& grid, const ScrollPosition& scroll, const MapThumbnails& thumbnails,
                assets::Picture& map, GridPoint p, int cell) {
  const int columns = VisibleColumns(map.width, cell);
  const int rows = VisibleRows(map.height, cell);
  if (!InGrid(p) || p.x < scroll.column - 1 || p.x >= scroll.column - 1 + columns || p.y < scroll.row - 1 ||
      p.y >= scroll.row - 1 + rows)
    return false;
  const PixelPoint at = CellPixel(scroll, p, cell);
  if (const assets::Picture* tile = thumbnails.Of(CellCodeOf(grid.at(p.x, p.y))))
    DrawTile(map, at.x, at.y, *tile);
  else
    Background(map, cell).Fill(map, at.x, at.y, at.x + cell, at.y + cell);
  return true;
}

}  // namespace world
