#include "shell/command_registry.h"

#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "assets/screen_bitmaps.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"
#include "config/workspace_picture_slots.h"
#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "gamebuild/import_game_pak.h"
#include "gamebuild/play_test.h"
#include "gamebuild/workspace_problems.h"
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
#include "shell/play_test_runner.h"
#include "shell/project_commands.h"
#include "world/cell_block.h"
#include "world/level_session.h"
#include "world/map_geometry.h"
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
  const auto games = gamebuild::CreateGame(context);
  if (games && games->linux_game) state.last_game_path = games->linux_game->string();
  window.FitMap();
  // Stopped by a level or a missing file: the panel shows which.
  if (!games && !context.level_unsaved && gamebuild::HasErrors(gamebuild::CheckWorkspace(window.Workspace())))
    window.ShowProblems();
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

// Play Level and Play From Here: the grid on screen, unsaved changes and
// all, played in a test game that replaces the one running.
void PlayLevel(MainWindow& window, bool from_here) {
  const EditorState& state = window.State();
  std::optional<gamebuild::PlayStart> cursor;
  if (state.mouse_x >= world::kPaletteWidth) {  // the map may have scrolled under it since it moved
    const auto cell = world::CellAt(state.mouse_x - world::kPaletteWidth, state.mouse_y, state.scroll);
    cursor = gamebuild::PlayStart{{cell.block_x - 1, cell.block_y - 1}, state.facing_degrees};
  }
  const int level = world::LevelNumberOfText(state.level.current_level_number).value_or(1);
  const auto plan = gamebuild::PlanPlay({level, state.level.grid, cursor, from_here});
  if (const auto* why = std::get_if<platform::Message>(&plan)) return window.Prompter().Show(*why);
  if (const auto failed = window.PlayTest().Play(window.Workspace(), std::get<gamebuild::PlayPlan>(plan)))
    window.Prompter().Show(*failed);
}

// An arrow key scrolls the map and turns the player of Play From Here.
template <int kColumns, int kRows, int kDegrees>
void ScrollAndFace(MainWindow& window) {
  window.State().facing_degrees = kDegrees;
  window.Scroll(kColumns, kRows);
}

// Import game.pak: the level on screen is dropped without a question when
// the workspace it belonged to has been replaced.
void ImportGamePak(MainWindow& window) {
  const kit::ProgressDisplay progress = window.ImportProgress();
  const gamebuild::ImportContext context{window.Workspace(), window.Prompter(),
                                         [progress](bool shown) { progress.SetShown(shown); },
                                         [progress](int position) { progress.SetPosition(position); }};
  const auto result = gamebuild::ImportGamePakCommand(context, [&window] {
    window.Session().DiscardChanges();
    window.Session().New();
  });
  if (result != gamebuild::ImportResult::kNotImported) window.BuildPalette();
  window.FitMap();
}

void ChooseIcon(MainWindow& window) {
  const auto chosen = window.Prompter().OpenFile({"Choose Icon", "*.ico", platform::kIconPatterns});
  window.State().icon_path = chosen ? chosen->string() : "";
}

// Every operation of the dialog shows on the map at once, while it stays open.
// Each operation is one undo step.
void ReplaceWalls(MainWindow& window) {
  world::LevelGrid before = window.State().level.grid;
  ReplaceWallsDialog::Run(&window, window.State().level.grid, [&window, &before] {
    window.GridEdited(before);
    before = window.State().level.grid;
    window.repaint();
  });
}

// Opens a file or folder with the desktop's program for it; when the
// desktop has none, says so.
void OpenOnDesktop(MainWindow& window, const std::filesystem::path& path) {
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string()))))
    window.Prompter().Show({"Cannot open " + path.string(), "Error"});
}

// The project's own guide when it has one, else the one installed with the editor.
void OpenHelp(MainWindow& window) {
  for (const auto& page : {window.Workspace().HelpPage(), window.Places().Guide()}) {
    if (!page.empty() && platform::FileSizeByName(page) >= 0) {
      OpenOnDesktop(window, page);
      return;
    }
  }
}

void OpenGameBitmapsFolder(MainWindow& window) {
  OpenOnDesktop(window, window.Workspace().GameBitmapsFolder());
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

constexpr int Ctrl(Qt::Key key) {
  return (Qt::CTRL | key).toCombined();
}
constexpr int CtrlShift(Qt::Key key) {
  return (Qt::CTRL | Qt::SHIFT | key).toCombined();
}

bool CanUndo(const MainWindow& w) {
  return w.State().level.history.CanUndo();
}
bool CanRedo(const MainWindow& w) {
  return w.State().level.history.CanRedo();
}
bool HasSelection(const MainWindow& w) {
  return w.State().tools.selection.has_value();
}
bool HasClipboard(const MainWindow& w) {
  return !w.State().clipboard.empty();
}
bool CanTransform(const MainWindow& w) {
  return w.State().tools.selection || w.State().tools.floating;
}

template <world::Shape shape>
void PickShape(MainWindow& w) {
  w.SetShape(shape);
}
template <world::Shape shape>
bool ShapeIs(const MainWindow& w) {
  return w.State().tools.shape == shape;
}

const CommandRow kCommands[] = {
    {kNew, "World", "New", [](MainWindow& w) { w.Session().New(); }, false, Ctrl(Qt::Key_N)},
    {kLoadLevel, "World", "LoadWorld", [](MainWindow& w) { w.Session().Load(); }, kSeparatorAbove,
     Ctrl(Qt::Key_O)},
    {kSaveLevel, "World", "Save World", [](MainWindow& w) { (void)w.Session().Save(); }, kSeparatorAbove,
     Ctrl(Qt::Key_S)},
    {kImportGamePak, "World", "Import game.pak", ImportGamePak, kSeparatorAbove},
    {kNewProject, "World", "New Project", NewProject, kSeparatorAbove},
    {kOpenProject, "World", "Open Project", OpenProject},
    {.number = kRecentProject1,
     .menu = "World",
     .run = OpenRecent<0>,
     .separator_above = true,
     .caption = RecentText<0>},
    {.number = kRecentProject1 + 1, .menu = "World", .run = OpenRecent<1>, .caption = RecentText<1>},
    {.number = kRecentProject1 + 2, .menu = "World", .run = OpenRecent<2>, .caption = RecentText<2>},
    {.number = kRecentProject1 + 3, .menu = "World", .run = OpenRecent<3>, .caption = RecentText<3>},
    {.number = kRecentProject1 + 4, .menu = "World", .run = OpenRecent<4>, .caption = RecentText<4>},
    {kQuit, "World", "Quit", [](MainWindow& w) { w.Quit(); }, kSeparatorAbove},
    {kUndo, "Edit", "Undo", [](MainWindow& w) { w.Undo(); }, false, Ctrl(Qt::Key_Z), 0, CanUndo},
    {kRedo, "Edit", "Redo", [](MainWindow& w) { w.Redo(); }, false, CtrlShift(Qt::Key_Z), Ctrl(Qt::Key_Y),
     CanRedo},
    {kCut, "Edit", "Cut", [](MainWindow& w) { w.Cut(); }, kSeparatorAbove, Ctrl(Qt::Key_X), 0, HasSelection},
    {kCopy, "Edit", "Copy", [](MainWindow& w) { w.Copy(); }, false, Ctrl(Qt::Key_C), 0, HasSelection},
    {kPaste, "Edit", "Paste", [](MainWindow& w) { w.Paste(); }, false, Ctrl(Qt::Key_V), 0, HasClipboard},
    {kDelete, "Edit", "Delete", [](MainWindow& w) { w.DeleteSelection(); }, false, Qt::Key_Delete, 0,
     HasSelection},
    {kSelectAll, "Edit", "Select All", [](MainWindow& w) { w.SelectAll(); }, false, Ctrl(Qt::Key_A)},
    {kFlipHorizontally, "Edit", "Flip Horizontally",
     [](MainWindow& w) { w.TransformSelection(world::FlippedHorizontally); }, kSeparatorAbove, Qt::Key_X, 0,
     CanTransform},
    {kFlipVertically, "Edit", "Flip Vertically",
     [](MainWindow& w) { w.TransformSelection(world::FlippedVertically); }, false, Qt::Key_Y, 0,
     CanTransform},
    {kTurn, "Edit", "Turn 90 Degrees", [](MainWindow& w) { w.TransformSelection(world::TurnedClockwise); },
     false, Qt::Key_Z, 0, CanTransform},
    {kZoomIn, "Edit", "Zoom In", [](MainWindow& w) { w.ZoomTo(world::ZoomedIn(w.State().cell_pixels)); },
     kSeparatorAbove, Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal)},
    {kZoomOut, "Edit", "Zoom Out", [](MainWindow& w) { w.ZoomTo(world::ZoomedOut(w.State().cell_pixels)); },
     false, Ctrl(Qt::Key_Minus)},
    {kZoomReset, "Edit", "Actual Size", [](MainWindow& w) { w.ZoomTo(world::kCellPixels); }, false,
     Ctrl(Qt::Key_0)},
    {kZoomWholeLevel, "Edit", "Show Whole Level", [](MainWindow& w) { w.ZoomWholeLevel(); }, false,
     Ctrl(Qt::Key_9)},
    {.number = kGridLines,
     .menu = "Edit",
     .text = "Grid Lines",
     .run = [](MainWindow& w) { w.ToggleGridLines(); },
     .key = Ctrl(Qt::Key_G),
     .checked = [](const MainWindow& w) { return w.State().grid_lines; }},
    {kReplaceWalls, "Tools", "Exchange walls", ReplaceWalls},
    {kShapePaint, "Tools", "Paint", PickShape<world::Shape::kPaint>, kSeparatorAbove, Qt::Key_B, 0, nullptr,
     ShapeIs<world::Shape::kPaint>},
    {kShapeLine, "Tools", "Line", PickShape<world::Shape::kLine>, false, Qt::Key_L, 0, nullptr,
     ShapeIs<world::Shape::kLine>},
    {kShapeRectangle, "Tools", "Rectangle", PickShape<world::Shape::kRectangle>, false, Qt::Key_R, 0, nullptr,
     ShapeIs<world::Shape::kRectangle>},
    {kShapeFilledRectangle, "Tools", "Filled Rectangle", PickShape<world::Shape::kFilledRectangle>, false,
     (Qt::SHIFT | Qt::Key_R).toCombined(), 0, nullptr, ShapeIs<world::Shape::kFilledRectangle>},
    {kShapeFill, "Tools", "Flood Fill", PickShape<world::Shape::kFill>, false, Qt::Key_F, 0, nullptr,
     ShapeIs<world::Shape::kFill>},
    {kShapeSelect, "Tools", "Select", PickShape<world::Shape::kSelect>, false, Qt::Key_S, 0, nullptr,
     ShapeIs<world::Shape::kSelect>},
    {kProblems, "Tools", "Problems", [](MainWindow& w) { w.ShowProblems(); }, kSeparatorAbove, Qt::Key_F8},
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
    {kImportKey, "InGameItems", "Import Key",
     [](MainWindow& w) { ImportOnePicture(w, assets::SlotKind::kKey); }},
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
    {kPlayLevel, "Game", "Play Level", [](MainWindow& w) { PlayLevel(w, false); }, kSeparatorAbove,
     Qt::Key_F5},
    {kPlayFromHere, "Game", "Play From Here", [](MainWindow& w) { PlayLevel(w, true); }, false,
     static_cast<int>(Qt::SHIFT) | Qt::Key_F5},
    {kHelp, "?", "Help", OpenHelp},
    {kAbout, "?", "About", [](MainWindow& w) { AboutDialog::Run(&w); }},
    {.number = kScrollLeft, .run = ScrollAndFace<-1, 0, 180>, .key = Qt::Key_Left},
    {.number = kScrollRight, .run = ScrollAndFace<1, 0, 0>, .key = Qt::Key_Right},
    {.number = kScrollUp, .run = ScrollAndFace<0, -1, 270>, .key = Qt::Key_Up},
    {.number = kScrollDown, .run = ScrollAndFace<0, 1, 90>, .key = Qt::Key_Down},
    {.number = kEscape, .run = [](MainWindow& w) { w.Escape(); }, .key = Qt::Key_Escape},
};

}  // namespace

std::span<const CommandRow> CommandRegistry() {
  return kCommands;
}

}  // namespace app
