#include "world/editing_tools.h"

#include <gtest/gtest.h>

#include "world/cell_codes.h"

using namespace world;

TEST(EditingTools, PaletteButtonsPickTheirCellCodes) {
  const std::pair<int, int> cases[] = {{171, 2},  {180, 11}, {181, 12}, {190, 21}, {277, 22},
                                       {296, 41}, {338, 42}, {339, 43}, {194, 50}, {203, 59},
                                       {343, 67}, {348, 72}, {215, 73}, {218, 74}, {219, 75},
                                       {340, 78}, {209, 90}, {213, 94}, {941, 95}, {945, 99}};
  for (const auto& [control, code] : cases) EXPECT_EQ(ToolCodeOfControl(control), code) << control;
  for (int control : {170, 191, 276, 297, 193, 204, 214, 372, 446, 447, 216, 220, 946, 940, 0, -1})
    EXPECT_FALSE(ToolCodeOfControl(control)) << control;
}

TEST(EditingTools, WallNumbersBecomeCellBytes) {
  const std::pair<const char*, int> cases[] = {{"1", 16},  {"40", 55},  {"41", 55}, {"9999", 55},
                                               {"0", 120}, {"-5", 120}, {"", 120},  {"x", 120},
                                               {"$A", 25}, {"%11", 18}, {" 7", 22}};
  for (const auto& [text, byte] : cases) EXPECT_EQ(WallByteOfText(text), byte) << text;
}

TEST(EditingTools, ReplaceFillAndBorderTouchOnlyTheGrid) {
  LevelState level;
  MakeNewWorld(level);
  level.grid.at(64, 5) = 120;  // outside the 64 columns: never touched
  level.grid.at(3, 3) = 18;
  level.grid.at(4, 4) = kPlayerStartByte;
  ReplaceCells(level.grid, 18, 120);
  EXPECT_EQ(level.grid.at(3, 3), 120);
  FillEmptyCells(level.grid, 20);
  EXPECT_EQ(level.grid.at(3, 3), 20);
  EXPECT_EQ(level.grid.at(4, 4), kPlayerStartByte);
  EXPECT_EQ(level.grid.at(64, 5), 120);
  FillBorder(level.grid, 120);
  EXPECT_EQ(level.grid.at(0, 0), 120);
  EXPECT_EQ(level.grid.at(63, 63), 120);
  EXPECT_EQ(level.grid.at(1, 1), 20);
}

namespace {

struct Session {
  LevelState level;
  ScrollPosition scroll{1, 1};
  ToolState tools;

  Session() { MakeNewWorld(level); }
  MouseStepResult Step(MouseEvent event, int x, int y) {
    const CellUnderCursor cell =
        x >= kPaletteWidth ? CellAt(x - kPaletteWidth, y, scroll) : CellUnderCursor{};
    return MouseStep(tools, event, x, y, cell, {level, scroll, 24, 24});
  }
};

}  // namespace

TEST(MouseStep, PlacingPaintingAndErasing) {
  Session s;
  s.tools.tool_code = WallCode(5);
  EXPECT_FALSE(s.Step(MouseEvent::kMove, 260, 60).drawn_byte);
  const auto placed = s.Step(MouseEvent::kLeftDown, 260, 60);
  EXPECT_EQ(placed.drawn_byte, 20);
  EXPECT_FALSE(placed.drag_started);
  s.Step(MouseEvent::kMove, 290, 60);
  EXPECT_EQ(s.level.grid.at(2, 2), 20);
  EXPECT_EQ(s.level.grid.at(3, 2), 20);
  EXPECT_TRUE(s.level.unsaved_changes);
  s.Step(MouseEvent::kLeftUp, 290, 60);
  s.Step(MouseEvent::kMove, 320, 60);
  EXPECT_EQ(s.level.grid.at(4, 2), 120);
  EXPECT_EQ(s.tools.tool_code, WallCode(5));

  s.Step(MouseEvent::kRightDown, 290, 60);
  EXPECT_EQ(s.level.grid.at(3, 2), 120);
  EXPECT_FALSE(s.tools.tool_code);
  s.Step(MouseEvent::kMove, 260, 60);  // sweeping erases
  EXPECT_EQ(s.level.grid.at(2, 2), 120);
  s.Step(MouseEvent::kRightUp, 260, 60);
  s.Step(MouseEvent::kMove, 210, 10);
  EXPECT_EQ(s.level.grid.at(0, 0), 16);
}

TEST(MouseStep, ButtonsChangeStateOnlyOverTheMap) {
  Session s;
  s.level.grid.at(5, 5) = 30;
  s.Step(MouseEvent::kRightDown, 100, 100);
  EXPECT_FALSE(s.tools.right_held);
  s.Step(MouseEvent::kMove, 340, 140);
  s.Step(MouseEvent::kRightUp, 340, 140);
  EXPECT_EQ(s.level.grid.at(5, 5), 30);
  EXPECT_FALSE(s.level.unsaved_changes);
}

TEST(MouseStep, AButtonReleasedOverThePaletteIsNoLongerHeld) {
  Session s;
  s.tools.tool_code = WallCode(2);
  s.Step(MouseEvent::kLeftDown, 340, 140);
  s.Step(MouseEvent::kMove, 150, 140);
  s.Step(MouseEvent::kLeftUp, 150, 140);
  s.Step(MouseEvent::kMove, 440, 140);  // back over the map with no button down
  EXPECT_EQ(s.level.grid.at(5, 5), 17);
  EXPECT_EQ(s.level.grid.at(9, 5), 120);
  s.Step(MouseEvent::kRightDown, 440, 140);
  s.Step(MouseEvent::kRightUp, 150, 140);
  s.level.grid.at(9, 5) = 30;
  s.Step(MouseEvent::kMove, 440, 140);
  EXPECT_EQ(s.level.grid.at(9, 5), 30);
}

TEST(MouseStep, LeftDownOnThePaletteDropsTheToolAndThePlayerIsPlacedOnce) {
  Session s;
  s.tools.tool_code = kPlayerStartCode;
  s.Step(MouseEvent::kLeftDown, 340, 140);
  EXPECT_EQ(s.level.grid.at(5, 5), kPlayerStartByte);
  EXPECT_FALSE(s.tools.tool_code);
  s.Step(MouseEvent::kMove, 365, 140);
  EXPECT_EQ(s.level.grid.at(6, 5), 120);
  s.Step(MouseEvent::kLeftUp, 365, 140);

  s.tools.tool_code = kKeyCode;
  s.Step(MouseEvent::kLeftDown, 150, 140);
  EXPECT_FALSE(s.tools.tool_code);
}

TEST(MouseStep, DragScrollsAgainstTheHandAndStopsOnRelease) {
  Session s;
  s.scroll = {20, 20};
  EXPECT_TRUE(s.Step(MouseEvent::kLeftDown, 400, 300).drag_started);
  EXPECT_TRUE(s.Step(MouseEvent::kMove, 430, 300).scrolled);
  EXPECT_EQ(s.scroll.column, 19);
  EXPECT_EQ(s.tools.anchor_x, 430);
  EXPECT_FALSE(s.Step(MouseEvent::kMove, 455, 325).scrolled);  // 25 from the new anchor
  s.Step(MouseEvent::kMove, 375, 220);
  EXPECT_EQ(s.scroll.column, 21);
  EXPECT_EQ(s.scroll.row, 23);
  s.Step(MouseEvent::kLeftUp, 375, 220);
  s.Step(MouseEvent::kMove, 475, 220);
  EXPECT_EQ(s.scroll.column, 21);
  // No drag while a tool is held.
  s.tools.tool_code = 2;
  EXPECT_FALSE(s.Step(MouseEvent::kLeftDown, 400, 300).drag_started);
}
