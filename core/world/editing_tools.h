// The mouse tools of the map view: picking a tool from the palette,
// placing, painting, erasing and dragging, and the wall replacements.
#pragma once

#include <optional>
#include <string_view>

#include "world/level.h"
#include "world/map_geometry.h"

namespace world {

// The palette's scroll buttons.
constexpr int kScrollLeftButton = 446;
constexpr int kScrollRightButton = 447;
constexpr int kScrollUpButton = 448;
constexpr int kScrollDownButton = 449;
constexpr int kPlayerButton = 340;
constexpr int kDoorButton = 338;

// The cell code a palette picture button picks; nothing for other controls.
std::optional<int> ToolCodeOfControl(int control);

struct ToolState {
  std::optional<int> tool_code;  // the cell code of the tool held
  bool left_held = false;
  bool right_held = false;
  int anchor_x = 0;  // where a drag began; a drag runs while both are 1 or more
  int anchor_y = 0;
};

enum class MouseEvent { kMove, kLeftDown, kLeftUp, kRightDown, kRightUp };

// What one mouse step did, for the view to show.
struct MouseStepResult {
  std::optional<uint8_t> drawn_byte;  // a cell got this byte; draw its thumbnail at the cell
  bool scrolled = false;              // the scroll position moved: redraw the whole map
  bool drag_started = false;          // show the move cursor
};

struct EditTarget {
  LevelState& level;
  ScrollPosition& scroll;
  int visible_columns;
  int visible_rows;
};

// One pass of the mouse handling at window position (x, y), `cell` being the
// block under the cursor as last read out. In this order: button states
// (presses over the map only, releases anywhere), erasing, dropping the tool on the palette background,
// placing, starting and ending a drag, drag scrolling.
MouseStepResult MouseStep(ToolState& tools, MouseEvent event, int x, int y, const CellUnderCursor& cell,
                          EditTarget view);

// The cell byte of a wall number typed into the Replace Walls dialog: above
// 40 means 40, below 1 (or no number) means no wall, the empty byte.
uint8_t WallByteOfText(std::string_view text);

// Every cell of the 64 x 64 grid holding `from` gets `to`.
void ReplaceCells(LevelGrid& grid, uint8_t from, uint8_t to);
// Every empty cell gets `byte`.
void FillEmptyCells(LevelGrid& grid, uint8_t byte);
// Every cell of the outer rows and columns gets `byte`, whatever it held.
void FillBorder(LevelGrid& grid, uint8_t byte);

}  // namespace world
