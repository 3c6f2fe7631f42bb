// The map picture: the visible part of the level grid drawn from the
// thumbnails, 25 x 25 pixels a cell, with red strips at the right and bottom.
#pragma once

#include "assets/picture.h"
#include "world/level.h"
#include "world/map_thumbnails.h"

namespace world {

// Redraws the whole map picture from the grid, after bringing the scroll
// position into its bounds for the picture's size.
void RedrawMap(const LevelGrid& grid, ScrollPosition& scroll, const MapThumbnails& thumbnails,
               assets::Picture& map);

// Draws one thumbnail with its top left corner at (x, y), clipped to the map.
void DrawTile(assets::Picture& map, int x, int y, const assets::Picture& tile);

}  // namespace world
