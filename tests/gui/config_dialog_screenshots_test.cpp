// Pictures of the settings dialogs, written to the folder named by
// TARNWICK_SCREENSHOTS (skipped when it is not set).
#include <QCheckBox>
#include <QComboBox>
#include <QPixmap>
#include <cstdlib>
#include <functional>
#include <memory>

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

class ConfigDialogScreenshots : public testing_support::ConfigDialogTest {
 protected:
  void Snap(QDialog& dialog, const char* name) {
    const char* folder = std::getenv("TARNWICK_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "TARNWICK_SCREENSHOTS not set";
    dialog.show();
    const QString path = QString(folder) + "/" + name + ".png";
    EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
  }
};

TEST_F(ConfigDialogScreenshots, GameSettings) {
  config::GameSettingsDialog dialog(nullptr, context);
  Snap(dialog, "game_settings");
}

TEST_F(ConfigDialogScreenshots, EnemySettings) {
  config::EnemySettings s;
  s.can_shoot = {true, false, true, false, true};
  s.speed = {1, 2, 3, 4, 12};
  s.endurance = {10, 20, 30, 40, 1};
  s.power = {5, 0, 10, 0, 40};
  home.Write("twksys/enemysettings", config::EncodeEnemySettings(s));
  config::EnemySettingsDialog dialog(nullptr, context);
  Snap(dialog, "enemy_settings");
}

TEST_F(ConfigDialogScreenshots, Weapons) {
  config::WeaponSettings s = config::DefaultWeaponSettings();
  s.can_shoot = {true, true, false, true, false, true};
  s.show_bullet = {true, false, true, false, false, true};
  s.weapon_key = 59;
  s.start_with_weapon1 = true;
  home.Write("twksys/weaponsettings", config::EncodeWeaponSettings(s));
  config::WeaponsDialog dialog(nullptr, context);
  Snap(dialog, "weapons");
}

TEST_F(ConfigDialogScreenshots, Sprites) {
  config::SpriteSettings s = config::DefaultSpriteSettings();
  s.collision[2] = false;
  s.endurance = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
  s.shoot_through[5] = true;
  home.Write("twksys/spritesettings", config::EncodeSpriteSettings(s));
  config::SpritesDialog dialog(nullptr, context);
  Snap(dialog, "sprites");
}

TEST_F(ConfigDialogScreenshots, Treasures) {
  config::TreasuresDialog dialog(nullptr, context);
  Snap(dialog, "treasures");
}

TEST_F(ConfigDialogScreenshots, Packs) {
  config::PacksDialog dialog(nullptr, context);
  Snap(dialog, "packs");
}

TEST_F(ConfigDialogScreenshots, Sounds) {
  config::SoundsDialog dialog(nullptr, context);
  auto* list = dialog.findChild<QComboBox*>("soundSlots");
  list->setCurrentIndex(list->findText("Weapon 3"));
  Snap(dialog, "sounds");
}

TEST_F(ConfigDialogScreenshots, InfoText) {
  home.Write("twksys/InfoText", std::string("A maze game.\nFind the key, then the door."));
  config::InfoTextDialog dialog(nullptr, context);
  Snap(dialog, "info_text");
}

TEST_F(ConfigDialogScreenshots, Password) {
  home.Write("pakpassword.txt", std::string("QWERTZUIOPASDFGH"));
  config::PasswordDialog dialog(nullptr, context);
  Snap(dialog, "password");
}

}  // namespace
