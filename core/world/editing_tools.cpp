#include "world/editing_tools.h"

#include "platform/int_parse.h"
#include "world/cell_codes.h"

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

void ScrollByDrag(int position, int& anchor, int& scroll) {
  const int distance = position - anchor;
  const int cells = DragCells(distance);
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
  auto set_cell = [&](uint8_t byte) {
    view.level.unsaved_changes = true;
    SetCell(view.level.grid, view.scroll, view.visible_columns, view.visible_rows, cell.view_column,
            cell.view_row, byte);
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
    ScrollByDrag(x, tools.anchor_x, view.scroll.column);
    ScrollByDrag(y, tools.anchor_y, view.scroll.row);
    result.scrolled = before.column != view.scroll.column || before.row != view.scroll.row;
  }
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
