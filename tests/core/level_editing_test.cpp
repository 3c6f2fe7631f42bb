// Editing the level as undo steps: strokes without gaps, the history and its
// saved state, flood fill, the flips and turns of a block, and the paste
// that must not make a second player start.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "world/area_tools.h"
#include "world/cell_block.h"
#include "world/cell_codes.h"
#include "world/editing_tools.h"
#include "world/grid_shapes.h"
#include "world/level_edits.h"

using namespace world;

namespace {

constexpr uint8_t kWall = 16;
constexpr uint8_t kDoor = CellByteOf(kDoorCode);

// A freshly loaded level: a new world whose grid is also its saved state.
struct Editing {
  LevelState level;
  ScrollPosition scroll{1, 1};
  ToolState tools;

  Editing() {
    MakeNewWorld(level);
    level.history.Reset(level.grid);
  }
  // The map at the default zoom, the cursor over the middle of grid cell (x, y).
  MouseStepResult Mouse(MouseEvent event, int x, int y) {
    const int px = kPaletteWidth + x * kCellPixels + 12, py = y * kCellPixels + 12;
    return MouseStep(tools, event, px, py, CellAt(px - kPaletteWidth, py, scroll), {level, scroll, 24, 24});
  }
  AreaStepResult Area(MouseEvent event, GridPoint p, bool shift = false) {
    return AreaStep(tools, event, shift, p, level);
  }
};

}  // namespace

TEST(Strokes, AFastStrokeLeavesNoGapAndIsOneUndoStep) {
  Editing e;
  const auto saved = LevelFileBytes(e.level.grid);
  e.tools.tool_code = WallCode(3);
  e.Mouse(MouseEvent::kLeftDown, 2, 2);
  e.Mouse(MouseEvent::kMove, 20, 9);  // one event for 18 cells
  e.Mouse(MouseEvent::kMove, 20, 20);
  const auto result = e.Mouse(MouseEvent::kLeftUp, 20, 20);
  EXPECT_TRUE(result.committed);
  for (const GridPoint p : LineCells({2, 2}, {20, 9}))
    EXPECT_EQ(e.level.grid.at(p.x, p.y), CellByteOf(WallCode(3))) << p.x << "," << p.y;
  for (int y = 9; y <= 20; ++y) EXPECT_EQ(e.level.grid.at(20, y), CellByteOf(WallCode(3))) << y;
  EXPECT_TRUE(e.level.unsaved_changes);
  const auto painted = LevelFileBytes(e.level.grid);

  EXPECT_EQ(UndoEdit(e.level).size(), 19u + 11u);
  EXPECT_EQ(LevelFileBytes(e.level.grid), saved);
  EXPECT_FALSE(e.level.unsaved_changes);
  EXPECT_FALSE(e.level.history.CanUndo());
  RedoEdit(e.level);
  EXPECT_EQ(LevelFileBytes(e.level.grid), painted);
  EXPECT_TRUE(e.level.unsaved_changes);
}

TEST(Strokes, EveryLineCellTouchesTheOneBefore) {
  const std::pair<GridPoint, GridPoint> lines[] = {
      {{0, 0}, {63, 63}}, {{63, 0}, {0, 17}}, {{5, 40}, {5, 2}}, {{9, 9}, {9, 9}}, {{0, 63}, {50, 62}}};
  for (const auto& [from, to] : lines) {
    const auto cells = LineCells(from, to);
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.front(), from);
    EXPECT_EQ(cells.back(), to);
    EXPECT_EQ(cells.size(),
              static_cast<size_t>(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1));
    for (size_t i = 1; i < cells.size(); ++i)
      EXPECT_LE(std::max(std::abs(cells[i].x - cells[i - 1].x), std::abs(cells[i].y - cells[i - 1].y)), 1);
  }
}

TEST(History, TheSavedStateDecidesTheUnsavedMarkAndANewChangeDropsTheRedoBranch) {
  Editing e;
  const LevelGrid loaded = e.level.grid;
  auto change = [&](int x, uint8_t byte) {
    const LevelGrid before = e.level.grid;
    e.level.grid.at(x, 5) = byte;
    CommitEdit(e.level, before);
  };
  change(5, kWall);
  change(6, kWall);
  EXPECT_TRUE(e.level.unsaved_changes);
  UndoEdit(e.level);
  UndoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);  // back at the loaded state
  EXPECT_EQ(e.level.grid.cells, loaded.cells);
  RedoEdit(e.level);
  change(9, kDoor);  // drops the redo of the wall at 6
  EXPECT_FALSE(e.level.history.CanRedo());
  EXPECT_EQ(e.level.grid.at(6, 5), kEmptyByte);

  e.level.history.MarkSaved(e.level.grid);  // saved with walls at 5 and a door at 9
  e.level.unsaved_changes = false;
  UndoEdit(e.level);
  EXPECT_TRUE(e.level.unsaved_changes);  // undone past the save
  RedoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);

  // An edit that changes nothing is no step; a change undone by hand clears the mark.
  const LevelGrid before = e.level.grid;
  CommitEdit(e.level, before);
  change(5, kEmptyByte);
  change(5, kWall);
  EXPECT_FALSE(e.level.unsaved_changes);
  UndoEdit(e.level);
  EXPECT_EQ(e.level.grid.at(5, 5), kEmptyByte);
}

TEST(History, KeepsTheNewestStepsUpToItsLimit) {
  Editing e;
  for (size_t i = 0; i < EditHistory::kMaxSteps + 10; ++i) {
    const LevelGrid before = e.level.grid;
    e.level.grid.at(1 + static_cast<int>(i % 62), 1 + static_cast<int>(i / 62 % 62)) =
        static_cast<uint8_t>(kWall + i % 2);
    CommitEdit(e.level, before);
  }
  size_t undone = 0;
  while (!UndoEdit(e.level).empty()) ++undone;
  EXPECT_EQ(undone, EditHistory::kMaxSteps);
  EXPECT_GE(undone, 500u);
}

namespace {

// A flood fill case drawn in the top left corner of a grid of walls ('#');
// '.' is an empty cell the fill must not reach, '*' one it must, 'S' the
// start (filled too), 'D' a door.
struct FillCase {
  const char* name;
  std::vector<std::string> rows;
};

}  // namespace

TEST(FloodFill, FillsTheFourConnectedRegionOfEqualCells) {
  const FillCase cases[] = {
      {"single cell", {"###", "#S#", "###"}},
      {"corners do not connect", {"S#.", "#.#", "..."}},
      {"doors stop it", {"**D..", "*S#..", "##D.."}},
      {"border ring", {"S***", "*###", "*#..", "*#.."}},
      {"room with a pillar", {"#####", "#S**#", "#*#*#", "#***#", "#####"}},
  };
  for (const FillCase& c : cases) {
    LevelGrid grid;
    grid.cells.fill(kWall);
    GridPoint start;
    std::vector<GridPoint> expected;
    for (int y = 0; y < static_cast<int>(c.rows.size()); ++y)
      for (int x = 0; x < static_cast<int>(c.rows[y].size()); ++x) {
        const char ch = c.rows[y][x];
        grid.at(x, y) = ch == '#' ? kWall : ch == 'D' ? kDoor : kEmptyByte;
        if (ch == 'S') start = {x, y};
        if (ch == 'S' || ch == '*') expected.push_back({x, y});
      }
    auto region = FloodFillCells(grid, start);
    auto order = [](GridPoint a, GridPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; };
    std::sort(region.begin(), region.end(), order);
    std::sort(expected.begin(), expected.end(), order);
    EXPECT_EQ(region, expected) << c.name;
  }
  LevelGrid empty;
  empty.cells.fill(kEmptyByte);
  EXPECT_EQ(FloodFillCells(empty, {31, 40}).size(), 64u * 64u) << "whole grid";
  EXPECT_TRUE(FloodFillCells(empty, {64, 0}).empty()) << "off the grid";
}

TEST(FloodFill, IsOneUndoStepWithTheHeldThing) {
  Editing e;
  e.tools.tool_code = kFirstEnemyCode;
  e.tools.shape = Shape::kFill;
  const auto result = e.Area(MouseEvent::kLeftDown, {10, 10});
  EXPECT_TRUE(result.committed);
  EXPECT_EQ(result.changed.size(), 62u * 62u);
  EXPECT_EQ(e.level.grid.at(1, 62), CellByteOf(kFirstEnemyCode));
  EXPECT_EQ(e.level.grid.at(0, 0), kWall);
  UndoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);
}

TEST(Shapes, LinesAndRectanglesShowAPreviewAndChangeTheGridOnRelease) {
  Editing e;
  e.tools.tool_code = WallCode(2);
  e.tools.shape = Shape::kRectangle;
  e.Area(MouseEvent::kLeftDown, {10, 10});
  e.Area(MouseEvent::kMove, {13, 12});
  EXPECT_EQ(ShapePreview(e.tools).size(), 10u);  // a 4 x 3 outline
  EXPECT_EQ(e.level.grid.at(10, 10), kEmptyByte);
  const auto result = e.Area(MouseEvent::kLeftUp, {14, 12});
  EXPECT_EQ(result.changed.size(), 12u);  // 5 x 3 outline
  EXPECT_EQ(e.level.grid.at(12, 11), kEmptyByte);
  EXPECT_EQ(e.level.grid.at(14, 11), 17);
  EXPECT_TRUE(ShapePreview(e.tools).empty());

  e.tools.shape = Shape::kFilledRectangle;
  e.Area(MouseEvent::kLeftDown, {20, 20});
  EXPECT_EQ(e.Area(MouseEvent::kLeftUp, {22, 22}).changed.size(), 9u);
  e.tools.shape = Shape::kLine;
  e.Area(MouseEvent::kLeftDown, {30, 30});
  EXPECT_EQ(e.Area(MouseEvent::kLeftUp, {30, 40}).changed.size(), 11u);
  UndoEdit(e.level);
  UndoEdit(e.level);
  UndoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);
}

TEST(Blocks, FlipsAndTurnsOfANonSquareBlock) {
  // 3 wide, 2 high:  a b c
  //                  d e f
  const CellBlock block{3, 2, {'a', 'b', 'c', 'd', 'e', 'f'}};
  EXPECT_EQ(FlippedHorizontally(block), (CellBlock{3, 2, {'c', 'b', 'a', 'f', 'e', 'd'}}));
  EXPECT_EQ(FlippedVertically(block), (CellBlock{3, 2, {'d', 'e', 'f', 'a', 'b', 'c'}}));
  EXPECT_EQ(TurnedClockwise(block), (CellBlock{2, 3, {'d', 'a', 'e', 'b', 'f', 'c'}}));
  EXPECT_EQ(TurnedClockwise(TurnedClockwise(TurnedClockwise(TurnedClockwise(block)))), block);
  EXPECT_EQ(TurnedClockwise(TurnedClockwise(block)), FlippedVertically(FlippedHorizontally(block)));
}

TEST(Blocks, ASelectionTurnsWhereItLiesAsOneStep) {
  Editing e;
  for (int x = 10; x < 14; ++x) e.level.grid.at(x, 20) = static_cast<uint8_t>(kWall + x - 10);
  e.level.history.Reset(e.level.grid);
  e.Area(MouseEvent::kLeftDown, {10, 20}, true);
  e.Area(MouseEvent::kMove, {13, 20});
  e.Area(MouseEvent::kLeftUp, {13, 20});
  ASSERT_EQ(e.tools.selection, (GridRect{10, 20, 13, 20}));
  TransformSelection(e.tools, e.level, TurnedClockwise);
  EXPECT_EQ(e.tools.selection, (GridRect{10, 20, 10, 23}));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(e.level.grid.at(10, 20 + i), kWall + i) << i;
  for (int x = 11; x < 14; ++x) EXPECT_EQ(e.level.grid.at(x, 20), kEmptyByte) << x;
  UndoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);
}

TEST(Paste, NeverMakesASecondPlayerStart) {
  Editing e;
  e.level.grid.at(5, 5) = kPlayerStartByte;
  const CellBlock room{3, 1, {kWall, kPlayerStartByte, kDoor}};
  e.level.grid.at(21, 20) = kDoor;

  PasteResult result = PasteBlock(e.level.grid, room, {20, 20});
  EXPECT_TRUE(result.player_left_out);
  EXPECT_EQ(result.area, (GridRect{20, 20, 22, 20}));
  EXPECT_EQ(e.level.grid.at(20, 20), kWall);
  EXPECT_EQ(e.level.grid.at(21, 20), kDoor);  // the target kept what it held
  EXPECT_EQ(e.level.grid.at(22, 20), kDoor);

  // Pasted over the only player start, the copied one takes its place.
  result = PasteBlock(e.level.grid, CellBlock{2, 1, {kPlayerStartByte, kWall}}, {4, 5});
  EXPECT_FALSE(result.player_left_out);
  EXPECT_EQ(e.level.grid.at(4, 5), kPlayerStartByte);
  EXPECT_EQ(e.level.grid.at(5, 5), kWall);

  // Through the commands: the status line says so, and it is one step.
  SelectAll(e.tools);
  CellBlock clipboard;
  ASSERT_TRUE(CopySelection(e.tools, e.level.grid, clipboard));
  e.level.history.Reset(e.level.grid);
  ASSERT_TRUE(StartPaste(e.tools, clipboard, {0, 0}));
  e.Area(MouseEvent::kMove, {30, 30});
  const auto dropped = e.Area(MouseEvent::kLeftDown, {30, 30});
  EXPECT_EQ(dropped.status, kPlayerLeftOutStatus);
  EXPECT_FALSE(e.tools.floating);
  EXPECT_EQ(e.level.grid.at(30, 30), kWall);
  EXPECT_EQ(e.level.grid.at(34, 35), kEmptyByte);  // where the copied player start would have gone
  EXPECT_EQ(e.level.grid.at(4, 5), kPlayerStartByte);
  int players = 0;
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x) players += e.level.grid.at(x, y) == kPlayerStartByte;
  EXPECT_EQ(players, 1);
  UndoEdit(e.level);
  EXPECT_FALSE(e.level.unsaved_changes);
}
