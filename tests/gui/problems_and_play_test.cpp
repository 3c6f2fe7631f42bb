// The author's loop in the editor: the Problems panel leading to the cell
// that breaks a rule, and Play Level starting the runtime on the level on
// screen.
#include <gtest/gtest.h>
#include <QTreeWidget>
#include <filesystem>

#include "map/map_view.h"
#include "shell/command_numbers.h"
#include "shell/problems_panel.h"
#include "tests/gui/editor_fixture.h"
#include "tests/support/drawn_level.h"
#include "tests/support/game_workspace.h"
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

}  // namespace
