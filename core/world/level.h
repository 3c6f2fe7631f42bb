// The current level: its grid, its number as typed, the two unsaved flags,
// and the level files game1 to game20.
#pragma once

#include <string>

#include "platform/prompter.h"
#include "platform/workspace.h"
#include "world/edit_history.h"
#include "world/level_grid.h"

namespace world {

struct LevelState {
  LevelGrid grid;
  // The text the user typed into the level dialog, unchanged ("03" stays).
  std::string current_level_number = "1";
  // Whether the grid differs from its saved state in `history`.
  bool unsaved_changes = false;
  bool unsaved_world = false;
  EditHistory history;
};

// The first visible column and row of the map view, counted from 1.
struct ScrollPosition {
  int column = 1;
  int row = 1;
};

// "game" + N in decimal.
std::string LevelFileName(int level);

// Grid steps of New: every cell empty, a border of wall texture 1; the flags
// and the level number as after New.
void MakeNewWorld(LevelState& level);

// Reads `twksys/game<N>` into the grid. A missing file shows "Level does not
// exist" titled "Warning" and leaves the grid as it was; bytes past the end
// of a short file read as 0, bytes past 4,224 are ignored.
[[nodiscard]] bool LoadLevelFile(const platform::Workspace& workspace, int level, LevelGrid& grid,
                                 platform::Prompter& prompter);

// Writes the grid (columns 64 and 65 set to 13 and 10) to `twksys/game<N>`.
[[nodiscard]] bool SaveLevelFile(const platform::Workspace& workspace, int level, LevelGrid& grid);

// The 4,224 bytes of a level file for the grid, without touching the grid.
platform::Bytes LevelFileBytes(const LevelGrid& grid);

// Fills columns 0 to 65 of rows 0 to 63 from file bytes (missing bytes are 0).
void ReadLevelBytes(const platform::Bytes& bytes, LevelGrid& grid);

// True when any byte 92 stands in columns 0 to 65 of rows 0 to 63.
bool PlayerPlaced(const LevelGrid& grid);

// Brings the scroll position into 1 .. 65 - visible (first below 1, then
// above; never below 1 when more than 64 cells are visible).
void ClampScroll(ScrollPosition& scroll, int visible_columns, int visible_rows);

// Writes one cell addressed in view coordinates (counted from 1 at the top
// left of the map view) after bringing the scroll position into its bounds.
// Cells outside the 64 x 64 grid are not written; returns whether it was.
bool SetCell(LevelGrid& grid, ScrollPosition& scroll, int visible_columns, int visible_rows, int view_column,
             int view_row, uint8_t cell_byte);

}  // namespace world
