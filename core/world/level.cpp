#include "world/level.h"

#include <algorithm>

#include "world/cell_codes.h"

namespace world {

std::string LevelFileName(int level) {
  return "game" + std::to_string(level);
}

void MakeNewWorld(LevelState& level) {
  LevelGrid& grid = level.grid;
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kRowBytes; ++x) grid.at(x, y) = kEmptyByte;
  const uint8_t wall = CellByteOf(WallCode(1));
  for (int i = 0; i < kLevelSize; ++i) {
    grid.at(i, 0) = wall;
    grid.at(i, kLevelSize - 1) = wall;
    grid.at(0, i) = wall;
    grid.at(kLevelSize - 1, i) = wall;
  }
  level.unsaved_changes = false;
  level.unsaved_world = true;
  level.current_level_number = "1";
}

void ReadLevelBytes(const platform::Bytes& bytes, LevelGrid& grid) {
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kRowBytes; ++x) {
      const size_t offset = static_cast<size_t>(y * kRowBytes + x);
      grid.at(x, y) = offset < bytes.size() ? bytes[offset] : 0;
    }
}

bool LoadLevelFile(const platform::Workspace& workspace, int level, LevelGrid& grid,
                   platform::Prompter& prompter) {
  const auto bytes = workspace.Read(LevelFileName(level), kLevelFileSize);
  if (!bytes) {
    prompter.Show({"Level does not exist", "Warning"});
    return false;
  }
  ReadLevelBytes(*bytes, grid);
  return true;
}

platform::Bytes LevelFileBytes(const LevelGrid& grid) {
  platform::Bytes bytes;
  bytes.reserve(kLevelFileSize);
  for (int y = 0; y < kLevelSize; ++y) {
    for (int x = 0; x < kLevelSize; ++x) bytes.push_back(grid.at(x, y));
    bytes.push_back(13);
    bytes.push_back(10);
  }
  return bytes;
}

bool SaveLevelFile(const platform::Workspace& workspace, int level, LevelGrid& grid) {
  for (int y = 0; y < kLevelSize; ++y) {
    grid.at(kLevelSize, y) = 13;
    grid.at(kLevelSize + 1, y) = 10;
  }
  return workspace.Write(LevelFileName(level), LevelFileBytes(grid));
}

bool PlayerPlaced(const LevelGrid& grid) {
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kRowBytes; ++x)
      if (grid.at(x, y) == kPlayerStartByte) return true;
  return false;
}

void ClampScroll(ScrollPosition& scroll, int visible_columns, int visible_rows) {
  scroll.column = std::max(scroll.column, 1);
  scroll.row = std::max(scroll.row, 1);
  // When the whole level fits (zoomed out), the first column and row stay 1.
  scroll.column = std::min(scroll.column, std::max(65 - visible_columns, 1));
  scroll.row = std::min(scroll.row, std::max(65 - visible_rows, 1));
}

bool SetCell(LevelGrid& grid, ScrollPosition& scroll, int visible_columns, int visible_rows, int view_column,
             int view_row, uint8_t cell_byte) {
  ClampScroll(scroll, visible_columns, visible_rows);
  const int column = view_column + scroll.column - 2;
  const int row = view_row + scroll.row - 2;
  if (column < 0 || column >= kLevelSize || row < 0 || row >= kLevelSize) return false;
  grid.at(column, row) = cell_byte;
  return true;
}

}  // namespace world
