// The Game Settings dialog on the offscreen platform.
#include "settings/game_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "config/game_settings.h"
#include "config/text_record.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class GameSettingsDialogTest : public testing_support::ConfigDialogTest {};

TEST_F(GameSettingsDialogTest, AFreshWorkspaceShowsTheErrorAndTheInitialControls) {
  config::GameSettingsDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Game Settings");
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(Shown(), (Messages{{"cannot load settings", "Error"}}));
  EXPECT_EQ(Child<QComboBox>(&dialog, "walkforward")->currentText(), "= empty");
  EXPECT_EQ(Child<QComboBox>(&dialog, "showmap")->count(), 104);
  EXPECT_EQ(Child<QLineEdit>(&dialog, "mouseSensitivity")->text(), "5");

  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(Shown().back(), (platform::Message{"too many levels", "Error"}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(workspace.Exists("settings"));
}

TEST_F(GameSettingsDialogTest, TheScreenModeBoxesExcludeEachOther) {
  config::GameSettingsDialog dialog(nullptr, context);
  auto* full_screen = Child<QCheckBox>(&dialog, "fullScreen");
  auto* full_window = Child<QCheckBox>(&dialog, "fullWindow");
  full_window->click();
  full_screen->click();
  EXPECT_TRUE(full_screen->isChecked());
  EXPECT_FALSE(full_window->isChecked());
  full_window->click();
  EXPECT_FALSE(full_screen->isChecked());
  EXPECT_TRUE(full_window->isChecked());
  full_window->click();  // clearing one leaves the other clear
  EXPECT_FALSE(full_screen->isChecked());
  EXPECT_FALSE(full_window->isChecked());
}

TEST_F(GameSettingsDialogTest, LoadsAndSavesEveryControl) {
  config::GameSettings stored;
  stored.max_levels = 12;
  stored.walk_forward_key = 35;  // "= W"
  stored.walk_forward_speed = -7;
  stored.turn_mouse = 1;
  stored.show_map_key = 103;
  stored.mouse_sensitivity = 8;
  stored.screen_mode = 2;
  stored.bright_screen_on_item = 1;
  home.Write("twksys/settings", config::Encode(config::kGameSettingsRecord, stored));
  home.Write("twksys/gametitle", std::string("   ab"));
  home.Write("twksys/cheat", std::string("iddqd\r\n"));

  config::GameSettingsDialog dialog(nullptr, context);
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "windowTitle")->text(), "   ab");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "godMode")->text(), "iddqd");
  EXPECT_EQ(Child<QComboBox>(&dialog, "walkforward")->currentText(), "= W");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "walkforwardSpeed")->text(), "-7");
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "fullWindow")->isChecked());

  Child<QLineEdit>(&dialog, "moveSpeed")->setText("12abc");
  Child<QLineEdit>(&dialog, "lookSpeed")->setText("abc");
  Child<QComboBox>(&dialog, "shoot")->setCurrentIndex(1);
  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  auto expected = stored;
  expected.sideways_speed = 12;
  expected.look_speed = 0;
  expected.shoot_key = 1;
  EXPECT_EQ(config::Load(config::kGameSettingsRecord, workspace, prompter), expected);
  EXPECT_EQ(config::LoadText(config::kGameTitleRecord, workspace), "   ab");
  EXPECT_EQ(workspace.FileSize("settings"), 104);
}

TEST_F(GameSettingsDialogTest, ScreenMode7LoadsBothClearAndSavesZero) {
  config::GameSettings stored;
  stored.max_levels = 1;
  stored.screen_mode = 7;
  home.Write("twksys/settings", config::Encode(config::kGameSettingsRecord, stored));
  config::GameSettingsDialog dialog(nullptr, context);
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "fullScreen")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "fullWindow")->isChecked());
  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(config::Load(config::kGameSettingsRecord, workspace, prompter)->screen_mode, 0);
}

TEST_F(GameSettingsDialogTest, AFailedWriteOfTheTitleOrCodeIsReportedAndTheDialogStaysOpen) {
  for (const char* name : {"gametitle", "cheat"}) {
    SCOPED_TRACE(name);
    testing_support::TempFolder other;
    const platform::Workspace there(other.path());
    platform::ScriptedPrompter answers;
    config::DialogContext elsewhere{there, answers, pictures};
    other.Write(std::string("twksys/") + name + "/inside", platform::Bytes{});  // cannot be replaced
    config::GameSettingsDialog dialog(nullptr, elsewhere);
    answers.shown.clear();
    dialog.show();
    Child<QLineEdit>(&dialog, "maxLevels")->setText("5");
    Child<QPushButton>(&dialog, "use")->click();
    EXPECT_EQ(answers.shown, (Messages{{"cannot write to file " + there.PathOf(name).string(), "Error"}}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(there.Exists("settings"));
  }
}

TEST_F(GameSettingsDialogTest, CancelAndCloseRequestSaveNothing) {
  for (const bool close_request : {false, true}) {
    config::GameSettingsDialog dialog(nullptr, context);
    Child<QLineEdit>(&dialog, "maxLevels")->setText("5");
    dialog.show();
    if (close_request) {
      dialog.close();
    } else {
      Child<QPushButton>(&dialog, "cancel")->click();
    }
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(workspace.Exists("settings"));
    EXPECT_FALSE(workspace.Exists("gametitle"));
  }
}

}  // namespace
