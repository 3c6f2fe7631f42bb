#include "shell/editor_commands.h"

#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <string>

#include "assets/screen_bitmaps.h"
#include "assets/slot_import.h"
#include "config/workspace_picture_slots.h"
#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "kit/progress.h"
#include "pictures/enemy_animations_dialog.h"
#include "pictures/level_textures_dialog.h"
#include "pictures/wall_textures_dialog.h"
#include "settings/dialog_context.h"
#include "settings/enemy_settings_dialog.h"
#include "settings/game_settings_dialog.h"
#include "settings/info_text_dialog.h"
#include "settings/packs_dialog.h"
#include "settings/password_dialog.h"
#include "settings/sounds_dialog.h"
#include "settings/sprites_dialog.h"
#include "settings/treasures_dialog.h"
#include "settings/weapons_dialog.h"
#include "shell/command_numbers.h"
#include "shell/main_window.h"

namespace app {

namespace {

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
                            [](int) { kit::RepaintPending(); });
}

void ImportGameBitmaps(MainWindow& window) {
  QLabel label(&window);
  label.setGeometry(420, 250, 115, 15);
  label.setAlignment(Qt::AlignCenter);
  const auto show_label = [&label](std::string_view text) {
    label.setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    label.setVisible(!text.empty());
    kit::RepaintPending();
  };
  assets::ImportGameBitmaps(window.Workspace(), window.Prompter(), show_label,
                            [](int) { kit::RepaintPending(); });
}

void CreateGame(MainWindow& window) {
  EditorState& state = window.State();
  const kit::ProgressDisplay progress = window.MakingProgress();
  const gamebuild::CreateGameContext context{window.Workspace(),
                                             window.Prompter(),
                                             gamebuild::RuntimeBlock(),
                                             state.icon_path,
                                             state.level.unsaved_changes || state.level.unsaved_world,
                                             [progress](bool shown) { progress.SetShown(shown); },
                                             [progress](int position) { progress.SetPosition(position); }};
  if (const auto game = gamebuild::CreateGame(context)) state.last_game_path = game->string();
  window.FitMap();
}

// Starts the game written last, without waiting for it; a failure to start
// is not reported.
void ExecuteGame(MainWindow& window) {
  const std::string& game = window.State().last_game_path;
  if (game.empty()) {
    window.Prompter().Show({"you must first create a game", "Error"});
    return;
  }
  const QString path = QString::fromStdString(game);
  if (!QProcess::startDetached(path, {})) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
  commands.Set(kCreateGame, [&window] { CreateGame(window); });
  commands.Set(kExecuteGame, [&window] { ExecuteGame(window); });
}

}  // namespace app
