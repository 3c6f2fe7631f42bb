// The menu commands that lead to other parts of the editor: the settings
// dialogs, Create Game, Execute Game and Import game.pak, on the real code.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "gamebuild/game_pak.h"
#include "kit/qt_prompter.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "tests/support/game_workspace.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;
using namespace app::command;
using testing_support::EditorTest;
using testing_support::WhenModal;

TEST_F(EditorTest, SettingsCommandsOpenTheirDialogs) {
  struct Case {
    int command;
    const char* title;
  };
  const Case cases[] = {{kEnemySetup, "Enemy Settings"},
                        {kImportWeapons, "Import Weapons"},
                        {kImportAmmoHealth, "Size of Ammo- and Healthpacks"},
                        {kImportTreasures, "Import Treasures"},
                        {kImportSprites, "Import Sprites"},
                        {kImportSounds, "Import Sounds"},
                        {kPackPassword, "Set GamePak Password"},
                        {kGameSettings, "Game Settings"}};
  for (const Case& c : cases) {
    QString title;
    WhenModal([&](QDialog* dialog) {
      title = dialog->windowTitle();
      dialog->reject();
    });
    window->Dispatch(c.command);
    EXPECT_EQ(title, c.title) << c.command;
  }
}

TEST_F(EditorTest, ExecuteGameBeforeCreateGame) {
  window->Dispatch(kExecuteGame);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], (platform::Message{"you must first create a game", "Error"}));
}

// A complete workspace in the editor's program folder whose one level passes.
void MakeGameWorkspace(const testing_support::TempFolder& folder) {
  testing_support::WriteGameWorkspace(folder);
  platform::Bytes settings(104, 0);
  settings[0] = 1;
  folder.Write("twksys/settings", settings);
  world::LevelState level;
  world::MakeNewWorld(level);
  level.grid.at(3, 3) = world::kPlayerStartByte;
  folder.Write("twksys/game1", world::LevelFileBytes(level.grid));
}

TEST_F(EditorTest, CreateGameWritesTheRuntimeAndRemembersIt) {
  MakeGameWorkspace(folder);
  window->Dispatch(kCreateGame);  // a new world is not saved yet
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0],
            (platform::Message{"The level must be saved before creating the game!", "TWK"}));

  State().level.unsaved_world = false;
  fs::create_directories(folder / "out");
  prompter.files = {folder / "out/mygame"};
  window->Dispatch(kCreateGame);
  EXPECT_EQ(prompter.shown.size(), 1u);
  const auto runtimes = gamebuild::EmbeddedRuntimes();
  const auto windows_game = platform::ReadFileBytes(folder / "out/mygame.exe");
  const auto linux_game = platform::ReadFileBytes(folder / "out/mygame");
  ASSERT_TRUE(windows_game && linux_game);
  EXPECT_TRUE(std::ranges::equal(*windows_game, runtimes.windows_runtime));
  EXPECT_TRUE(std::ranges::equal(*linux_game, runtimes.linux_runtime));
  EXPECT_TRUE(fs::exists(folder / "out/game.pak"));
  EXPECT_EQ(State().last_game_path, (folder / "out/mygame").string()) << "Execute Game starts the Linux game";
  EXPECT_FALSE(window->MakingProgress().bar->isVisible());
  EXPECT_EQ(window->MakingProgress().bar->value(), 380);
}

// With the editor's own requester and message boxes, answered as a person
// would: the existing game chosen once, every box recorded and answered No.
TEST_F(EditorTest, CreateGameOverAnExistingGameAsksOnlyItsOwnQuestionOnce) {
  MakeGameWorkspace(folder);
  folder.Write("out/mygame.exe", "an older game");
  const fs::path existing = folder / "out/mygame.exe";
  QStringList boxes;
  bool chosen = false;
  QTimer person;
  person.setInterval(5);
  QObject::connect(&person, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* requester = qobject_cast<QFileDialog*>(modal); requester && requester->isVisible()) {
      if (chosen) return requester->reject();  // asked again after a No: give up
      chosen = true;
      requester->selectFile(QString::fromStdString(existing.string()));
      // As its Save button does, from the event loop: a box it opens is
      // then seen here too.
      QMetaObject::invokeMethod(requester, &QDialog::accept, Qt::QueuedConnection);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
      boxes << box->text();
      box->button(QMessageBox::No)->click();
    }
  });
  person.start();
  platform::QtPrompter prompter_of_the_editor(window.get());
  const gamebuild::CreateGameContext context{window->Workspace(),
                                             prompter_of_the_editor,
                                             gamebuild::EmbeddedRuntimes(),
                                             "",
                                             false,
                                             nullptr,
                                             nullptr};
  EXPECT_FALSE(gamebuild::CreateGame(context));
  person.stop();
  EXPECT_EQ(boxes.join('|').toStdString(), "overwrite existing mygame.exe?");
  const auto kept = platform::ReadFileBytes(existing);
  EXPECT_EQ(std::string(kept->begin(), kept->end()), "an older game");
}

TEST_F(EditorTest, ImportGamePakAnsweredNoOrCancelledKeepsTheLevel) {
  Grid().at(5, 5) = 30;
  window->Dispatch(kImportGamePak);  // answered No
  EXPECT_TRUE(prompter.requests.empty());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(
      prompter.asked[0],
      (platform::Message{"This will overwrite all your work! Do you wish to proceed?", "Import game.pak"}));

  prompter.answers = {true};
  folder.Write("pakpassword.txt", "Secret");
  window->Dispatch(kImportGamePak);  // the requester is cancelled
  EXPECT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(Grid().at(5, 5), 30);
  EXPECT_FALSE(window->ImportProgress().bar->isVisible());
}

TEST_F(EditorTest, ImportThatReplacedTheWorkspaceStartsANewWorldWithoutAsking) {
  testing_support::TempFolder source;
  const auto made = testing_support::WriteGameWorkspace(source);
  ASSERT_TRUE(gamebuild::WriteVersionFile(platform::Workspace(source.path())));
  platform::ScriptedPrompter quiet;
  ASSERT_TRUE(gamebuild::BuildGamePak(platform::Workspace(source.path()), quiet, nullptr));
  folder.Write("pakpassword.txt", made.password);

  Grid().at(5, 5) = 30;
  State().level.unsaved_changes = true;
  prompter.answers = {true};
  prompter.files = {source / "twksys/game.pak"};
  window->Dispatch(kImportGamePak);
  EXPECT_EQ(prompter.asked.size(), 1u);  // no "Save changes?"
  EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0];
  EXPECT_EQ(Grid().at(5, 5), 120);
  EXPECT_TRUE(State().level.unsaved_world);
  EXPECT_EQ(*platform::ReadFileBytes(folder / "twksys/tex1"), made.files.at("tex1"));
  EXPECT_FALSE(window->ImportProgress().bar->isVisible());
  EXPECT_EQ(window->ImportProgress().bar->value(), 378);
}

}  // namespace
