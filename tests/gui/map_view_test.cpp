#include "map/map_view.h"

#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "world/map_geometry.h"

using testing_support::EditorTest;

namespace {

const assets::Rgb kRed{255, 0, 0};
const assets::Rgb kBackground{128, 128, 192};

}  // namespace

TEST_F(EditorTest, DefaultSizeShows24ColumnsAnd24RowsWithRedStrips) {
  const assets::Picture& map = window->MapPicture();
  ASSERT_EQ(map.width, 600);
  ASSERT_EQ(map.height, 620);
  EXPECT_EQ(world::VisibleColumns(map.width), 24);
  EXPECT_EQ(world::VisibleRows(map.height), 24);
  // A 25th row and column are drawn over the strips where the grid goes on.
  EXPECT_EQ(map.at(599, 300), kBackground);
  EXPECT_EQ(map.at(300, 610), kBackground);
  State().scroll = {41, 41};
  window->RedrawMap();
  EXPECT_EQ(map.at(300, 610), kRed);
  EXPECT_EQ(map.at(599, 610), kRed);
  EXPECT_NE(map.at(599, 590), kRed);  // the border wall of column 64
}

TEST_F(EditorTest, ScrollKeysStopAtTheEdges) {
  for (int i = 0; i < 50; ++i) Key(Qt::Key_Right);
  EXPECT_EQ(State().scroll.column, 41);
  Key(Qt::Key_Right);
  EXPECT_EQ(State().scroll.column, 41);
  for (int i = 0; i < 50; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(State().scroll.row, 41);
  Key(Qt::Key_Left);
  Key(Qt::Key_Up);
  EXPECT_EQ(State().scroll.column, 40);
  EXPECT_EQ(State().scroll.row, 40);
  for (int i = 0; i < 50; ++i) Key(Qt::Key_Left);
  EXPECT_EQ(State().scroll.column, 1);
}

TEST_F(EditorTest, ScrollButtonsScrollByOneCell) {
  ClickControl(447);
  ClickControl(447);
  ClickControl(449);
  EXPECT_EQ(State().scroll.column, 3);
  EXPECT_EQ(State().scroll.row, 2);
  ClickControl(446);
  ClickControl(448);
  EXPECT_EQ(State().scroll.column, 2);
  EXPECT_EQ(State().scroll.row, 1);
}

TEST_F(EditorTest, WheelNotchAwayShowsTheRowAbove) {
  State().scroll.row = 10;
  auto* map = window->findChild<world::MapView*>();
  QWheelEvent away(QPointF(50, 50), map->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(map, &away);
  EXPECT_EQ(State().scroll.row, 8);
}

TEST_F(EditorTest, ReadOutShowsTheBlockUnderTheCursor) {
  struct Case {
    int x, y;
    const char* block_x;
    const char* block_y;
  };
  const Case cases[] = {{225, 10, "BlockX: 1", "BlockY: 1"},
                        {226, 10, "BlockX: 2", "BlockY: 1"},
                        {201, 26, "BlockX: 1", "BlockY: 2"},
                        {260, 100, "BlockX: 3", "BlockY: 5"}};
  for (const Case& c : cases) {
    Move(c.x, c.y);
    EXPECT_EQ(Text(388), c.block_x) << c.x;
    EXPECT_EQ(Text(389), c.block_y) << c.y;
  }
  Move(150, 10);
  EXPECT_EQ(Text(388), "");
  EXPECT_EQ(Text(389), "");
  State().scroll = {41, 10};
  Move(226, 10);
  EXPECT_EQ(Text(388), "BlockX: 42");
  EXPECT_EQ(Text(389), "BlockY: 10");
}

TEST_F(EditorTest, DraggingTheMapScrollsByWholeCells) {
  struct Case {
    int dx, dy;
    int column, row;  // after the drag, starting at column 20, row 20
  };
  const Case cases[] = {{30, 0, 19, 20},  {25, 0, 20, 20}, {80, 0, 17, 20},
                        {-30, 0, 21, 20}, {0, 30, 20, 19}, {0, -80, 20, 23}};
  for (const Case& c : cases) {
    State().scroll = {20, 20};
    window->RedrawMap();
    Move(400, 300);
    Press(400, 300);
    Move(400 + c.dx, 300 + c.dy);
    Release(400 + c.dx, 300 + c.dy);
    EXPECT_EQ(State().scroll.column, c.column) << c.dx << "," << c.dy;
    EXPECT_EQ(State().scroll.row, c.row) << c.dx << "," << c.dy;
  }
}

TEST_F(EditorTest, DragOfSmallStepsAddsUpFromTheLastScroll) {
  State().scroll = {20, 20};
  Press(400, 300);
  for (int x = 405; x <= 450; x += 5) Move(x, 300);  // 26 pixels scroll once, the rest stays below 26
  Release(450, 300);
  EXPECT_EQ(State().scroll.column, 19);
}
