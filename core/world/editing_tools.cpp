#include "world/editing_tools.h"

#include "platform/int_parse.h"
#include "world/cell_codes.h"
#include "world/level_edits.h"

namespace world {

namespace {

struct ButtonRun {
  int first_control;
  int count;
  int first_code;
};

constexpr ButtonRun kToolButtons[] = {
    {171, 20, WallCode(1)},       {277, 20, WallCode(21)},       {338, 1, kDoorCode},
    {339, 1, kNextLevelDoorCode}, {194, 10, kFirstSpriteCode},   {343, 6, kFirstWeaponCode},
    {215, 1, kHealthPackCode},    {218, 1, kAmmunitionPackCode}, {219, 1, kKeyCode},
    {340, 1, kPlayerStartCode},   {209, 5, kFirstEnemyCode},     {941, 5, kFirstTreasureCode},
};

void ScrollByDrag(int position, int& anchor, int& scroll, int cell) {
  const int distance = position - anchor;
  const int cells = DragCells(distance, cell);
  if (cells == 0) return;
  anchor = position;
  scroll += distance > 0 ? -cells : cells;
}

}  // namespace

std::optional<int> ToolCodeOfControl(int control) {
  for (const ButtonRun& run : kToolButtons)
    if (control >= run.first_control && control < run.first_control + run.count)
      return run.first_code + (control - run.first_control);
  return std::nullopt;
}

std::optional<int> ControlOfToolCode(int code) {
  for (const ButtonRun& run : kToolButtons)
    if (code >= run.first_code && code < run.first_code + run.count)
      return run.first_control + (code - run.first_code);
  return std::nullopt;
}

std::optional<GridPoint> GridCellOf(const CellUnderCursor& cell, EditTarget view) {
  ClampScroll(view.scroll, view.visible_columns, view.visible_rows);
  const GridPoint p{cell.view_column + view.scroll.column - 2, cell.view_row + view.scroll.row - 2};
  if (!InGrid(p)) return std::nullopt;
  return p;
}

void BeginEdit(ToolState& tools, const LevelGrid& grid) {
  if (tools.editing) return;
  tools.edit_before = grid;
  tools.editing = true;
}

bool FinishEdit(ToolState& tools, LevelState& level) {
  if (!tools.editing) return false;
  tools.editing = false;
  CommitEdit(level, tools.edit_before);
  return true;
}

MouseStepResult MouseStep(ToolState& tools, MouseEvent event, int x, int y, const CellUnderCursor& cell,
                          EditTarget view) {
  MouseStepResult result;
  const bool over_map = x >= kPaletteWidth;
  // A press counts only over the map; a release counts anywhere, so that a
  // button let go over the palette doesn't stay held and paint on its own.
  if (event == MouseEvent::kLeftUp) tools.left_held = false;
  if (event == MouseEvent::kRightUp) tools.right_held = false;
  if (over_map && event == MouseEvent::kLeftDown) tools.left_held = true;
  if (over_map && event == MouseEvent::kRightDown) tools.right_held = true;
  if (event != MouseEvent::kMove) tools.stroke_last.reset();  // a press or release begins a new stroke
  auto set_cell = [&](uint8_t byte) {
    const auto target = GridCellOf(cell, view);
    if (!target) return;
    BeginEdit(tools, view.level.grid);
    for (const GridPoint p : LineCells(tools.stroke_last.value_or(*target), *target)) {
      uint8_t& stored = view.level.grid.at(p.x, p.y);
      if (stored == byte) continue;
      stored = byte;
      view.level.unsaved_changes = true;
      result.drawn.push_back(p);
    }
    tools.stroke_last = *target;
    result.drawn_byte = byte;
  };
  if (tools.right_held && over_map) {
    set_cell(kEmptyByte);
    tools.tool_code.reset();
  }
  if (event == MouseEvent::kLeftDown && !over_map) tools.tool_code.reset();
  if (tools.left_held && tools.tool_code && over_map) {
    set_cell(CellByteOf(*tools.tool_code));
    if (*tools.tool_code == kPlayerStartCode) tools.tool_code.reset();
  }
  if (event == MouseEvent::kLeftDown && x > kPaletteWidth && !tools.tool_code) {
    tools.anchor_x = x;
    tools.anchor_y = y;
    result.drag_started = true;
  }
  if (event == MouseEvent::kLeftUp) tools.anchor_x = 0;
  if (tools.anchor_x >= 1 && tools.anchor_y >= 1 && x > kPaletteWidth) {
    const ScrollPosition before = view.scroll;
    ScrollByDrag(x, tools.anchor_x, view.scroll.column, view.cell_pixels);
    ScrollByDrag(y, tools.anchor_y, view.scroll.row, view.cell_pixels);
    result.scrolled = before.column != view.scroll.column || before.row != view.scroll.row;
  }
  if (!tools.left_held && !tools.right_held) result.committed = FinishEdit(tools, view.level);
  return result;
}

uint8_t WallByteOfText(std::string_view text) {
  int64_t wall = platform::ParseInteger(text);
  if (wall > kWallTextureCount) wall = kWallTextureCount;
  if (wall < 1) return kEmptyByte;
  return CellByteOf(WallCode(static_cast<int>(wall)));
}

void ReplaceCells(LevelGrid& grid, uint8_t from, uint8_t to) {
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x)
      if (grid.at(x, y) == from) grid.at(x, y) = to;
}

void FillEmptyCells(LevelGrid& grid, uint8_t byte) {
  ReplaceCells(grid, kEmptyByte, byte);
}

void FillBorder(LevelGrid& grid, uint8_t byte) {
  for (int i = 0; i < kLevelSize; ++i) {
    grid.at(i, 0) = byte;
    grid.at(i, kLevelSize - 1) = byte;
    grid.at(0, i) = byte;
    grid.at(kLevelSize - 1, i) = byte;
  }
}

}  // namespace world
