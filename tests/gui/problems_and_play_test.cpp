// The author's loop in the editor: the Problems panel leading to the cell
// that breaks a rule, and Play Level starting the runtime on the level on
// screen.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "map/map_view.h"
#include "platform/files.h"
#include "shell/command_numbers.h"
#include "shell/play_test_runner.h"
#include "shell/problems_panel.h"
#include "tests/gui/editor_fixture.h"
#include "tests/support/drawn_level.h"
#include "tests/support/game_workspace.h"
#include "tests/support/run_command.h"
#include "world/cell_codes.h"
#include "world/level.h"
#include "world/map_geometry.h"

namespace {

namespace fs = std::filesystem;
using namespace app::command;
using testing_support::DrawnLevel;
using testing_support::EditorTest;

class ProblemsAndPlay : public EditorTest {
 protected:
  void WriteSettings(int levels) {
    platform::Bytes settings(104, 0);
    settings[0] = static_cast<uint8_t>(levels);
    folder.Write("twksys/settings", settings);
  }
  QTreeWidget* List() { return window->findChild<QTreeWidget*>("problems"); }
  QTreeWidgetItem* Row(const QString& file, const QString& cell) {
    for (int i = 0; i < List()->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = List()->topLevelItem(i);
      if (item->text(1) == file && item->text(2) == cell) return item;
    }
    return nullptr;
  }
  // As the window system delivers one: press, release, double-click, release.
  void DoubleClick(QTreeWidgetItem* item) {
    const QPoint at = List()->visualItemRect(item).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, at);
  }
};

TEST_F(ProblemsAndPlay, DoubleClickingAProblemOpensItsLevelAtTheCell) {
  WriteSettings(2);
  folder.Write("twksys/game1", world::LevelFileBytes(DrawnLevel({"####", "#PE#", "####"})));
  world::LevelGrid broken = DrawnLevel({"####", "#PE#", "####"});
  broken.at(world::kLevelSize - 1, 50) = world::kEmptyByte;
  folder.Write("twksys/game2", world::LevelFileBytes(broken));
  Grid().at(10, 10) = 30;
  State().level.unsaved_changes = true;

  Key(Qt::Key_F8);
  auto& panel = window->Problems();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  QTreeWidgetItem* item = Row("game2", "64:51");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(0), "error");
  EXPECT_EQ(item->text(3), "open border cell");

  DoubleClick(item);
  EXPECT_EQ(prompter.asked, (std::vector<platform::Message>{{"Save changes?", "TWK"}}));
  EXPECT_EQ(State().level.current_level_number, "2");
  EXPECT_EQ(window->windowTitle(), "Level 2 - Tarnwick");
  EXPECT_EQ(Grid().at(world::kLevelSize - 1, 50), world::kEmptyByte);
  EXPECT_FALSE(State().level.unsaved_changes);

  // The cell lies among the columns and rows the window shows whole, marked.
  const world::ScrollPosition scroll = State().scroll;
  const QSize client = window->centralWidget()->size();
  const int column_in_view = 63 - (scroll.column - 1), row_in_view = 50 - (scroll.row - 1);
  EXPECT_GE(column_in_view, 0);
  EXPECT_LT(column_in_view, (client.width() - world::kPaletteWidth) / world::kCellPixels);
  EXPECT_GE(row_in_view, 0);
  EXPECT_LT(row_in_view, client.height() / world::kCellPixels);
  EXPECT_EQ(State().marked_cell, (world::GridCell{63, 50}));
  const auto* map = window->findChild<world::MapView*>();
  EXPECT_EQ(map->Mark(), QRect(column_in_view * 25, row_in_view * 25, 25, 25));

  Key(Qt::Key_Left);  // the mark keeps to its cell
  EXPECT_EQ(map->Mark(), QRect((column_in_view + 1) * 25, row_in_view * 25, 25, 25));
  Click(300, 100);
  EXPECT_EQ(State().marked_cell, std::nullopt);
  EXPECT_TRUE(map->Mark().isEmpty());
}

TEST_F(ProblemsAndPlay, CreateGameStoppedByALevelOpensThePanel) {
  testing_support::WriteGameWorkspace(folder);
  WriteSettings(1);
  folder.Write("twksys/game1", world::LevelFileBytes(DrawnLevel({"####", "#  #", "####"})));
  State().level.unsaved_world = false;
  window->Dispatch(kCreateGame);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text.rfind("Error on Level 1. Possible reasons:", 0), 0u);
  EXPECT_TRUE(window->Problems().isVisible());
  EXPECT_NE(Row("game1", ""), nullptr);
}

// Play Level on the starter game, the runtime under the dummy drivers.
class PlayLevel : public ProblemsAndPlay {
 protected:
  void SetUp() override {
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    const auto made = testing_support::RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" +
                                                     folder.path().string() + "' > /dev/null");
    ASSERT_EQ(made.status, 0) << made.out;
    ProblemsAndPlay::SetUp();
  }
  platform::Workspace Workspace() const { return platform::Workspace(folder.path()); }
  const QProcess* Game() { return window->PlayTest().Game(); }
  QStringList Arguments() { return Game() ? Game()->arguments() : QStringList(); }
  QString Pack() { return QString::fromStdString(window->PlayTest().PackPath().string()); }
  world::GridCell FirstEmptyCell() {
    for (int row = 0; row < world::kLevelSize; ++row)
      for (int column = 0; column < world::kLevelSize; ++column)
        if (Grid().at(column, row) == world::kEmptyByte) return {column, row};
    ADD_FAILURE() << "no empty cell";
    return {};
  }
  // Moves the cursor over the cell, scrolled into view.
  void PointAt(world::GridCell cell) {
    window->ScrollToCell(cell);
    const world::ScrollPosition scroll = State().scroll;
    Move(world::kPaletteWidth + (cell.column - scroll.column + 1) * world::kCellPixels + 12,
         (cell.row - scroll.row + 1) * world::kCellPixels + 12);
  }
};

TEST_F(PlayLevel, F5PlaysTheLevelOnScreenAndASecondPressReplacesTheGame) {
  ASSERT_TRUE(window->Session().Open(2));
  const platform::Bytes saved = *Workspace().Read("game2");
  const world::GridCell open = FirstEmptyCell();
  Grid().at(open.column, open.row) = world::CellByteOf(world::kHealthPackCode);
  State().level.unsaved_changes = true;
  Move(50, 50);  // over the palette: no cursor cell

  Key(Qt::Key_F5);
  EXPECT_TRUE(prompter.shown.empty());
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(Game()->state(), QProcess::Running);
  EXPECT_EQ(Arguments(), QStringList({"--pak", Pack(), "--level", "2"}));
  const platform::Bytes pack = *platform::ReadFileBytes(window->PlayTest().PackPath(), 1 << 24);
  const platform::Bytes edited = world::LevelFileBytes(Grid());
  EXPECT_NE(std::search(pack.begin(), pack.end(), edited.begin(), edited.end()), pack.end())
      << "the pack stores the grid on screen";
  EXPECT_EQ(*Workspace().Read("game2"), saved);
  EXPECT_FALSE(Workspace().Exists("game.pak"));
  const qint64 first = Game()->processId();

  // Play From Here: the cell under the cursor, facing the last arrow key.
  Key(Qt::Key_Up);
  Grid().at(open.column, open.row) = world::kEmptyByte;
  PointAt(open);
  QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
  EXPECT_TRUE(prompter.shown.empty());
  ASSERT_NE(Game(), nullptr);
  EXPECT_NE(Game()->processId(), first);
  EXPECT_EQ(::kill(static_cast<pid_t>(first), 0), -1) << "the first game has ended";
  EXPECT_EQ(Arguments(), QStringList({"--pak", Pack(), "--level", "2", "--start",
                                      QString("%1,%2,270").arg(open.column + 1).arg(open.row + 1)}));
}

TEST_F(PlayLevel, ALevelWithoutAPlayerStartOrCursorCellSaysWhy) {
  Grid() = DrawnLevel({"####", "#  #", "####"});
  Move(50, 50);
  Key(Qt::Key_F5);
  EXPECT_EQ(prompter.shown,
            (std::vector<platform::Message>{
                {"The level has no player start: place one, or point at a cell on the map and use Play From Here.",
                 "Play Level"}}));
  EXPECT_EQ(Game(), nullptr);
}

}  // namespace
