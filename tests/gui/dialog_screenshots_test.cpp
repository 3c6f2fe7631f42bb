// Pictures of every dialog of the editor over the default workspace, written
// to the folder named by TARNWICK_SCREENSHOTS (skipped when it is not set).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <cstdlib>
#include <string>

#include "config/workspace_picture_slots.h"
#include "map/level_dialog.h"
#include "map/replace_walls_dialog.h"
#include "pictures/enemy_animations_dialog.h"
#include "pictures/level_textures_dialog.h"
#include "pictures/wall_textures_dialog.h"
#include "platform/scripted_prompter.h"
#include "settings/enemy_settings_dialog.h"
#include "settings/game_settings_dialog.h"
#include "settings/info_text_dialog.h"
#include "settings/packs_dialog.h"
#include "settings/password_dialog.h"
#include "settings/sounds_dialog.h"
#include "settings/sprites_dialog.h"
#include "settings/treasures_dialog.h"
#include "settings/weapons_dialog.h"
#include "shell/about_dialog.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"

namespace {

class DialogScreenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::getenv("TARNWICK_SCREENSHOTS");
    if (folder_ == nullptr) GTEST_SKIP() << "TARNWICK_SCREENSHOTS not set";
    const auto made = testing_support::RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" +
                                                     home.path().string() + "'");
    ASSERT_EQ(made.status, 0) << made.out;
  }

  void Snap(QDialog& dialog, const char* name) {
    dialog.show();
    const QString path = QString(folder_) + "/" + name + ".png";
    EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
  }

  testing_support::TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;
  config::WorkspacePictureSlots pictures{workspace, prompter};
  config::DialogContext context{workspace, prompter, pictures};

 private:
  const char* folder_ = nullptr;
};

TEST_F(DialogScreenshots, LevelDialog) {
  app::LevelDialog dialog(nullptr, world::LevelDialogKind::kSave, "03");
  Snap(dialog, "save_level");
}

TEST_F(DialogScreenshots, ReplaceWalls) {
  world::LevelGrid grid;
  app::ReplaceWallsDialog dialog(nullptr, grid, [] {});
  Snap(dialog, "replace_walls");
}

TEST_F(DialogScreenshots, About) {
  app::AboutDialog dialog(nullptr);
  Snap(dialog, "about");
}

TEST_F(DialogScreenshots, WallTextures) {
  config::WallAnimSettings settings;
  settings.animate[0] = settings.animate[3] = true;
  settings.speed = 25;
  config::SaveWallAnimSettings(workspace, settings, prompter);
  assets::WallTexturesDialog dialog(nullptr, context);
  Snap(dialog, "wall_textures");
}

TEST_F(DialogScreenshots, DoorTextures) {
  assets::DoorTexturesDialog dialog(nullptr, context);
  Snap(dialog, "door_textures");
}

TEST_F(DialogScreenshots, FloorAndCeilingTextures) {
  assets::FloorCeilingDialog dialog(nullptr, context);
  Snap(dialog, "floor_ceiling_textures");
}

TEST_F(DialogScreenshots, EnemyAnimations) {
  assets::EnemyAnimationsDialog dialog(nullptr, context);
  Snap(dialog, "enemy_animations");
}

TEST_F(DialogScreenshots, GameSettings) {
  config::GameSettingsDialog dialog(nullptr, context);
  Snap(dialog, "game_settings");
}

TEST_F(DialogScreenshots, EnemySettings) {
  config::EnemySettings s;
  s.can_shoot = {true, false, true, false, true};
  s.speed = {1, 2, 3, 4, 12};
  s.endurance = {10, 20, 30, 40, 1};
  s.power = {5, 0, 10, 0, 40};
  home.Write("twksys/enemysettings", config::EncodeEnemySettings(s));
  config::EnemySettingsDialog dialog(nullptr, context);
  Snap(dialog, "enemy_settings");
}

TEST_F(DialogScreenshots, Weapons) {
  config::WeaponSettings s = config::DefaultWeaponSettings();
  s.can_shoot = {true, true, false, true, false, true};
  s.show_bullet = {true, false, true, false, false, true};
  s.weapon_key = 59;
  s.start_with_weapon1 = true;
  home.Write("twksys/weaponsettings", config::EncodeWeaponSettings(s));
  config::WeaponsDialog dialog(nullptr, context);
  Snap(dialog, "weapons");
}

TEST_F(DialogScreenshots, Sprites) {
  config::SpriteSettings s = config::DefaultSpriteSettings();
  s.collision[2] = false;
  s.endurance = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
  s.shoot_through[5] = true;
  home.Write("twksys/spritesettings", config::EncodeSpriteSettings(s));
  config::SpritesDialog dialog(nullptr, context);
  Snap(dialog, "sprites");
}

TEST_F(DialogScreenshots, Treasures) {
  config::TreasuresDialog dialog(nullptr, context);
  Snap(dialog, "treasures");
}

TEST_F(DialogScreenshots, Packs) {
  config::PacksDialog dialog(nullptr, context);
  Snap(dialog, "packs");
}

TEST_F(DialogScreenshots, Sounds) {
  config::SoundsDialog dialog(nullptr, context);
  auto* list = dialog.findChild<QComboBox*>("soundSlots");
  list->setCurrentIndex(list->findText("Weapon 3"));
  Snap(dialog, "sounds");
}

TEST_F(DialogScreenshots, InfoText) {
  home.Write("twksys/InfoText", std::string("A maze game.\nFind the key, then the door."));
  config::InfoTextDialog dialog(nullptr, context);
  Snap(dialog, "info_text");
}

TEST_F(DialogScreenshots, Password) {
  home.Write("pakpassword.txt", std::string("QWERTZUIOPASDFGH"));
  config::PasswordDialog dialog(nullptr, context);
  Snap(dialog, "password");
}

}  // namespace
