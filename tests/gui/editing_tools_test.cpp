#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "world/cell_codes.h"

using testing_support::EditorTest;
using testing_support::WhenModal;

namespace {

// Client coordinates of the middle of grid cell (column, row) at scroll (1, 1).
QPoint CellCentre(int column, int row) {
  return {200 + column * 25 + 12 + 1, row * 25 + 12};
}

}  // namespace

class ToolTest : public EditorTest {
 protected:
  void PaintAt(int column, int row, Qt::MouseButton b = Qt::LeftButton) {
    const QPoint p = CellCentre(column, row);
    Click(p.x(), p.y(), b);
  }
  bool Holding() const { return window->State().tools.tool_code.has_value(); }
};

TEST_F(ToolTest, PickedWallIsPaintedWhileTheButtonIsHeldAndStays) {
  ClickControl(172);  // wall texture 2
  ASSERT_TRUE(Holding());
  EXPECT_FALSE(State().level.unsaved_changes);
  const QPoint from = CellCentre(3, 5);
  Move(from.x(), from.y());
  Press(from.x(), from.y());
  for (int column = 4; column <= 6; ++column) Move(CellCentre(column, 5).x(), from.y());
  Release(CellCentre(6, 5).x(), from.y());
  for (int column = 3; column <= 6; ++column) EXPECT_EQ(Grid().at(column, 5), 17) << column;
  EXPECT_EQ(Grid().at(7, 5), 120);
  EXPECT_TRUE(Holding());
  EXPECT_TRUE(State().level.unsaved_changes);
  // The map picture shows the wall's thumbnail (tile (0, 25) of the sheet) in that cell.
  EXPECT_EQ(window->MapPicture().at(3 * 25 + 12, 5 * 25 + 12), (assets::Rgb{0, 10, 7}));
}

TEST_F(ToolTest, PlayerIsPlacedOnceAndCanOnlyBePickedWhileNoneIsPlaced) {
  ClickControl(340);
  PaintAt(10, 10);
  EXPECT_EQ(Grid().at(10, 10), world::kPlayerStartByte);
  EXPECT_FALSE(Holding());
  ClickControl(340);
  EXPECT_FALSE(Holding());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], (platform::Message{"Player position has been defined already", "Error"}));
  PaintAt(10, 10, Qt::RightButton);
  EXPECT_EQ(Grid().at(10, 10), 120);
  ClickControl(340);
  EXPECT_TRUE(Holding());
}

TEST_F(ToolTest, RightClickErasesTheCellAndDropsTheTool) {
  ClickControl(210);  // enemy 2
  PaintAt(4, 4);
  EXPECT_EQ(Grid().at(4, 4), 105);
  PaintAt(5, 5, Qt::RightButton);
  EXPECT_FALSE(Holding());
  EXPECT_EQ(Grid().at(5, 5), 120);
  PaintAt(0, 0, Qt::RightButton);
  EXPECT_EQ(Grid().at(0, 0), 120);
  EXPECT_EQ(window->MapPicture().at(12, 12), (assets::Rgb{128, 128, 192}));
  EXPECT_EQ(Grid().at(4, 4), 105);
}

TEST_F(ToolTest, AClickOnAnotherButtonPicksItsToolAtOnceAndTheHeldButtonIsFramed) {
  ClickControl(941);  // treasure 1
  ClickControl(942);
  EXPECT_EQ(State().tools.tool_code, world::kFirstTreasureCode + 1);
  const QWidget* frame = window->findChild<QWidget*>("held");
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->geometry().contains(Control(942)->geometry()));
  ClickControl(447);  // the scroll buttons too
  EXPECT_EQ(State().scroll.column, 2);
  EXPECT_TRUE(Holding());
  Move(100, 300);  // Escape over the palette keeps the tool
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Holding());
  Move(400, 300);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Holding());
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(ToolTest, TheCursorIsFollowedOverThePalettesControlsToo) {
  ClickControl(171);  // wall texture 1
  const QPoint on_map = CellCentre(0, 0);
  Move(on_map.x(), on_map.y());
  EXPECT_EQ(Text(388), "BlockX: 1");
  const struct {
    int control;
    const char* what;
  } controls[] = {{172, "a wall button"}, {193, "the Walls frame"}, {389, "the BlockY text"}};
  for (const auto& c : controls) {
    SCOPED_TRACE(c.what);
    Move(on_map.x(), on_map.y());
    QWidget* control = Control(c.control);
    const QPoint centre = control->mapTo(window->centralWidget(), QPoint(control->width() / 2, 3));
    Move(centre.x(), centre.y());
    EXPECT_EQ(Text(388), "");
    EXPECT_EQ(Text(389), "");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Holding());
  }
}

TEST_F(ToolTest, LeftClickOnThePaletteBackgroundDropsTheTool) {
  ClickControl(343);
  Click(180, 10);
  EXPECT_FALSE(Holding());
  ClickControl(343);
  Click(10, 400);  // inside the "Enemies" frame, beside its buttons
  EXPECT_FALSE(Holding());
}

TEST_F(ToolTest, ArrowKeysScrollWhileAToolIsHeld) {
  ClickControl(171);
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  EXPECT_EQ(State().scroll.column, 2);
  EXPECT_EQ(State().scroll.row, 2);
  EXPECT_TRUE(Holding());
}

TEST_F(ToolTest, PlacingUsesTheScrolledCell) {
  State().scroll = {11, 21};
  window->RedrawMap();
  ClickControl(219);  // key
  PaintAt(2, 3);
  EXPECT_EQ(Grid().at(12, 23), 89);
}

TEST_F(ToolTest, RightPressOverThePaletteReleasedOverTheMapErasesNothing) {
  Grid().at(8, 8) = 30;
  Move(100, 300);
  Press(100, 300, Qt::RightButton);
  const QPoint cell = CellCentre(8, 8);
  Move(cell.x(), cell.y());
  Release(cell.x(), cell.y(), Qt::RightButton);
  Move(cell.x() + 1, cell.y());
  EXPECT_FALSE(State().tools.right_held);
  EXPECT_EQ(Grid().at(8, 8), 30);
  EXPECT_FALSE(State().level.unsaved_changes);
}

TEST_F(ToolTest, HeldToolHangsAtTheCursorOverTheMap) {
  ClickControl(171);
  Move(400, 300);
  QImage shot = window->grab().toImage();
  const QPoint at = window->centralWidget()->mapTo(window.get(), QPoint(400, 300));
  EXPECT_EQ(shot.pixelColor(at), QColor(0, 0, 7));  // tile (0, 0) of the sheet
  Key(Qt::Key_Escape);
  shot = window->grab().toImage();
  EXPECT_EQ(shot.pixelColor(at), QColor(128, 128, 192));
}

TEST_F(ToolTest, NewAndLoadDropTheTool) {
  ClickControl(171);
  window->Dispatch(app::command::kNew);
  EXPECT_FALSE(Holding());
}

// Replace Walls ------------------------------------------------------------

namespace {

void RunReplaceWalls(app::MainWindow& window, int box, const QString& first, const QString& second,
                     int button) {
  WhenModal([=](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Replace Walls");
    EXPECT_EQ(dialog->size(), QSize(409, 282));
    static_cast<QLineEdit*>(kit::FindControl(dialog, box))->setText(first);
    if (box == 460) static_cast<QLineEdit*>(kit::FindControl(dialog, 461))->setText(second);
    static_cast<QPushButton*>(kit::FindControl(dialog, button))->click();
    static_cast<QPushButton*>(kit::FindControl(dialog, 474))->click();
  });
  window.Dispatch(app::command::kReplaceWalls);
}

}  // namespace

TEST_F(ToolTest, ReplaceWallsTable) {
  struct Case {
    const char* name;
    int box;
    const char* first;
    const char* second;
    int button;
    std::function<void(world::LevelGrid&)> check;
  };
  const Case cases[] = {
      {"0 to 5 fills the empty cells", 460, "0", "5", 464,
       [](world::LevelGrid& g) {
         EXPECT_EQ(g.at(10, 10), 20);
         EXPECT_EQ(g.at(0, 0), 16);
         EXPECT_EQ(g.at(20, 20), 92);
       }},
      {"3 to 0 erases walls of texture 3", 460, "3", "0", 464,
       [](world::LevelGrid& g) {
         EXPECT_EQ(g.at(5, 5), 120);
         EXPECT_EQ(g.at(6, 6), 19);
       }},
      {"41 is taken as 40", 460, "41", "1", 464, [](world::LevelGrid& g) { EXPECT_EQ(g.at(7, 7), 16); }},
      {"$2A is taken as 40 too", 460, "$2A", "2", 464,
       [](world::LevelGrid& g) { EXPECT_EQ(g.at(7, 7), 17); }},
      {"Fill keeps what is there", 466, "9", "", 468,
       [](world::LevelGrid& g) {
         EXPECT_EQ(g.at(10, 10), 24);
         EXPECT_EQ(g.at(5, 5), 18);
         EXPECT_EQ(g.at(20, 20), 92);
       }},
      {"Fill Border replaces everything on the border", 470, "12", "", 472,
       [](world::LevelGrid& g) {
         EXPECT_EQ(g.at(0, 30), 27);
         EXPECT_EQ(g.at(63, 2), 27);
         EXPECT_EQ(g.at(30, 63), 27);
         EXPECT_EQ(g.at(1, 1), 120);
       }},
      {"Fill Border with 0 erases the border", 470, "0", "", 472,
       [](world::LevelGrid& g) {
         for (int i = 0; i < 64; ++i) {
           EXPECT_EQ(g.at(i, 0), 120);
           EXPECT_EQ(g.at(0, i), 120);
         }
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window->Dispatch(app::command::kNew);
    Grid().at(5, 5) = 18;    // wall 3
    Grid().at(6, 6) = 19;    // wall 4
    Grid().at(7, 7) = 55;    // wall 40
    Grid().at(20, 20) = 92;  // player
    Grid().at(0, 40) = 92;
    RunReplaceWalls(*window, c.box, c.first, c.second, c.button);
    c.check(Grid());
    EXPECT_TRUE(State().level.unsaved_changes);
  }
  window->Undo();  // the last operation is one step
  EXPECT_EQ(Grid().at(30, 0), 16);
  EXPECT_EQ(Grid().at(0, 40), 92);
}
