#include "world/map_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace world;

TEST(MapGeometry, VisibleCellsAndWindowBounds) {
  struct Case {
    Size inner;
    Size map;
    int columns, rows;
  };
  const Case cases[] = {
      {{800, 620}, {600, 620}, 24, 24},      // the default window
      {{600, 300}, {500, 400}, 20, 16},      // below the minimum
      {{1800, 1620}, {1600, 1620}, 64, 64},  // the largest window shows the whole level
      {{4000, 4000}, {1600, 1620}, 64, 64},
      {{713, 424}, {513, 424}, 21, 16},  // 525 / 25: half a column left over counts
      {{712, 424}, {512, 424}, 20, 16},
  };
  for (const Case& c : cases) {
    const Size map = MapPictureSize(c.inner);
    EXPECT_EQ(map, c.map) << c.inner.width;
    EXPECT_EQ(VisibleColumns(map.width), c.columns) << c.inner.width;
    EXPECT_EQ(VisibleRows(map.height), c.rows) << c.inner.height;
  }
}

TEST(MapGeometry, BlockUnderTheCursor) {
  struct Case {
    int dx, dy;
    ScrollPosition scroll;
    CellUnderCursor expected;
  };
  const Case cases[] = {
      {0, 0, {1, 1}, {0, 0, 1, 1, 1, 1}},
      {25, 25, {1, 1}, {0, 0, 1, 1, 1, 1}},  // 25 still reads the first cell
      {26, 26, {1, 1}, {25, 25, 2, 2, 2, 2}},
      {74, 99, {1, 1}, {50, 75, 3, 4, 3, 4}},
      {599, 619, {41, 41}, {575, 575, 24, 24, 64, 64}},  // kept inside the 64 cells
      {1599, 1599, {1, 1}, {1575, 1575, 64, 64, 64, 64}},
      {300, 300, {10, 20}, {300, 300, 13, 13, 22, 32}},
  };
  for (const Case& c : cases) EXPECT_EQ(CellAt(c.dx, c.dy, c.scroll), c.expected) << c.dx << "," << c.dy;
}

TEST(MapGeometry, WheelScrollsRowsByWholeNotches) {
  struct Case {
    int delta;
    int row;  // starting at 10
  };
  const Case cases[] = {{120, 9}, {-120, 11}, {240, 8}, {119, 10}, {-239, 11}, {65536 + 120, 9}};
  for (const Case& c : cases) {
    ScrollPosition scroll{5, 10};
    ScrollByWheel(scroll, c.delta);
    EXPECT_EQ(scroll.row, c.row) << c.delta;
    EXPECT_EQ(scroll.column, 5);
  }
}

TEST(MapGeometry, DragMovesOnlyFrom26PixelsAndRoundsToWholeCells) {
  const std::pair<int, int> cases[] = {{0, 0},  {25, 0}, {-25, 0}, {26, 1},  {30, 1}, {37, 1},
                                       {38, 2}, {80, 3}, {-80, 3}, {-26, 1}, {62, 2}, {63, 3}};
  for (const auto& [distance, cells] : cases) EXPECT_EQ(DragCells(distance), cells) << distance;
}

TEST(MapZoom, StepsRunFromFiveToFiftyThroughTheDefault) {
  EXPECT_EQ(ZoomedOut(kMinCellPixels), kMinCellPixels);
  EXPECT_EQ(ZoomedIn(kMaxCellPixels), kMaxCellPixels);
  int cell = kMinCellPixels;
  bool passed_default = false;
  while (cell < kMaxCellPixels) {
    const int next = ZoomedIn(cell);
    ASSERT_GT(next, cell);
    EXPECT_EQ(ZoomedOut(next), cell);
    passed_default = passed_default || next == kCellPixels;
    cell = next;
  }
  EXPECT_TRUE(passed_default);
  EXPECT_EQ(ZoomedIn(24), kCellPixels);  // a size between steps goes to the next one
  EXPECT_EQ(ZoomedOut(24), 20);
}

TEST(MapZoom, TheWholeLevelFitsTheSmallestAndTheLargestMap) {
  for (const Size map : {Size{500, 400}, Size{600, 620}, Size{1600, 1620}}) {
    const int cell = WholeLevelCellPixels(map);
    EXPECT_GE(cell, kMinCellPixels);
    EXPECT_GE(VisibleColumns(map.width, cell), kLevelSize) << map.width;
    EXPECT_GE(VisibleRows(map.height, cell), kLevelSize) << map.height;
    EXPECT_LE((kLevelSize + 1) * cell, std::min(map.width, map.height)) << "the edge strips show";
  }
}

TEST(MapZoom, TheCellUnderTheCursorStaysUnderIt) {
  struct Case {
    ScrollPosition scroll;
    int dx, dy, old_cell, new_cell;
  };
  const Case cases[] = {
      {{20, 30}, 137, 211, 25, 50}, {{20, 30}, 137, 211, 50, 25}, {{20, 20}, 300, 300, 25, 16},
      {{1, 1}, 137, 211, 5, 50},    {{20, 20}, 301, 77, 16, 35},
  };
  const Size map{600, 620};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.old_cell << " to " << c.new_cell << " at " << c.dx << ", " << c.dy);
    const CellUnderCursor before = CellAt(c.dx, c.dy, c.scroll, c.old_cell);
    ScrollPosition scroll = c.scroll;
    ZoomAbout(scroll, c.dx, c.dy, c.old_cell, c.new_cell);
    ClampScroll(scroll, VisibleColumns(map.width, c.new_cell), VisibleRows(map.height, c.new_cell));
    const CellUnderCursor after = CellAt(c.dx, c.dy, scroll, c.new_cell);
    EXPECT_EQ(after.block_x, before.block_x);
    EXPECT_EQ(after.block_y, before.block_y);
  }
  // Near the top left corner the map cannot scroll further: it stays at cell 1.
  ScrollPosition scroll{2, 1};
  ZoomAbout(scroll, 137, 211, 25, 5);
  ClampScroll(scroll, VisibleColumns(map.width, 5), VisibleRows(map.height, 5));
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(scroll.row, 1);
}

TEST(MapZoom, TheReadOutAndDragFollowTheCellSize) {
  EXPECT_EQ(CellAt(26, 26, {1, 1}, 5), (CellUnderCursor{25, 25, 6, 6, 6, 6}));
  EXPECT_EQ(CellAt(149, 51, {3, 4}, 50), (CellUnderCursor{100, 50, 3, 2, 5, 5}));
  EXPECT_EQ(DragCells(50, 50), 0);
  EXPECT_EQ(DragCells(51, 50), 1);
  EXPECT_EQ(DragCells(6, 5), 1);
  EXPECT_EQ(DragCells(-13, 5), 3);
}

TEST(MapGeometry, ScrollToShowMovesOnlyForACellOutOfSight) {
  struct Case {
    ScrollPosition scroll;
    GridCell cell;
    ScrollPosition expected;
  };
  // 24 x 24 cells visible, 24 x 23 shown whole.
  const Case cases[] = {
      {{1, 1}, {5, 5}, {1, 1}},       // in sight: stays
      {{1, 1}, {23, 22}, {1, 1}},     // the last column and row shown whole
      {{1, 1}, {24, 22}, {13, 1}},    // one column further: centred
      {{1, 1}, {5, 23}, {1, 13}},     // one row below the shown ones
      {{30, 30}, {2, 3}, {1, 1}},     // centring would scroll past the top left
      {{1, 1}, {63, 62}, {41, 41}},   // ... or past the bottom right
      {{20, 20}, {10, 45}, {1, 35}},  // to the left and below
  };
  for (const Case& c : cases) {
    ScrollPosition scroll = c.scroll;
    ScrollToShow(scroll, c.cell, {24, 23}, {24, 24});
    EXPECT_EQ(scroll.column, c.expected.column) << c.cell.column << "," << c.cell.row;
    EXPECT_EQ(scroll.row, c.expected.row) << c.cell.column << "," << c.cell.row;
  }
}
