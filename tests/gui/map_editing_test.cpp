// Editing on the real main window: strokes without gaps, undo back to the
// loaded level, the selection and the paste, shapes, zoom, the status line
// and the Edit menu.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QWheelEvent>

#include "map/map_view.h"
#include "platform/files.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "world/cell_codes.h"
#include "world/grid_shapes.h"
#include "world/level.h"

using testing_support::EditorTest;
using testing_support::WhenModal;

namespace {

// Client coordinates of the middle of grid cell (column, row) at scroll (1, 1).
QPoint CellCentre(int column, int row, int cell = 25) {
  return {200 + column * cell + cell / 2 + 1, row * cell + cell / 2};
}

class MapEditingTest : public EditorTest {
 protected:
  void Stroke(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    Move(from.x(), from.y());
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, modifiers, At(from.x(), from.y()));
    QTest::mouseMove(window->windowHandle(), At(to.x(), to.y()));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, modifiers, At(to.x(), to.y()));
  }
  void Keys(const QKeySequence& keys) { QTest::keySequence(window.get(), keys); }
  // Loads level `number` through the Load Level dialog.
  void LoadLevel(const char* number) {
    WhenModal(
        [number](QDialog* dialog) { testing_support::TypeAndPress(dialog, "number", number, "confirm"); });
    window->Dispatch(app::command::kLoadLevel);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
};

}  // namespace

TEST_F(MapEditingTest, AFastStrokeAcrossARoomLeavesNoGap) {
  ClickControl(173);  // wall texture 3
  const uint8_t wall = world::CellByteOf(world::WallCode(3));
  Stroke(CellCentre(1, 1), CellCentre(22, 17));  // one mouse event from corner to corner
  for (const world::GridPoint p : world::LineCells({1, 1}, {22, 17}))
    EXPECT_EQ(Grid().at(p.x, p.y), wall) << p.x << ", " << p.y;
  EXPECT_EQ(window->windowTitle(), "Tarnwick*");
  // The whole stroke is one step.
  Keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(Grid().at(10, 9), world::kEmptyByte);
  EXPECT_EQ(Grid().at(22, 17), world::kEmptyByte);
  EXPECT_EQ(window->windowTitle(), "Tarnwick");
  Keys(QKeySequence("Ctrl+Y"));
  EXPECT_EQ(Grid().at(22, 17), wall);
}

TEST_F(MapEditingTest, UndoingAPlacedWallLeavesTheLoadedLevelFileAndTitle) {
  world::LevelState level;
  world::MakeNewWorld(level);
  level.grid.at(4, 4) = world::kPlayerStartByte;
  const platform::Bytes file = world::LevelFileBytes(level.grid);
  folder.Write("twksys/game3", std::string(file.begin(), file.end()));
  LoadLevel("3");
  ASSERT_EQ(window->windowTitle(), "Level 3 - Tarnwick");
  QAction* undo = window->Action(app::command::kUndo);
  QAction* redo = window->Action(app::command::kRedo);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  ClickControl(171);
  const QPoint cell = CellCentre(6, 6);
  Click(cell.x(), cell.y());
  EXPECT_EQ(window->windowTitle(), "Level 3* - Tarnwick");
  EXPECT_TRUE(undo->isEnabled());
  Keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(window->windowTitle(), "Level 3 - Tarnwick");
  EXPECT_EQ(world::LevelFileBytes(Grid()), file);
  EXPECT_EQ(platform::ReadFileBytes(folder / "twksys/game3"), file);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  // The map shows the empty cell again.
  EXPECT_EQ(window->MapPicture().at(6 * 25 + 12, 6 * 25 + 12), (assets::Rgb{128, 128, 192}));
  // Nothing to save: New asks no question, and clears the history.
  window->Dispatch(app::command::kNew);
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(MapEditingTest, ACopiedRoomIsPastedWhereTheClickDropsItWithoutASecondPlayer) {
  Grid().at(3, 3) = world::kPlayerStartByte;
  Grid().at(4, 3) = 30;
  window->RedrawMap();
  Stroke(CellCentre(2, 2), CellCentre(5, 4), Qt::ShiftModifier);
  EXPECT_EQ(State().tools.selection, (world::GridRect{2, 2, 5, 4}));
  Keys(QKeySequence("Ctrl+C"));
  Keys(QKeySequence("Ctrl+V"));
  ASSERT_TRUE(State().tools.floating);
  const QPoint target = CellCentre(12, 10);
  Move(target.x(), target.y());
  EXPECT_EQ(State().tools.paste_at, (world::GridPoint{12, 10}));
  EXPECT_EQ(Grid().at(14, 11), world::kEmptyByte);  // only a preview so far
  Press(target.x(), target.y());
  Release(target.x(), target.y());
  EXPECT_EQ(Grid().at(14, 11), 30);
  EXPECT_EQ(Grid().at(13, 11), world::kEmptyByte);  // the player start was left out
  EXPECT_EQ(window->StatusText(), "The player start was left out: the level has one already");
  EXPECT_FALSE(State().tools.floating);
  Keys(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(Grid().at(14, 11), world::kEmptyByte);

  // The clipboard outlives a level load: the room goes into level 3 too,
  // with its player start, as level 3 has none.
  world::LevelState other;
  world::MakeNewWorld(other);
  const platform::Bytes file = world::LevelFileBytes(other.grid);
  folder.Write("twksys/game3", std::string(file.begin(), file.end()));
  LoadLevel("3");
  Keys(QKeySequence("Ctrl+V"));
  Move(target.x(), target.y());
  Press(target.x(), target.y());
  Release(target.x(), target.y());
  EXPECT_EQ(Grid().at(14, 11), 30);
  EXPECT_EQ(Grid().at(13, 11), world::kPlayerStartByte);
  EXPECT_EQ(window->windowTitle(), "Level 3* - Tarnwick");
}

TEST_F(MapEditingTest, ShapesAndFillWithTheHeldThing) {
  ClickControl(209);  // enemy 1
  Keys(QKeySequence("R"));
  Stroke(CellCentre(2, 2), CellCentre(6, 5));
  const uint8_t enemy = world::CellByteOf(world::kFirstEnemyCode);
  EXPECT_EQ(Grid().at(2, 2), enemy);
  EXPECT_EQ(Grid().at(6, 5), enemy);
  EXPECT_EQ(Grid().at(4, 3), world::kEmptyByte);
  Keys(QKeySequence("F"));
  ClickControl(171);
  const QPoint inside = CellCentre(4, 4);
  Click(inside.x(), inside.y());
  EXPECT_EQ(Grid().at(3, 3), 16);
  EXPECT_EQ(Grid().at(5, 4), 16);
  EXPECT_EQ(Grid().at(10, 10), world::kEmptyByte);  // outside the rectangle
  EXPECT_TRUE(window->Action(app::command::kShapeFill)->isChecked());
  Keys(QKeySequence("Ctrl+Z"));
  Keys(QKeySequence("Ctrl+Z"));
  EXPECT_FALSE(State().level.unsaved_changes);
}

TEST_F(MapEditingTest, ZoomKeepsTheReadOutAndTheToolsOnTheRightCell) {
  Keys(QKeySequence("Ctrl+-"));
  Keys(QKeySequence("Ctrl+-"));
  const int cell = State().cell_pixels;
  ASSERT_EQ(cell, 16);
  ClickControl(219);  // key
  const QPoint p = CellCentre(30, 20, cell);
  Click(p.x(), p.y());
  EXPECT_EQ(Grid().at(30, 20), 89);
  EXPECT_EQ(Text(388), "BlockX: 31");
  EXPECT_EQ(Text(389), "BlockY: 21");
  EXPECT_EQ(window->MapPicture().at(30 * cell + 8, 20 * cell + 8),
            (assets::Rgb{20, 30, 7}));  // key tile (50, 75)
  EXPECT_EQ(window->StatusText(), "key");

  Keys(QKeySequence("Ctrl+9"));  // the whole level
  const assets::Picture& map = window->MapPicture();
  EXPECT_GE(world::VisibleColumns(map.width, State().cell_pixels), 64);
  EXPECT_GE(world::VisibleRows(map.height, State().cell_pixels), 64);
  Keys(QKeySequence("Ctrl+0"));
  EXPECT_EQ(State().cell_pixels, 25);
  for (int i = 0; i < 10; ++i) Keys(QKeySequence("Ctrl++"));
  EXPECT_EQ(State().cell_pixels, 50);
}

TEST_F(MapEditingTest, CtrlWheelZoomsAboutTheCursorAndKeysOffTheMapAboutTheTopLeft) {
  State().scroll = {20, 20};
  window->RedrawMap();
  const QPoint over = CellCentre(10, 8);  // grid cell (29, 27) at scroll (20, 20)
  Move(over.x(), over.y());
  ASSERT_EQ(Text(388), "BlockX: 30");
  auto* map = window->findChild<world::MapView*>();
  const QPointF at(over.x() - 200, over.y());
  QWheelEvent notch(at, map->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(map, &notch);
  ASSERT_EQ(State().cell_pixels, 30);
  Move(over.x(), over.y());
  EXPECT_EQ(Text(388), "BlockX: 30");
  EXPECT_EQ(Text(389), "BlockY: 28");

  // Once the cursor has left the map (for the menu bar, say), the last map
  // position no longer counts.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(map, &leave);
  const world::ScrollPosition before = State().scroll;
  Keys(QKeySequence("Ctrl+0"));
  EXPECT_EQ(State().cell_pixels, 25);
  EXPECT_EQ(State().scroll.column, before.column);
  EXPECT_EQ(State().scroll.row, before.row);
}

TEST_F(MapEditingTest, EveryMenuFitsTheSmallestWindowAndShowsItsShortcuts) {
  window->resize(700, 400);
  QMenuBar* bar = window->menuBar();
  for (QAction* menu : bar->actions())
    EXPECT_LE(bar->actionGeometry(menu).right(), bar->width()) << menu->text().toStdString();
  EXPECT_EQ(window->Action(app::command::kUndo)->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(window->Action(app::command::kRedo)->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_EQ(window->Action(app::command::kSaveLevel)->shortcut(), QKeySequence("Ctrl+S"));
}
