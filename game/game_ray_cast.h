// Casting rays over the level grid: where a line from a point first meets a
// wall or the closed part of a door. The renderer casts one a column; the
// simulation casts them for shots and lines of sight.
#pragma once

#include <array>

#include "game_level.h"

namespace game {

// Openness of the door in each cell, 0 closed to 1 open (cells without doors ignored).
using DoorOpenness = std::array<float, kMapSize * kMapSize>;

// True when the door of cell (x, y) spans the cell from west to east (walls on
// both of those sides), so rays cross it moving north or south.
bool DoorSpansWestEast(const LevelMap& map, int x, int y);

struct WallHit {
  double distance = 0;  // perpendicular to the camera plane
  int cell_x = 0, cell_y = 0;
  CellKind kind = CellKind::kWall;
  double u = 0;  // texture coordinate 0..1 across the face, left to right as seen
  bool hit = false;
};

// Casts one ray from (x, y) along (dx, dy) over `map`, whose doors are as
// open as `door_open` says (all closed without it); the distance is in units
// of the ray's length.
WallHit CastRay(const LevelMap& map, const DoorOpenness* door_open, double x, double y, double dx, double dy,
                double max_distance = 128);

}  // namespace game
