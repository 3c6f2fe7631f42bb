// The rules a level keeps, checked on its grid: a border closed by walls or
// next-level doors, one player start, and, as the game plays the level, a
// next-level door the player can reach and use.
#pragma once

#include <vector>

#include "world/level_grid.h"
#include "world/level_walk.h"
#include "world/problem.h"

namespace world {

struct LevelCheck {
  int level = 1;
  bool last = false;  // the game's last level needs no next-level door
  SpriteBlocking blocking = kEverySpriteBlocks;
};

// The problems of one level, each rule reported with the cells that break
// it: errors for what fails level validation, warnings for the rest.
std::vector<Problem> CheckLevelGrid(const LevelGrid& grid, const LevelCheck& check);

}  // namespace world
