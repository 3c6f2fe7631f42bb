// Where the player can go in a level as the game plays it: walls, the
// next-level door and sprites that can neither be walked through nor shot
// away stop the player; doors open on use; items are picked up, enemies can
// be shot.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "world/level_grid.h"
#include "world/problem.h"

namespace world {

// Per sprite 1 to 10 (index 0 for sprite 1): whether it stands in the
// player's way for good, being solid and beyond the reach of bullets.
using SpriteBlocking = std::array<bool, 10>;
constexpr SpriteBlocking kEverySpriteBlocks = {true, true, true, true, true, true, true, true, true, true};

using ReachableCells = std::bitset<kLevelSize * kLevelSize>;

bool IsReachable(const ReachableCells& reach, GridCell cell);

// Whether a cell byte stops the player walking into its cell.
bool StopsWalking(uint8_t cell_byte, const SpriteBlocking& blocking);

// The cells the player can walk to from `start`. Cells count as joined
// through their sides only: the player's body does not pass between two
// cells that touch at a corner.
ReachableCells ReachableFrom(const LevelGrid& grid, GridCell start, const SpriteBlocking& blocking);

// Whether the player can use the next-level door at `door`: using reaches a
// cell and a half ahead and stops at the first wall or door, so the door is
// in reach from any of the eight reachable cells around it, and from a
// reachable cell two cells before it with a sprite between.
bool DoorInReach(const LevelGrid& grid, const ReachableCells& reach, GridCell door);

}  // namespace world
