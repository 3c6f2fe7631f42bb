// The tools that work on more than one cell at a time: lines, rectangles
// and flood fill with the held thing, the rectangle selection (the Select
// shape, or a drag with Shift), and a paste that follows the cursor until a
// click drops it. Each change they make is one undo step.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "world/cell_block.h"
#include "world/editing_tools.h"

namespace world {

struct AreaStepResult {
  bool handled = false;                 // the event was taken here, not by MouseStep
  std::span<const CellChange> changed;  // the cells of the step made, if one was
  bool committed = false;
  std::string status;  // a line for the status bar, when there is something to say
};

// One mouse event for the area tools; `cell` is the grid cell under the
// cursor (nothing off the grid or over the palette).
AreaStepResult AreaStep(ToolState& tools, MouseEvent event, bool shift, std::optional<GridPoint> cell,
                        LevelState& level);

// The cells a line or rectangle being dragged would change, and their byte.
std::vector<GridPoint> ShapePreview(const ToolState& tools);

// What the status line says after a paste that left out the player start.
extern const char* const kPlayerLeftOutStatus;

// The commands on the selection and the paste. Each returns what changed,
// for the view to draw; the grid changes are one undo step each.
void SelectAll(ToolState& tools);
// Copies the selection into `clipboard`; false when nothing is selected.
bool CopySelection(const ToolState& tools, const LevelGrid& grid, CellBlock& clipboard);
// Empties the cells of the selection.
std::span<const CellChange> DeleteSelection(const ToolState& tools, LevelState& level);
// Lets `clipboard` follow the cursor from `at`; false when it is empty.
bool StartPaste(ToolState& tools, const CellBlock& clipboard, GridPoint at);
// Flips or turns the paste that follows the cursor, or else the selected
// cells where they lie.
std::span<const CellChange> TransformSelection(ToolState& tools, LevelState& level,
                                               CellBlock (*transform)(const CellBlock&));

}  // namespace world
