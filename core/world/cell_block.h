// A rectangle of cells lifted out of a level: what Copy and Cut keep and
// Paste puts back, and the flips and turns of a selection or a paste.
#pragma once

#include <cstdint>
#include <vector>

#include "world/grid_shapes.h"
#include "world/level_grid.h"

namespace world {

struct CellBlock {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> cells;  // row by row

  bool empty() const { return cells.empty(); }
  uint8_t at(int x, int y) const { return cells[static_cast<size_t>(y * width + x)]; }
  uint8_t& at(int x, int y) { return cells[static_cast<size_t>(y * width + x)]; }
  bool operator==(const CellBlock&) const = default;
};

// The cells of `rect` (clipped to the grid).
CellBlock CopyBlock(const LevelGrid& grid, GridRect rect);

// Empties every cell of `rect` (clipped to the grid).
void ClearRect(LevelGrid& grid, GridRect rect);

CellBlock FlippedHorizontally(const CellBlock& block);
CellBlock FlippedVertically(const CellBlock& block);
// Turned by 90 degrees clockwise: a block w wide and h high becomes h wide and w high.
CellBlock TurnedClockwise(const CellBlock& block);

struct PasteResult {
  GridRect area;                 // the cells written (clipped to the grid)
  bool player_left_out = false;  // a copied player start was not pasted
};

// Writes `block` with its top left cell at `at`; cells that fall off the
// grid are dropped. A copied player start is left out (its target cell keeps
// what it held) when the level would otherwise have two; of several copied
// player starts only the first can be pasted.
PasteResult PasteBlock(LevelGrid& grid, const CellBlock& block, GridPoint at);

// Turns or flips the cells of `rect` where they lie: the block is lifted
// (its cells emptied), transformed and put back with the same top left
// cell. Returns the rectangle it covers now.
GridRect TransformInPlace(LevelGrid& grid, GridRect rect, CellBlock (*transform)(const CellBlock&));

}  // namespace world
