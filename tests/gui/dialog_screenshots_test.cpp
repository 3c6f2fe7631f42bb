// Pictures of every dialog of the editor over the default workspace, written
// to the folder named by TARNWICK_SCREENSHOTS (skipped when it is not set).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <cstdlib>
#include <functional>
#include <memory>
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

// Settings that show more than the defaults do.
void WriteShownSettings(const testing_support::TempFolder& home, const platform::Workspace& workspace,
                        platform::Prompter& prompter) {
  config::WallAnimSettings walls;
  walls.animate[0] = walls.animate[3] = true;
  walls.speed = 25;
  ASSERT_TRUE(config::Save(config::kWallAnimSettingsRecord, workspace, walls, prompter));
  config::EnemySettings enemies;
  enemies.can_shoot = {true, false, true, false, true};
  enemies.speed = {1, 2, 3, 4, 12};
  enemies.endurance = {10, 20, 30, 40, 1};
  enemies.power = {5, 0, 10, 0, 40};
  home.Write("twksys/enemysettings", config::Encode(config::kEnemySettingsRecord, enemies));
  config::WeaponSettings weapons = config::Defaults(config::kWeaponSettingsRecord);
  weapons.can_shoot = {true, true, false, true, false, true};
  weapons.show_bullet = {true, false, true, false, false, true};
  weapons.weapon_key = 59;
  weapons.start_with_weapon1 = true;
  home.Write("twksys/weaponsettings", config::Encode(config::kWeaponSettingsRecord, weapons));
  config::SpriteSettings sprites = config::Defaults(config::kSpriteSettingsRecord);
  sprites.collision[2] = false;
  sprites.endurance = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
  sprites.shoot_through[5] = true;
  home.Write("twksys/spritesettings", config::Encode(config::kSpriteSettingsRecord, sprites));
  home.Write("twksys/InfoText", std::string("A maze game.\nFind the key, then the door."));
  home.Write("pakpassword.txt", std::string("QWERTZUIOPASDFGH"));
}

TEST(DialogScreenshots, EveryDialog) {
  const char* folder = std::getenv("TARNWICK_SCREENSHOTS");
  if (folder == nullptr) GTEST_SKIP() << "TARNWICK_SCREENSHOTS not set";
  testing_support::TempFolder home;
  const auto made = testing_support::RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" +
                                                   home.path().string() + "'");
  ASSERT_EQ(made.status, 0) << made.out;
  platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  config::WorkspacePictureSlots pictures(workspace, prompter);
  config::DialogContext context{workspace, prompter, pictures};
  WriteShownSettings(home, workspace, prompter);
  world::LevelGrid grid;

  using Make = std::function<std::unique_ptr<QDialog>()>;
  const std::pair<const char*, Make> dialogs[] = {
      {"save_level",
       [] { return std::make_unique<app::LevelDialog>(nullptr, world::LevelDialogKind::kSave, "03"); }},
      {"replace_walls", [&] { return std::make_unique<app::ReplaceWallsDialog>(nullptr, grid, [] {}); }},
      {"about", [] { return std::make_unique<app::AboutDialog>(nullptr); }},
      {"wall_textures", [&] { return std::make_unique<assets::WallTexturesDialog>(nullptr, context); }},
      {"door_textures", [&] { return std::make_unique<assets::DoorTexturesDialog>(nullptr, context); }},
      {"floor_ceiling_textures",
       [&] { return std::make_unique<assets::FloorCeilingDialog>(nullptr, context); }},
      {"enemy_animations", [&] { return std::make_unique<assets::EnemyAnimationsDialog>(nullptr, context); }},
      {"game_settings", [&] { return std::make_unique<config::GameSettingsDialog>(nullptr, context); }},
      {"enemy_settings", [&] { return std::make_unique<config::EnemySettingsDialog>(nullptr, context); }},
      {"weapons", [&] { return std::make_unique<config::WeaponsDialog>(nullptr, context); }},
      {"sprites", [&] { return std::make_unique<config::SpritesDialog>(nullptr, context); }},
      {"treasures", [&] { return std::make_unique<config::TreasuresDialog>(nullptr, context); }},
      {"packs", [&] { return std::make_unique<config::PacksDialog>(nullptr, context); }},
      {"sounds",
       [&] {
         auto dialog = std::make_unique<config::SoundsDialog>(nullptr, context);
         auto* list = dialog->findChild<QComboBox*>("soundSlots");
         list->setCurrentIndex(list->findText("Weapon 3"));
         return dialog;
       }},
      {"info_text", [&] { return std::make_unique<config::InfoTextDialog>(nullptr, context); }},
      {"password", [&] { return std::make_unique<config::PasswordDialog>(nullptr, context); }},
  };
  for (const auto& [name, make] : dialogs) {
    const auto dialog = make();
    dialog->show();
    const QString path = QString(folder) + "/" + name + ".png";
    EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
  }
}

}  // namespace
