// The settings dialogs run modal over the main window, centred on it, and
// leave no window behind.
#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "settings/enemy_settings_dialog.h"
#include "settings/game_settings_dialog.h"
#include "settings/info_text_dialog.h"
#include "settings/packs_dialog.h"
#include "settings/password_dialog.h"
#include "settings/sounds_dialog.h"
#include "settings/sprites_dialog.h"
#include "settings/treasures_dialog.h"
#include "settings/weapons_dialog.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using Runner = std::function<void(QWidget*, config::DialogContext&)>;

class ConfigDialogModal : public testing_support::ConfigDialogTest {};

TEST_F(ConfigDialogModal, EveryDialogRunsModalAndCentredOverTheMainWindow) {
  const std::pair<const char*, Runner> dialogs[] = {
      {"Game Settings", config::GameSettingsDialog::Run},
      {"Enemy Settings", config::EnemySettingsDialog::Run},
      {"Import Weapons", config::WeaponsDialog::Run},
      {"Import Sprites", config::SpritesDialog::Run},
      {"Import Treasures", config::TreasuresDialog::Run},
      {"Size of Ammo- and Healthpacks", config::PacksDialog::Run},
      {"Import Sounds", config::SoundsDialog::Run},
      {"", config::InfoTextDialog::Run},
      {"Set GamePak Password", config::PasswordDialog::Run},
  };
  QMainWindow main_window;
  main_window.setGeometry(100, 100, 800, 620);
  main_window.show();
  for (const auto& [title, run] : dialogs) {
    SCOPED_TRACE(title);
    bool seen = false;
    QTimer::singleShot(0, [&, title = title] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      seen = true;
      EXPECT_EQ(modal->windowTitle(), title);
      EXPECT_EQ(modal->parentWidget(), &main_window);
      EXPECT_TRUE(modal->isModal());
      const QPoint offset = modal->frameGeometry().center() - main_window.frameGeometry().center();
      EXPECT_LE(offset.manhattanLength(), 4);
      modal->close();  // a close request: nothing is saved
    });
    run(&main_window, context);
    EXPECT_TRUE(seen);
  }
  EXPECT_FALSE(workspace.Exists("settings"));
  EXPECT_FALSE(workspace.Exists("MidiSettings"));
  EXPECT_FALSE(workspace.Exists("InfoText"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
}

}  // namespace
