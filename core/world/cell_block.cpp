#include "world/cell_block.h"

#include <algorithm>

#include "world/cell_codes.h"
#include "world/level.h"

namespace world {

namespace {

GridRect Clipped(GridRect r) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, kLevelSize - 1),
          std::min(r.bottom, kLevelSize - 1)};
}

CellBlock BlockOfSize(int width, int height) {
  return {width, height, std::vector<uint8_t>(static_cast<size_t>(width * height))};
}

}  // namespace

CellBlock CopyBlock(const LevelGrid& grid, GridRect rect) {
  const GridRect r = Clipped(rect);
  if (r.right < r.left || r.bottom < r.top) return {};
  CellBlock block = BlockOfSize(r.Width(), r.Height());
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) block.at(x, y) = grid.at(r.left + x, r.top + y);
  return block;
}

void ClearRect(LevelGrid& grid, GridRect rect) {
  const GridRect r = Clipped(rect);
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x) grid.at(x, y) = kEmptyByte;
}

CellBlock FlippedHorizontally(const CellBlock& block) {
  CellBlock out = BlockOfSize(block.width, block.height);
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) out.at(block.width - 1 - x, y) = block.at(x, y);
  return out;
}

CellBlock FlippedVertically(const CellBlock& block) {
  CellBlock out = BlockOfSize(block.width, block.height);
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) out.at(x, block.height - 1 - y) = block.at(x, y);
  return out;
}

CellBlock TurnedClockwise(const CellBlock& block) {
  CellBlock out = BlockOfSize(block.height, block.width);
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) out.at(block.height - 1 - y, x) = block.at(x, y);
  return out;
}

PasteResult PasteBlock(LevelGrid& grid, const CellBlock& block, GridPoint at) {
  PasteResult result;
  result.area = Clipped({at.x, at.y, at.x + block.width - 1, at.y + block.height - 1});
  std::vector<GridPoint> players;
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) {
      const GridPoint target{at.x + x, at.y + y};
      if (!InGrid(target)) continue;
      if (block.at(x, y) == kPlayerStartByte)
        players.push_back(target);
      else
        grid.at(target.x, target.y) = block.at(x, y);
    }
  if (players.empty()) return result;
  result.player_left_out = players.size() > 1 || PlayerPlaced(grid);
  if (!PlayerPlaced(grid)) grid.at(players.front().x, players.front().y) = kPlayerStartByte;
  return result;
}

GridRect TransformInPlace(LevelGrid& grid, GridRect rect, CellBlock (*transform)(const CellBlock&)) {
  const CellBlock lifted = CopyBlock(grid, rect);
  if (lifted.empty()) return rect;
  const GridRect from = Clipped(rect);
  ClearRect(grid, from);
  const CellBlock turned = transform(lifted);
  return PasteBlock(grid, turned, {from.left, from.top}).area;
}

}  // namespace world
