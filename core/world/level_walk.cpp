#include "world/level_walk.h"

#include <vector>

#include "world/cell_codes.h"

namespace world {

namespace {

bool Inside(int column, int row) {
  return column >= 0 && row >= 0 && column < kLevelSize && row < kLevelSize;
}

size_t IndexOf(int column, int row) {
  return static_cast<size_t>(row * kLevelSize + column);
}

bool IsWallOrDoor(uint8_t cell_byte) {
  const int code = CellCodeOf(cell_byte);
  return (code >= kFirstWallCode && code <= kLastWallCode) || code == kDoorCode || code == kNextLevelDoorCode;
}

}  // namespace

bool IsReachable(const ReachableCells& reach, GridCell cell) {
  return Inside(cell.column, cell.row) && reach.test(IndexOf(cell.column, cell.row));
}

bool StopsWalking(uint8_t cell_byte, const SpriteBlocking& blocking) {
  const int code = CellCodeOf(cell_byte);
  if ((code >= kFirstWallCode && code <= kLastWallCode) || code == kNextLevelDoorCode) return true;
  if (code >= kFirstSpriteCode && code <= kLastSpriteCode)
    return blocking[static_cast<size_t>(code - kFirstSpriteCode)];
  return false;
}

ReachableCells ReachableFrom(const LevelGrid& grid, GridCell start, const SpriteBlocking& blocking) {
  ReachableCells reach;
  if (!Inside(start.column, start.row)) return reach;
  std::vector<GridCell> pending = {start};
  reach.set(IndexOf(start.column, start.row));
  while (!pending.empty()) {
    const GridCell cell = pending.back();
    pending.pop_back();
    static constexpr int kDx[] = {1, -1, 0, 0}, kDy[] = {0, 0, 1, -1};
    for (int side = 0; side < 4; ++side) {
      const int column = cell.column + kDx[side], row = cell.row + kDy[side];
      if (!Inside(column, row) || reach.test(IndexOf(column, row))) continue;
      if (StopsWalking(grid.at(column, row), blocking)) continue;
      reach.set(IndexOf(column, row));
      pending.push_back({column, row});
    }
  }
  return reach;
}

bool DoorInReach(const LevelGrid& grid, const ReachableCells& reach, GridCell door) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if ((dx || dy) && IsReachable(reach, {door.column + dx, door.row + dy})) return true;
  static constexpr int kDx[] = {1, -1, 0, 0}, kDy[] = {0, 0, 1, -1};
  for (int side = 0; side < 4; ++side) {
    const GridCell between{door.column + kDx[side], door.row + kDy[side]};
    const GridCell stand{door.column + 2 * kDx[side], door.row + 2 * kDy[side]};
    if (Inside(between.column, between.row) && !IsWallOrDoor(grid.at(between.column, between.row)) &&
        IsReachable(reach, stand))
      return true;
  }
  return false;
}

}  // namespace world
