#include <QAction>
#include <QMenuBar>

#include "kit/qt_prompter.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"

using testing_support::EditorTest;
using testing_support::WhenModal;

namespace {

struct ExpectedItem {
  int command;  // 0 for a separator
  const char* text;
};
struct ExpectedMenu {
  const char* title;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedMenu> kMenus = {
    {"World",
     {{200, "New"},
      {0, ""},
      {201, "LoadWorld"},
      {0, ""},
      {207, "Save World"},
      {0, ""},
      {208, "Import game.pak"},
      {0, ""},
      {400, "New Project"},
      {401, "Open Project"},
      {0, ""},
      {4, "Quit"}}},
    {"Edit",
     {{600, "Undo"},
      {601, "Redo"},
      {0, ""},
      {602, "Cut"},
      {603, "Copy"},
      {604, "Paste"},
      {605, "Delete"},
      {606, "Select All"},
      {0, ""},
      {607, "Flip Horizontally"},
      {608, "Flip Vertically"},
      {609, "Turn 90 Degrees"},
      {0, ""},
      {620, "Zoom In"},
      {621, "Zoom Out"},
      {622, "Actual Size"},
      {623, "Show Whole Level"},
      {624, "Grid Lines"}}},
    {"Tools",
     {{206, "Exchange walls"},
      {0, ""},
      {610, "Paint"},
      {611, "Line"},
      {612, "Rectangle"},
      {613, "Filled Rectangle"},
      {614, "Flood Fill"},
      {615, "Select"},
      {0, ""},
      {74, "Problems"}}},
    {"Walls", {{5, "Import Wall Textures"}}},
    {"Doors", {{26, "Import Door Textures"}, {27, "Import NextLevel Door Texture"}}},
    {"Floor+Ceiling", {{28, "Import Floor and Ceiling Textures"}}},
    {"Enemies", {{40, "Enemy Animations"}, {41, "Enemy Setup"}}},
    {"InGameItems",
     {{132, "Import Weapons"},
      {133, "Import Ammo and Health"},
      {135, "Import Key"},
      {136, "Import Treasures"}}},
    {"Sprites", {{138, "Import Sprites"}}},
    {"GameBitmaps", {{299, "Open GameBitmaps Folder"}, {300, "Import GameBitmaps"}}},
    {"Sounds", {{150, "Import Sounds"}}},
    {"Settings", {{309, "Set GamePak Password"}, {310, "Game Settings"}}},
    {"InfoText", {{312, "Define Info Text"}}},
    {"Game",
     {{69, "Icon"},
      {70, "CreateGame"},
      {71, "ExecuteGame"},
      {0, ""},
      {72, "Play Level"},
      {73, "Play From Here"}}},
    {"?", {{180, "Help"}, {181, "About"}}},
};

}  // namespace

TEST_F(EditorTest, MenuBarHasEveryTitleItemNumberAndSeparatorInOrder) {
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(kMenus.size()));
  for (size_t m = 0; m < kMenus.size(); ++m) {
    SCOPED_TRACE(kMenus[m].title);
    EXPECT_EQ(menus[m]->text(), kMenus[m].title);
    const QList<QAction*> items = menus[m]->menu()->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(kMenus[m].items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
      const ExpectedItem& expected = kMenus[m].items[static_cast<size_t>(i)];
      if (expected.command == 0) {
        EXPECT_TRUE(items[i]->isSeparator()) << i;
        continue;
      }
      EXPECT_EQ(items[i]->text(), expected.text);
      EXPECT_EQ(items[i]->property("command").toInt(), expected.command);
      EXPECT_TRUE(window->Commands().Has(expected.command)) << expected.command;
    }
  }
}

TEST_F(EditorTest, MenuItemsAndShortcutsDispatchThroughTheCommandTable) {
  int calls = 0;
  window->Commands().Set(app::command::kCreateGame, [&] { ++calls; });
  window->Commands().Set(app::command::kScrollRight, [&] { calls += 10; });
  for (QAction* menu : window->menuBar()->actions())
    for (QAction* item : menu->menu()->actions())
      if (item->property("command").toInt() == app::command::kCreateGame) item->trigger();
  Key(Qt::Key_Right);
  EXPECT_EQ(calls, 11);
}

TEST_F(EditorTest, OpensAt800By620TitledTarnwickWithHiddenProgressDisplays) {
  EXPECT_EQ(window->windowTitle(), "Tarnwick");
  EXPECT_EQ(window->size(), QSize(800, 620));
  EXPECT_EQ(window->minimumSize(), QSize(700, 400));
  EXPECT_EQ(window->maximumSize(), QSize(1800, 1620));
  for (const kit::ProgressDisplay& d : {window->MakingProgress(), window->ImportProgress()}) {
    EXPECT_FALSE(d.bar->isVisible());
    EXPECT_FALSE(d.caption->isVisible());
    EXPECT_EQ(d.bar->geometry(), QRect(390, 290, 185, 25));
    EXPECT_EQ(d.caption->geometry(), QRect(420, 250, 115, 15));
  }
  EXPECT_EQ(window->MakingProgress().caption->text(), "Making the Game");
  EXPECT_EQ(window->MakingProgress().bar->maximum(), 380);
  EXPECT_EQ(window->ImportProgress().caption->text(), "Importing game.pak");
  EXPECT_EQ(window->ImportProgress().bar->maximum(), 600);
}

TEST_F(EditorTest, WindowSizeStaysWithinItsBounds) {
  window->resize(500, 300);
  EXPECT_EQ(window->size(), QSize(700, 400));
  window->resize(2500, 2000);
  EXPECT_EQ(window->size(), QSize(1800, 1620));
  EXPECT_EQ(window->MapPicture().width, 1600);
  EXPECT_EQ(window->MapPicture().height, 1620);
}

TEST_F(EditorTest, CancellingChooseIconClearsTheIconPath) {
  prompter.files = {std::filesystem::path("/games/my.ico"), std::nullopt};
  window->Dispatch(app::command::kIcon);
  EXPECT_EQ(State().icon_path, "/games/my.ico");
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].title, "Choose Icon");
  EXPECT_EQ(prompter.requests[0].default_name, "*.ico");
  EXPECT_EQ(prompter.requests[0].patterns, "Ico (*.ico)|*.ico");
  window->Dispatch(app::command::kIcon);
  EXPECT_EQ(State().icon_path, "");
}

TEST_F(EditorTest, AboutShowsItsPictureAndClosesOnAClick) {
  bool seen = false;
  WhenModal([&](QDialog* dialog) {
    seen = true;
    EXPECT_EQ(dialog->windowTitle(), "Info");
    EXPECT_EQ(dialog->size(), QSize(280, 174));
    auto* picture = dialog->findChild<kit::ImageButton*>("picture");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Picture().size(), QSize(280, 174));
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 280, 174));
    QTest::mouseClick(picture, Qt::LeftButton);
  });
  window->Dispatch(app::command::kAbout);
  EXPECT_TRUE(seen);
}

TEST_F(EditorTest, QuitWithUnsavedChangesAnsweredYesThenCancelledKeepsRunning) {
  State().level.unsaved_changes = true;
  Grid().at(3, 3) = 20;
  prompter.answers = {true};
  WhenModal([](QDialog* dialog) { dialog->findChild<QPushButton*>("cancel")->click(); });
  window->Dispatch(app::command::kQuit);
  EXPECT_FALSE(State().quit);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(State().level.unsaved_changes);
  EXPECT_EQ(Grid().at(3, 3), 20);
  EXPECT_EQ(prompter.asked.at(0), (platform::Message{"Save changes?", "TWK"}));
}

TEST_F(EditorTest, QuitWithUnsavedChangesAnsweredYesThenOverwriteDeclinedKeepsRunning) {
  State().level.unsaved_changes = true;
  prompter.answers = {true, false};
  WhenModal([](QDialog* dialog) { testing_support::TypeAndPress(dialog, "number", "1", "confirm"); });
  window->close();
  EXPECT_FALSE(State().quit);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(State().level.unsaved_changes);
  EXPECT_FALSE(std::filesystem::exists(folder / "twksys/game1"));
}

TEST_F(EditorTest, QuitSavesWhenAskedOrQuitsAtOnce) {
  State().level.unsaved_changes = true;
  prompter.answers = {true, true};
  WhenModal([](QDialog* dialog) { testing_support::TypeAndPress(dialog, "number", "2", "confirm"); });
  window->Dispatch(app::command::kQuit);
  EXPECT_TRUE(State().quit);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(std::filesystem::file_size(folder / "twksys/game2"), 4224u);
}

TEST_F(EditorTest, QuitWithoutChangesAsksNothing) {
  window->Dispatch(app::command::kQuit);
  EXPECT_TRUE(State().quit);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(EditorTest, CloseBoxQuitsLikeTheQuitCommand) {
  State().level.unsaved_changes = true;
  EXPECT_TRUE(window->close());  // "Save changes?" answered No
  EXPECT_TRUE(State().quit);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompter.asked.size(), 1u);
}

TEST(QtPrompter, PatternListsBecomeQtFilters) {
  EXPECT_EQ(platform::QtFilterOf("Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png|TGA (*.tga)|*.tga"),
            "Bitmap (*.bmp);;PNG (*.png);;TGA (*.tga)");
  EXPECT_EQ(platform::QtFilterOf("Ico (*.ico)|*.ico"), "Ico (*.ico)");
  EXPECT_EQ(platform::QtFilterOf("Pictures|*.bmp;*.png"), "Pictures (*.bmp *.png)");
  EXPECT_EQ(platform::QtFilterOf(""), "");
}
