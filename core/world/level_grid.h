// The level grid: 64 x 64 cells plus the two line-end columns of the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace world {

constexpr int kLevelSize = 64;                          // columns and rows of a level
constexpr int kLevelCount = 20;                         // levels game1 to game20
constexpr int kRowBytes = 66;                           // 64 cell bytes, then 13 and 10
constexpr int kLevelFileSize = kRowBytes * kLevelSize;  // 4,224

// A cell of the level, counted from 0.
struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

struct LevelGrid {
  // Room for columns 0 to 66 and rows 0 to 64, as the editor has always
  // allocated; only columns 0 to 65 of rows 0 to 63 are used.
  static constexpr int kColumns = 67;
  static constexpr int kRows = 65;

  std::array<uint8_t, kColumns * kRows> cells{};

  uint8_t& at(int column, int row) { return cells[static_cast<size_t>(row * kColumns + column)]; }
  uint8_t at(int column, int row) const { return cells[static_cast<size_t>(row * kColumns + column)]; }
};

}  // namespace world
