#include "shell/command_registry.h"

#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <string>

#include "assets/screen_bitmaps.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"
#include "config/workspace_picture_slots.h"
#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "gamebuild/import_game_pak.h"
#include "kit/progress.h"
#include "map/replace_walls_dialog.h"
#include "pictures/enemy_animations_dialog.h"
#include "pictures/level_textures_dialog.h"
#include "pictures/wall_textures_dialog.h"
#include "platform/file_patterns.h"
#include "platform/files.h"
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
#include "shell/about_dialog.h"
#include "shell/command_numbers.h"
#include "shell/main_window.h"
#include "shell/project_commands.h"
#include "world/palette_layout.h"

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
void RunDialog(MainWindow& window) {
  config::WorkspacePictureSlots pictures(window.Workspace(), window.Prompter(), PictureStored(window));
  config::DialogContext context{window.Workspace(), window.Prompter(), pictures};
  Dialog::Run(&window, context);
}

void ImportOnePicture(MainWindow& window, assets::SlotKind kind) {
  const assets::Slot& slot = *assets::FindSlotOf(kind);
  // Every way the import can fail has shown its message.
  (void)assets::ImportSlotPicture(window.Workspace(), window.Prompter(), slot.name, slot.picture,
                                  PictureStored(window), [](int) { kit::RepaintPending(); });
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
  // The import ends with a message saying how it went.
  (void)assets::ImportGameBitmaps(window.Workspace(), window.Prompter(), show_label,
                                  [](int) { kit::RepaintPending(); });
}

void CreateGame(MainWindow& window) {
  EditorState& state = window.State();
  const kit::ProgressDisplay progress = window.MakingProgress();
  const gamebuild::CreateGameContext context{window.Workspace(),
                                             window.Prompter(),
                                             gamebuild::EmbeddedRuntimes(),
                                             state.icon_path,
                                             state.level.unsaved_changes || state.level.unsaved_world,
                                             [progress](bool shown) { progress.SetShown(shown); },
                                             [progress](int position) { progress.SetPosition(position); }};
  // Execute Game starts the Linux game.
  if (const auto games = gamebuild::CreateGame(context)) state.last_game_path = games->linux_game->string();
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

// Import game.pak: the level on screen is dropped without a question when
// the workspace it belonged to has been replaced.
void ImportGamePak(MainWindow& window) {
  const kit::ProgressDisplay progress = window.ImportProgress();
  const gamebuild::ImportContext context{window.Workspace(), window.Prompter(),
                                         [progress](bool shown) { progress.SetShown(shown); },
                                         [progress](int position) { progress.SetPosition(position); }};
  const bool imported = gamebuild::ImportGamePakCommand(context, [&window] {
    window.Session().DiscardChanges();
    window.Session().New();
  });
  if (imported) window.BuildPalette();
  window.FitMap();
}

void ChooseIcon(MainWindow& window) {
  const auto chosen = window.Prompter().OpenFile({"Choose Icon", "*.ico", platform::kIconPatterns});
  window.State().icon_path = chosen ? chosen->string() : "";
}

// Every operation of the dialog shows on the map at once, while it stays open.
void ReplaceWalls(MainWindow& window) {
  ReplaceWallsDialog::Run(&window, window.State().level.grid, [&window] {
    window.RedrawMap();
    window.repaint();
    window.State().level.unsaved_changes = true;
  });
}

// The project's own guide when it has one, else the one installed with the editor.
void OpenHelp(MainWindow& window) {
  for (const auto& page : {window.Workspace().HelpPage(), window.Places().Guide()}) {
    if (!page.empty() && platform::FileSizeByName(page) >= 0) {
      QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
      return;
    }
  }
}

void OpenGameBitmapsFolder(MainWindow& window) {
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromStdString(window.Workspace().GameBitmapsFolder().string())));
}

// Escape drops the tool only while the cursor is over the map.
void Escape(MainWindow& window) {
  const EditorState& state = window.State();
  if (state.tools.tool_code && state.mouse_x > world::kPaletteWidth) window.DropTool();
}

template <size_t kIndex>
void OpenRecent(MainWindow& window) {
  OpenRecentProject(window, kIndex);
}

template <size_t kIndex>
std::string RecentText(const MainWindow& window) {
  return RecentProjectText(window, kIndex);
}

using namespace command;

const CommandRow kCommands[] = {
    {kNew, "World", "New", [](MainWindow& w) { w.Session().New(); }},
    {kLoadLevel, "World", "LoadWorld", [](MainWindow& w) { w.Session().Load(); }, kSeparatorAbove},
    {kSaveLevel, "World", "Save World", [](MainWindow& w) { (void)w.Session().Save(); }, kSeparatorAbove},
    {kImportGamePak, "World", "Import game.pak", ImportGamePak, kSeparatorAbove},
    {kNewProject, "World", "New Project", NewProject, kSeparatorAbove},
    {kOpenProject, "World", "Open Project", OpenProject},
    {.number = kRecentProject1, .menu = "World", .run = OpenRecent<0>, .separator_above = true, .caption = RecentText<0>},
    {.number = kRecentProject1 + 1, .menu = "World", .run = OpenRecent<1>, .caption = RecentText<1>},
    {.number = kRecentProject1 + 2, .menu = "World", .run = OpenRecent<2>, .caption = RecentText<2>},
    {.number = kRecentProject1 + 3, .menu = "World", .run = OpenRecent<3>, .caption = RecentText<3>},
    {.number = kRecentProject1 + 4, .menu = "World", .run = OpenRecent<4>, .caption = RecentText<4>},
    {kQuit, "World", "Quit", [](MainWindow& w) { w.Quit(); }, kSeparatorAbove},
    {kReplaceWalls, "Tools", "Exchange walls", ReplaceWalls},
    {kImportWallTextures, "Walls", "Import Wall Textures", RunDialog<assets::WallTexturesDialog>},
    {kImportDoorTextures, "Doors", "Import Door Textures", RunDialog<assets::DoorTexturesDialog>},
    {kImportNextLevelDoor, "Doors", "Import NextLevel Door Texture",
     [](MainWindow& w) { ImportOnePicture(w, assets::SlotKind::kSpecialDoor); }},
    {kImportFloorCeiling, "Floor+Ceiling", "Import Floor and Ceiling Textures",
     RunDialog<assets::FloorCeilingDialog>},
    {kEnemyAnimations, "Enemies", "Enemy Animations", RunDialog<assets::EnemyAnimationsDialog>},
    {kEnemySetup, "Enemies", "Enemy Setup", RunDialog<config::EnemySettingsDialog>},
    {kImportWeapons, "InGameItems", "Import Weapons", RunDialog<config::WeaponsDialog>},
    {kImportAmmoHealth, "InGameItems", "Import Ammo and Health", RunDialog<config::PacksDialog>},
    {kImportKey, "InGameItems", "Import Key", [](MainWindow& w) { ImportOnePicture(w, assets::SlotKind::kKey); }},
    {kImportTreasures, "InGameItems", "Import Treasures", RunDialog<config::TreasuresDialog>},
    {kImportSprites, "Sprites", "Import Sprites", RunDialog<config::SpritesDialog>},
    {kOpenGameBitmapsFolder, "GameBitmaps", "Open GameBitmaps Folder", OpenGameBitmapsFolder},
    {kImportGameBitmaps, "GameBitmaps", "Import GameBitmaps", ImportGameBitmaps},
    {kImportSounds, "Sounds", "Import Sounds", RunDialog<config::SoundsDialog>},
    {kPackPassword, "Settings", "Set GamePak Password", RunDialog<config::PasswordDialog>},
    {kGameSettings, "Settings", "Game Settings", RunDialog<config::GameSettingsDialog>},
    {kInfoText, "InfoText", "Define Info Text", RunDialog<config::InfoTextDialog>},
    {kIcon, "Game", "Icon", ChooseIcon},
    {kCreateGame, "Game", "CreateGame", CreateGame},
    {kExecuteGame, "Game", "ExecuteGame", ExecuteGame},
    {kHelp, "?", "Help", OpenHelp},
    {kAbout, "?", "About", [](MainWindow& w) { AboutDialog::Run(&w); }},
    {.number = kScrollLeft, .run = [](MainWindow& w) { w.Scroll(-1, 0); }, .key = Qt::Key_Left},
    {.number = kScrollRight, .run = [](MainWindow& w) { w.Scroll(1, 0); }, .key = Qt::Key_Right},
    {.number = kScrollUp, .run = [](MainWindow& w) { w.Scroll(0, -1); }, .key = Qt::Key_Up},
    {.number = kScrollDown, .run = [](MainWindow& w) { w.Scroll(0, 1); }, .key = Qt::Key_Down},
    {.number = kEscape, .run = Escape, .key = Qt::Key_Escape},
};

}  // namespace

std::span<const CommandRow> CommandRegistry() {
  return kCommands;
}

}  // namespace app
