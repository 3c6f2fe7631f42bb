#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>

#include "assets/icon_sheet.h"
#include "gamebuild/import_game_pak.h"
#include "kit/control_numbers.h"
#include "kit/image_button.h"
#include "kit/progress.h"
#include "kit/qt_picture.h"
#include "map/level_dialog.h"
#include "map/map_view.h"
#include "map/replace_walls_dialog.h"
#include "map/tool_palette_widget.h"
#include "platform/file_patterns.h"
#include "platform/int_parse.h"
#include "shell/about_dialog.h"
#include "shell/builtin_pictures.h"
#include "shell/command_numbers.h"
#include "shell/editor_commands.h"
#include "shell/menu_table.h"
#include "world/cell_codes.h"
#include "world/map_picture.h"
#include "world/palette_layout.h"

namespace app {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(platform::Workspace workspace, platform::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), workspace_(std::move(workspace)), prompter_(prompter) {
  setWindowTitle("Tarnwick");
  setMinimumSize(world::kMinWindowWidth, world::kMinWindowHeight);
  setMaximumSize(world::kMaxWindowWidth, world::kMaxWindowHeight);
  resize(800, 620);

  auto* client = new QWidget(this);
  setCentralWidget(client);
  map_ = new world::MapView(client);
  map_->on_mouse = [this](world::MouseEvent e, int x, int y) { OnMouse(e, x, y); };
  map_->on_wheel = [this](int delta) {
    world::ScrollByWheel(state_.scroll, delta);
    RedrawMap();
  };
  palette_ = new world::ToolPaletteWidget(
      client, {ArrowPicture(world::Arrow::kLeft), ArrowPicture(world::Arrow::kRight),
               ArrowPicture(world::Arrow::kUp), ArrowPicture(world::Arrow::kDown)});
  palette_->setGeometry(0, 0, world::kPaletteWidth, world::kMaxWindowHeight);
  palette_->on_control = [this](int control) { OnControl(control); };
  palette_->on_mouse = [this](world::MouseEvent e, int x, int y) { OnMouse(e, x, y); };
  making_ = kit::ProgressDisplay::Make(client, "Making the Game", 380);
  importing_ = kit::ProgressDisplay::Make(client, "Importing game.pak", 600);

  player_ = platform::FromQImage(PlayerPicture());
  thumbnails_.by_code[world::kEmptyCode] =
      assets::Picture(world::kThumbnailSize, world::kThumbnailSize, world::kBackgroundColour);
  RegisterCommands();
  RegisterShortcuts();
  FitMap();
}

MainWindow::~MainWindow() = default;

void MainWindow::Start() {
  BuildPalette();
  session_.New();
  BuildMenuBar();
}

const assets::Picture& MainWindow::MapPicture() const {
  return map_->Picture();
}

int MainWindow::DoorLevel() const {
  const int64_t value = platform::ParseInteger(state_.level.current_level_number);
  return static_cast<int>(std::clamp<int64_t>(value, -1, 1000));
}

void MainWindow::BuildPalette() {
  LoadSheet();
  if (sheet_) thumbnails_ = world::BuildMapThumbnails(*sheet_, DoorLevel(), player_);
  palette_->SetThumbnails(thumbnails_);
  RefreshDoor();
  RedrawMap();
}

void MainWindow::LoadSheet() {
  assets::EnsureIconSheet(workspace_);  // a missing sheet is made anew in black
  if (auto sheet = assets::LoadIconSheet(workspace_)) sheet_ = std::move(*sheet);
}

void MainWindow::RefreshDoor() {
  if (!sheet_) LoadSheet();
  if (sheet_) world::SetDoorThumbnail(thumbnails_, *sheet_, DoorLevel());
  if (const assets::Picture* door = thumbnails_.Of(world::kDoorCode))
    palette_->SetDoor(*door, Text(state_.level.current_level_number));
}

void MainWindow::BuildMenuBar() {
  menuBar()->clear();
  // Narrow items, so that all fourteen menus fit the default window width.
  menuBar()->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }");
  for (const Menu& menu : MenuBarTable()) {
    QMenu* qmenu = menuBar()->addMenu(menu.title);
    for (const MenuItem& item : menu.items) {
      if (item.command == kSeparator) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(item.text);
      action->setData(item.command);
      action->setProperty("command", item.command);
      const int number = item.command;
      connect(action, &QAction::triggered, this, [this, number] { Dispatch(number); });
    }
  }
}

void MainWindow::RegisterShortcuts() {
  const std::pair<int, Qt::Key> keys[] = {{command::kScrollLeft, Qt::Key_Left},
                                          {command::kScrollRight, Qt::Key_Right},
                                          {command::kScrollUp, Qt::Key_Up},
                                          {command::kScrollDown, Qt::Key_Down},
                                          {command::kEscape, Qt::Key_Escape}};
  for (const auto& [number, key] : keys) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(number);
    action->setProperty("command", number);
    connect(action, &QAction::triggered, this, [this, n = number] { Dispatch(n); });
    addAction(action);
  }
}

void MainWindow::RegisterCommands() {
  using namespace command;
  commands_.Set(kNew, [this] { session_.New(); });
  commands_.Set(kLoadLevel, [this] { session_.Load(); });
  commands_.Set(kSaveLevel, [this] { session_.Save(); });
  commands_.Set(kImportGamePak, [this] { ImportGamePak(); });
  commands_.Set(kQuit, [this] { CloseLogic(); });
  commands_.Set(kReplaceWalls, [this] { ReplaceWalls(); });
  commands_.Set(kOpenGameBitmapsFolder, [this] { OpenGameBitmapsFolder(); });
  commands_.Set(kIcon, [this] { ChooseIcon(); });
  commands_.Set(kHelp, [this] { OpenHelp(); });
  commands_.Set(kAbout, [this] { AboutDialog::Run(this); });
  commands_.Set(kScrollLeft, [this] { Scroll(-1, 0); });
  commands_.Set(kScrollRight, [this] { Scroll(1, 0); });
  commands_.Set(kScrollUp, [this] { Scroll(0, -1); });
  commands_.Set(kScrollDown, [this] { Scroll(0, 1); });
  commands_.Set(kEscape, [this] {
    if (state_.tools.tool_code && state_.mouse_x > world::kPaletteWidth) DropTool();
  });
  ConnectEditorCommands(*this);
}

void MainWindow::Dispatch(int command) {
  commands_.Dispatch(command);
}

void MainWindow::SetLevelTitle(const QString& name) {
  setWindowTitle(name.isEmpty() ? QString("Tarnwick") : name + " - Tarnwick");
}

void MainWindow::FitMap() {
  const world::Size map = world::MapPictureSize({width(), height()});
  map_->Resize(map.width, map.height);
  map_->setGeometry(world::kPaletteWidth, 0, map.width, map.height);
  RedrawMap();
}

void MainWindow::RedrawMap() {
  world::RedrawMap(state_.level.grid, state_.scroll, thumbnails_, map_->Picture());
  map_->update();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitMap();
}

void MainWindow::wheelEvent(QWheelEvent* event) {
  world::ScrollByWheel(state_.scroll, event->angleDelta().y());
  RedrawMap();
}

void MainWindow::Scroll(int columns, int rows) {
  state_.scroll.column += columns;
  state_.scroll.row += rows;
  RedrawMap();
}

void MainWindow::DropTool() {
  state_.tools.tool_code.reset();
  map_->SetHanging(nullptr);
}

void MainWindow::OnControl(int control) {
  if (state_.tools.tool_code) return;
  switch (control) {
    case world::kScrollLeftButton:
      return Scroll(-1, 0);
    case world::kScrollRightButton:
      return Scroll(1, 0);
    case world::kScrollUpButton:
      return Scroll(0, -1);
    case world::kScrollDownButton:
      return Scroll(0, 1);
    default:
      break;
  }
  const auto code = world::ToolCodeOfControl(control);
  if (!code) return;
  if (*code == world::kPlayerStartCode && world::PlayerPlaced(state_.level.grid)) {
    prompter_.Show({"Player position has been defined already", "Error"});
    return;
  }
  state_.tools.tool_code = code;
  map_->SetHanging(thumbnails_.Of(*code));
}

void MainWindow::OnMouse(world::MouseEvent event, int x, int y) {
  state_.mouse_x = x;
  state_.mouse_y = y;
  if (x >= world::kPaletteWidth) {
    state_.cell = world::CellAt(x - world::kPaletteWidth, y, state_.scroll);
    palette_->SetReadOut(QString("BlockX: %1").arg(state_.cell.block_x),
                         QString("BlockY: %1").arg(state_.cell.block_y));
  } else {
    palette_->SetReadOut("", "");
  }
  const assets::Picture& map = map_->Picture();
  world::EditTarget target{state_.level, state_.scroll, world::VisibleColumns(map.width),
                           world::VisibleRows(map.height)};
  const world::MouseStepResult result = world::MouseStep(state_.tools, event, x, y, state_.cell, target);
  if (result.scrolled) {
    RedrawMap();
  } else if (result.drawn_byte) {
    if (const assets::Picture* tile = thumbnails_.Of(world::CellCodeOf(*result.drawn_byte)))
      world::DrawTile(map_->Picture(), state_.cell.x, state_.cell.y, *tile);
    map_->UpdateArea(state_.cell.x, state_.cell.y, world::kThumbnailSize, world::kThumbnailSize);
  }
  if (result.drag_started) map_->setCursor(Qt::SizeAllCursor);
  if (event == world::MouseEvent::kLeftUp) map_->unsetCursor();
  if (!state_.tools.tool_code) map_->SetHanging(nullptr);
}

std::optional<std::string> MainWindow::AskLevelNumber(world::LevelDialogKind kind,
                                                      const std::string& current) {
  const auto typed = LevelDialog::Run(this, kind, Text(current));
  if (!typed) return std::nullopt;
  return typed->toStdString();
}

void MainWindow::ShowLevel() {
  RefreshDoor();
  RedrawMap();
}

void MainWindow::SetTitle(const std::string& name) {
  SetLevelTitle(Text(name));
}

void MainWindow::CloseLogic() {
  if (!session_.MayDropLevel()) return;
  state_.quit = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (state_.quit || session_.MayDropLevel()) {
    state_.quit = true;
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::ImportGamePak() {
  const gamebuild::ImportContext context{workspace_, prompter_,
                                         [this](bool shown) { importing_.SetShown(shown); },
                                         [this](int position) { importing_.SetPosition(position); }};
  // The level on screen is dropped without a question: the workspace it
  // belonged to has been replaced.
  const bool imported = gamebuild::ImportGamePakCommand(context, [this] {
    session_.DiscardChanges();
    session_.New();
  });
  if (imported) BuildPalette();
  FitMap();
}

void MainWindow::ChooseIcon() {
  const auto chosen = prompter_.OpenFile({"Choose Icon", "*.ico", platform::kIconPatterns});
  state_.icon_path = chosen ? chosen->string() : "";
}

void MainWindow::ReplaceWalls() {
  ReplaceWallsDialog::Run(this, state_.level.grid, [this] {
    RedrawMap();
    map_->repaint();
    state_.level.unsaved_changes = true;
  });
}

void MainWindow::OpenHelp() {
  const auto page = workspace_.HelpPage();
  if (platform::FileSizeByName(page) >= 0)
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
}

void MainWindow::OpenGameBitmapsFolder() {
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromStdString(workspace_.GameBitmapsFolder().string())));
}

}  // namespace app
