#include "world/area_tools.h"

#include "world/cell_codes.h"
#include "world/level_edits.h"

namespace world {

const char* const kPlayerLeftOutStatus = "The player start was left out: the level has one already";

namespace {

// The held thing, when a shape may put it into the grid: the player start
// is always placed as a single cell.
std::optional<uint8_t> ShapeByte(const ToolState& tools) {
  if (!tools.tool_code || *tools.tool_code == kPlayerStartCode) return std::nullopt;
  return CellByteOf(*tools.tool_code);
}

AreaStepResult Handled() {
  AreaStepResult result;
  result.handled = true;
  return result;
}

AreaStepResult Commit(LevelState& level, const LevelGrid& before) {
  AreaStepResult result;
  result.handled = true;
  result.committed = true;
  result.changed = CommitEdit(level, before);
  return result;
}

AreaStepResult DropPaste(ToolState& tools, LevelState& level) {
  const LevelGrid before = level.grid;
  const PasteResult pasted = PasteBlock(level.grid, *tools.floating, tools.paste_at);
  tools.floating.reset();
  tools.selection = pasted.area;
  AreaStepResult result = Commit(level, before);
  if (pasted.player_left_out) result.status = kPlayerLeftOutStatus;
  return result;
}

AreaStepResult PasteStep(ToolState& tools, MouseEvent event, std::optional<GridPoint> cell,
                         LevelState& level) {
  AreaStepResult result = Handled();
  if (cell) tools.paste_at = *cell;
  if (event == MouseEvent::kLeftDown && cell) return DropPaste(tools, level);
  if (event == MouseEvent::kRightDown) tools.floating.reset();
  return result;
}

AreaStepResult DragStep(ToolState& tools, MouseEvent event, std::optional<GridPoint> cell,
                        LevelState& level) {
  AreaStepResult result = Handled();
  if (cell) tools.drag_to = *cell;
  if (tools.selecting) {
    tools.selection = RectOf(*tools.drag_from, tools.drag_to);
  } else if (event == MouseEvent::kLeftUp) {
    if (const auto byte = ShapeByte(tools)) {
      const LevelGrid before = level.grid;
      for (const GridPoint p : ShapePreview(tools)) level.grid.at(p.x, p.y) = *byte;
      result = Commit(level, before);
    }
  }
  if (event == MouseEvent::kLeftUp) {
    tools.drag_from.reset();
    tools.selecting = false;
  }
  return result;
}

AreaStepResult Fill(const ToolState& tools, GridPoint cell, LevelState& level) {
  const LevelGrid before = level.grid;
  const uint8_t byte = *ShapeByte(tools);
  for (const GridPoint p : FloodFillCells(level.grid, cell)) level.grid.at(p.x, p.y) = byte;
  return Commit(level, before);
}

}  // namespace

AreaStepResult AreaStep(ToolState& tools, MouseEvent event, bool shift, std::optional<GridPoint> cell,
                        LevelState& level) {
  if (tools.floating) return PasteStep(tools, event, cell, level);
  if (tools.drag_from) return DragStep(tools, event, cell, level);
  if (event != MouseEvent::kLeftDown || !cell) return {};
  if (shift || tools.shape == Shape::kSelect) {
    tools.drag_from = tools.drag_to = *cell;
    tools.selecting = true;
    tools.selection = RectOf(*cell, *cell);
    return Handled();
  }
  if (!ShapeByte(tools)) return {};
  switch (tools.shape) {
    case Shape::kLine:
    case Shape::kRectangle:
    case Shape::kFilledRectangle:
      tools.drag_from = tools.drag_to = *cell;
      return Handled();
    case Shape::kFill:
      return Fill(tools, *cell, level);
    default:
      return {};
  }
}

std::vector<GridPoint> ShapePreview(const ToolState& tools) {
  if (!tools.drag_from || tools.selecting || !ShapeByte(tools)) return {};
  switch (tools.shape) {
    case Shape::kLine:
      return LineCells(*tools.drag_from, tools.drag_to);
    case Shape::kRectangle:
    case Shape::kFilledRectangle:
      return RectangleCells(*tools.drag_from, tools.drag_to, tools.shape == Shape::kFilledRectangle);
    default:
      return {};
  }
}

void SelectAll(ToolState& tools) {
  tools.selection = GridRect{0, 0, kLevelSize - 1, kLevelSize - 1};
}

bool CopySelection(const ToolState& tools, const LevelGrid& grid, CellBlock& clipboard) {
  if (!tools.selection) return false;
  clipboard = CopyBlock(grid, *tools.selection);
  return true;
}

std::span<const CellChange> DeleteSelection(const ToolState& tools, LevelState& level) {
  if (!tools.selection) return {};
  const LevelGrid before = level.grid;
  ClearRect(level.grid, *tools.selection);
  return CommitEdit(level, before);
}

bool StartPaste(ToolState& tools, const CellBlock& clipboard, GridPoint at) {
  if (clipboard.empty()) return false;
  tools.floating = clipboard;
  tools.paste_at = at;
  tools.drag_from.reset();
  return true;
}

std::span<const CellChange> TransformSelection(ToolState& tools, LevelState& level,
                                               CellBlock (*transform)(const CellBlock&)) {
  if (tools.floating) {
    tools.floating = transform(*tools.floating);
    return {};
  }
  if (!tools.selection) return {};
  const LevelGrid before = level.grid;
  tools.selection = TransformInPlace(level.grid, *tools.selection, transform);
  return CommitEdit(level, before);
}

}  // namespace world
