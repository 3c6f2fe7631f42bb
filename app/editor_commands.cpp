#include "app/editor_commands.h"

#include <QCoreApplication>
#include <QLabel>
#include <string>

#include "app/command_numbers.h"
#include "app/main_window.h"
#include "assets/enemy_animations_dialog.h"
#include "assets/level_textures_dialog.h"
#include "assets/screen_bitmaps.h"
#include "assets/slot_import.h"
#include "assets/wall_textures_dialog.h"
#include "config/dialog_context.h"
#include "config/enemy_settings_dialog.h"
#include "config/game_settings_dialog.h"
#include "config/info_text_dialog.h"
#include "config/packs_dialog.h"
#include "config/password_dialog.h"
#include "config/sounds_dialog.h"
#include "config/sprites_dialog.h"
#include "config/treasures_dialog.h"
#include "config/weapons_dialog.h"
#include "config/workspace_picture_slots.h"

namespace app {

namespace {

// Lets the window repaint during long work; the user's input of that time
// is not taken.
void Repaint() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// After a picture was stored: the palette shows the new thumbnail and the
// map is drawn with it.
std::function<void()> PictureStored(MainWindow& window) {
  return [&window] { window.BuildPalette(); };
}

// The settings and picture dialogs, each with the workspace, the prompter
// and the picture slots.
template <typename Dialog>
void RunSettingsDialog(MainWindow& window) {
  config::WorkspacePictureSlots pictures(window.Workspace(), window.Prompter(), PictureStored(window));
  config::DialogContext context{window.Workspace(), window.Prompter(), pictures};
  Dialog::Run(&window, context);
}

void ImportOnePicture(MainWindow& window, const std::string& slot, int picture) {
  assets::ImportSlotPicture(window.Workspace(), window.Prompter(), slot, picture, PictureStored(window),
                            [](int) { Repaint(); });
}

void ImportGameBitmaps(MainWindow& window) {
  QLabel label(&window);
  label.setGeometry(420, 250, 115, 15);
  label.setAlignment(Qt::AlignCenter);
  const auto show_label = [&label](std::string_view text) {
    label.setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    label.setVisible(!text.empty());
    Repaint();
  };
  assets::ImportGameBitmaps(window.Workspace(), window.Prompter(), show_label, [](int) { Repaint(); });
}

}  // namespace

void ConnectEditorCommands(MainWindow& window) {
  using namespace command;
  CommandTable& commands = window.Commands();
  commands.Set(kImportWallTextures, [&window] { RunSettingsDialog<assets::WallTexturesDialog>(window); });
  commands.Set(kImportDoorTextures, [&window] { RunSettingsDialog<assets::DoorTexturesDialog>(window); });
  commands.Set(kImportFloorCeiling, [&window] { RunSettingsDialog<assets::FloorCeilingDialog>(window); });
  commands.Set(kEnemyAnimations, [&window] { RunSettingsDialog<assets::EnemyAnimationsDialog>(window); });
  commands.Set(kEnemySetup, [&window] { RunSettingsDialog<config::EnemySettingsDialog>(window); });
  commands.Set(kImportWeapons, [&window] { RunSettingsDialog<config::WeaponsDialog>(window); });
  commands.Set(kImportAmmoHealth, [&window] { RunSettingsDialog<config::PacksDialog>(window); });
  commands.Set(kImportTreasures, [&window] { RunSettingsDialog<config::TreasuresDialog>(window); });
  commands.Set(kImportSprites, [&window] { RunSettingsDialog<config::SpritesDialog>(window); });
  commands.Set(kImportSounds, [&window] { RunSettingsDialog<config::SoundsDialog>(window); });
  commands.Set(kPackPassword, [&window] { RunSettingsDialog<config::PasswordDialog>(window); });
  commands.Set(kGameSettings, [&window] { RunSettingsDialog<config::GameSettingsDialog>(window); });
  commands.Set(kInfoText, [&window] { RunSettingsDialog<config::InfoTextDialog>(window); });
  commands.Set(kImportNextLevelDoor, [&window] { ImportOnePicture(window, "specialdoor", 24); });
  commands.Set(kImportKey, [&window] { ImportOnePicture(window, "key", 30); });
  commands.Set(kImportGameBitmaps, [&window] { ImportGameBitmaps(window); });
}

}  // namespace app
