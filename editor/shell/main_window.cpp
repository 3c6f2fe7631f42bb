#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <map>
#include <string_view>

#include "assets/icon_sheet.h"
#include "gamebuild/embedded/runtime_block.h"
#include "gamebuild/workspace_problems.h"
#include "kit/qt_picture.h"
#include "map/level_dialog.h"
#include "map/map_view.h"
#include "map/tool_palette_widget.h"
#include "platform/int_parse.h"
#include "project/project_folder.h"
#include "project/window_title.h"
#include "shell/builtin_pictures.h"
#include "shell/command_registry.h"
#include "shell/play_test_runner.h"
#include "shell/problems_panel.h"
#include "world/cell_codes.h"
#include "world/map_picture.h"
#include "world/palette_layout.h"

namespace app {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(platform::Workspace workspace, platform::Prompter& prompter, project::Places places,
                       QWidget* parent)
    : QMainWindow(parent), workspace_(std::move(workspace)), prompter_(prompter), places_(std::move(places)) {
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

  problems_ = new ProblemsPanel(this);
  problems_->on_open = [this](const world::Problem& problem) { GoToProblem(problem); };
  problems_->on_check = [this] { ShowProblems(); };
  play_test_ = std::make_unique<PlayTestRunner>(gamebuild::RuntimeBlock());

  player_ = platform::FromQImage(PlayerPicture());
  thumbnails_.by_code[world::kEmptyCode] =
      assets::Picture(world::kThumbnailSize, world::kThumbnailSize, world::kBackgroundColour);
  RegisterCommands();
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
  // A missing sheet is made anew in black; one that cannot be made leaves
  // the palette as it was, and the first import of a picture says so.
  if (!assets::EnsureIconSheet(workspace_)) return;
  if (auto sheet = assets::LoadIconSheet(workspace_)) sheet_ = std::move(*sheet);
}

void MainWindow::RefreshDoor() {
  if (!sheet_) LoadSheet();
  if (sheet_) world::SetDoorThumbnail(thumbnails_, *sheet_, DoorLevel());
  if (const assets::Picture* door = thumbnails_.Of(world::kDoorCode))
    palette_->SetDoor(*door, Text(state_.level.current_level_number));
}

void MainWindow::BuildMenuBar() {
  // The menus of an earlier build go once the command that rebuilds them is done.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) menu->deleteLater();
  menuBar()->clear();
  // Narrow items, so that all fourteen menus fit the default window width.
  menuBar()->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }");
  std::map<std::string_view, QMenu*> menus;
  for (const CommandRow& row : CommandRegistry()) {
    if (!row.menu) continue;
    const QString text = row.caption ? Text(row.caption(*this)) : QString(row.text);
    if (text.isEmpty()) continue;
    QMenu*& menu = menus[row.menu];
    if (!menu) menu = menuBar()->addMenu(row.menu);
    if (row.separator_above) menu->addSeparator();
    AddCommandAction(menu->addAction(text), row.number);
  }
}

void MainWindow::RegisterCommands() {
  for (const CommandRow& row : CommandRegistry()) {
    commands_.Set(row.number, [this, run = row.run, menu = row.menu] {
      run(*this);
      if (menu) RefreshProblems();
    });
    if (row.key) {
      auto* action = new QAction(this);
      action->setShortcut(QKeySequence(row.key));
      action->setShortcutContext(Qt::WindowShortcut);
      addAction(action);
      AddCommandAction(action, row.number);
    }
  }
}

void MainWindow::AddCommandAction(QAction* action, int number) {
  action->setData(number);
  action->setProperty("command", number);
  connect(action, &QAction::triggered, this, [this, number] { Dispatch(number); });
}

void MainWindow::Dispatch(int command) {
  commands_.Dispatch(command);
}

void MainWindow::SwitchProject(const std::filesystem::path& folder) {
  workspace_ = platform::Workspace(folder);
  state_.project_name = project::ProjectName(folder);
  state_.icon_path.clear();  // the icon and the game written last were the other project's
  state_.last_game_path.clear();
  sheet_.reset();
  BuildPalette();
  session_.DiscardChanges();
  session_.New();
}

void MainWindow::SetLevelTitle(const QString& name) {
  setWindowTitle(Text(project::WindowTitle(name.toStdString(), state_.project_name)));
}

void MainWindow::FitMap() {
  const world::Size map = world::MapPictureSize({width(), height()});
  map_->Resize(map.width, map.height);
  map_->setGeometry(world::kPaletteWidth, 0, map.width, map.height);
  RedrawMap();
}

void MainWindow::RedrawMap() {
  world::RedrawMap(state_.level.grid, state_.scroll, thumbnails_, map_->Picture());
  ShowMark();
  map_->update();
}

void MainWindow::ScrollToCell(world::GridCell cell) {
  const QSize client = centralWidget()->size();
  const world::Size shown{(client.width() - world::kPaletteWidth) / world::kCellPixels,
                          client.height() / world::kCellPixels};
  const assets::Picture& map = map_->Picture();
  world::ScrollToShow(state_.scroll, cell, shown,
                      {world::VisibleColumns(map.width), world::VisibleRows(map.height)});
  RedrawMap();
}

void MainWindow::MarkCell(std::optional<world::GridCell> cell) {
  state_.marked_cell = cell;
  ShowMark();
}

void MainWindow::ShowMark() {
  const auto& cell = state_.marked_cell;
  if (!cell) return map_->SetMark({});
  map_->SetMark(QRect((cell->column - state_.scroll.column + 1) * world::kCellPixels,
                      (cell->row - state_.scroll.row + 1) * world::kCellPixels, world::kCellPixels,
                      world::kCellPixels));
}

void MainWindow::ShowProblems() {
  problems_->ShowList(gamebuild::CheckWorkspace(workspace_));
  problems_->Open();
}

void MainWindow::RefreshProblems() {
  if (problems_->isVisible()) problems_->ShowList(gamebuild::CheckWorkspace(workspace_));
}

void MainWindow::GoToProblem(const world::Problem& problem) {
  // Answered Yes to "Save changes?", the level was saved: the list is
  // checked again, once the double-click that asked has been handled.
  QTimer::singleShot(0, this, [this] { RefreshProblems(); });
  if (problem.level < 1 || !session_.Open(problem.level)) return;
  if (!problem.cell) return MarkCell(std::nullopt);
  ScrollToCell(*problem.cell);
  MarkCell(problem.cell);
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
  if (state_.marked_cell && (event == world::MouseEvent::kLeftDown || event == world::MouseEvent::kRightDown))
    MarkCell(std::nullopt);
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

void MainWindow::Quit() {
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

}  // namespace app
