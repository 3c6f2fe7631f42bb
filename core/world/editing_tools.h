// The mouse tools of the map view: picking a tool from the palette,
// placing, painting and erasing in strokes without gaps, dragging, and the
// wall replacements.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "world/cell_block.h"
#include "world/grid_shapes.h"
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
// The palette button of a cell code; nothing for codes without one.
std::optional<int> ControlOfToolCode(int code);

// How the left button puts the held thing into the grid; a rectangle
// selection needs no thing.
enum class Shape { kPaint, kLine, kRectangle, kFilledRectangle, kFill, kSelect };

struct ToolState {
  std::optional<int> tool_code;  // the cell code of the tool held
  Shape shape = Shape::kPaint;
  bool left_held = false;
  bool right_held = false;
  int anchor_x = 0;  // where a drag began; a drag runs while both are 1 or more
  int anchor_y = 0;

  // A paint or erase stroke: the cell it reached last, and the grid before
  // it began, which makes the stroke one undo step when it ends.
  std::optional<GridPoint> stroke_last;
  bool editing = false;
  LevelGrid edit_before;

  // A line, rectangle or selection being dragged, from `drag_from` to `drag_to`.
  std::optional<GridPoint> drag_from;
  GridPoint drag_to;
  bool selecting = false;
  std::optional<GridRect> selection;
  // A paste following the cursor, its top left cell at `paste_at`.
  std::optional<CellBlock> floating;
  GridPoint paste_at;
};

enum class MouseEvent { kMove, kLeftDown, kLeftUp, kRightDown, kRightUp };

// What one mouse step did, for the view to show.
struct MouseStepResult {
  std::optional<uint8_t> drawn_byte;  // the byte the cells below got
  std::vector<GridPoint> drawn;       // cells that now hold it: draw their thumbnails
  bool scrolled = false;              // the scroll position moved: redraw the whole map
  bool drag_started = false;          // show the move cursor
  bool committed = false;             // a stroke ended as one undo step
};

struct EditTarget {
  LevelState& level;
  ScrollPosition& scroll;
  int visible_columns;
  int visible_rows;
  int cell_pixels = kCellPixels;
};

// The grid cell under the cursor, after bringing the scroll position into
// its bounds; nothing when it lies outside the 64 x 64 grid.
std::optional<GridPoint> GridCellOf(const CellUnderCursor& cell, EditTarget view);

// Keeps the grid as it is before an edit that ends with FinishEdit.
void BeginEdit(ToolState& tools, const LevelGrid& grid);
// Ends the edit as one undo step; true when one was under way.
bool FinishEdit(ToolState& tools, LevelState& level);

// One pass of the mouse handling at window position (x, y), `cell` being the
// block under the cursor as last read out. In this order: button states
// (presses over the map only, releases anywhere), erasing, dropping the tool on the palette background,
// placing, starting and ending a drag, drag scrolling. Painting and erasing
// change every cell on the line from the cell the stroke reached last, and
// the stroke is one undo step when no button is held any more.
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
