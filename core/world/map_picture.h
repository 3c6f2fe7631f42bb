// The map picture: the visible part of the level grid drawn from the
// thumbnails, 25 x 25 pixels a cell unless zoomed, with red strips one cell
// wide at the right and bottom.
#pragma once

#include "assets/picture.h"
#include "world/grid_shapes.h"
#include "world/level.h"
#include "world/map_geometry.h"
#include "world/map_thumbnails.h"

namespace world {

// Redraws the whole map picture from the grid, after bringing the scroll
// position into its bounds for the picture's size. The thumbnails are
// `cell` pixels square.
void RedrawMap(const LevelGrid& grid, ScrollPosition& scroll, const MapThumbnails& thumbnails,
               assets::Picture& map, int cell = kCellPixels);

// Where grid cell `p` lies in the map picture: its top left corner.
struct PixelPoint {
  int x = 0;
  int y = 0;
};
PixelPoint CellPixel(const ScrollPosition& scroll, GridPoint p, int cell = kCellPixels);

// Draws grid cell `p` anew, when it is one of the visible cells; true when it was.
bool RedrawCell(const LevelGrid& grid, const ScrollPosition& scroll, const MapThumbnails& thumbnails,
                assets::Picture& map, GridPoint p, int cell = kCellPixels);

// Draws one thumbnail with its top left corner at (x, y), clipped to the map.
void DrawTile(assets::Picture& map, int x, int y, const assets::Picture& tile);

}  // namespace world
