// Levels drawn as text for tests: a grid of solid wall with the drawing laid
// from its top left corner.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "world/cell_codes.h"
#include "world/level_grid.h"

namespace testing_support {

// '#' wall, ' ' empty, 'P' player start, 'D' door, 'E' next-level door,
// 'K' key, 'S' and 's' sprites 1 and 2, 'e' enemy 1, 'h' health pack,
// 'w' weapon 3.
inline world::LevelGrid DrawnLevel(const std::vector<std::string>& art) {
  using namespace world;
  static const std::map<char, int> kLegend = {
      {'#', WallCode(1)},      {' ', kEmptyCode},           {'P', kPlayerStartCode},
      {'D', kDoorCode},        {'E', kNextLevelDoorCode},   {'K', kKeyCode},
      {'S', kFirstSpriteCode}, {'s', kFirstSpriteCode + 1}, {'e', kFirstEnemyCode},
      {'h', kHealthPackCode},  {'w', kFirstWeaponCode + 2}};
  LevelGrid grid;
  for (int row = 0; row < kLevelSize; ++row) {
    for (int column = 0; column < kLevelSize; ++column) grid.at(column, row) = CellByteOf(WallCode(1));
    grid.at(kLevelSize, row) = 13;
    grid.at(kLevelSize + 1, row) = 10;
  }
  for (size_t row = 0; row < art.size(); ++row)
    for (size_t column = 0; column < art[row].size(); ++column)
      grid.at(static_cast<int>(column), static_cast<int>(row)) = CellByteOf(kLegend.at(art[row][column]));
  return grid;
}

}  // namespace testing_support
