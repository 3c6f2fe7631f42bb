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
#include "shell/recovery_upkeep.h"
#include "world/area_tools.h"
#include "world/cell_codes.h"
#include "world/cell_names.h"
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
  map_->on_wheel = [this](int delta, bool ctrl) { OnWheel(delta, ctrl); };
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
  play_test_ = std::make_unique<PlayTestRunner>(gamebuild::EmbeddedRuntimes().linux_runtime);

  player_ = platform::FromQImage(PlayerPicture());
  thumbnails_.by_code[world::kEmptyCode] =
      assets::Picture(world::kThumbnailSize, world::kThumbnailSize, world::kBackgroundColour);
  ZoomThumbnails();
  status_hold_.setSingleShot(true);
  status_hold_.setInterval(4000);
  recovery_ = std::make_unique<RecoveryUpkeep>(world::RecoveryFolder(), [this] { return UnsavedRecord(); });
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
  ZoomThumbnails();
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
  if (const assets::Picture* door = thumbnails_.Of(world::kDoorCode)) {
    palette_->SetDoor(*door, Text(state_.level.current_level_number));
    ZoomThumbnails();
  }
}

void MainWindow::BuildMenuBar() {
  // The menus of an earlier build go once the command that rebuilds them is done.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) menu->deleteLater();
  menuBar()->clear();
  // Narrow items in the palette's small font, so that all menus fit the
  // smallest window width.
  QFont small = menuBar()->font();
  small.setPixelSize(11);
  menuBar()->setFont(small);
  menuBar()->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 2px; }");
  std::map<std::string_view, QMenu*> menus;
  for (const CommandRow& row : CommandRegistry()) {
    if (!row.menu) continue;
    const QString text = row.caption ? Text(row.caption(*this)) : QString(row.text);
    if (text.isEmpty()) continue;
    QMenu*& menu = menus[row.menu];
    if (!menu) menu = menuBar()->addMenu(row.menu);
    if (row.separator_above) menu->addSeparator();
    QAction* action = actions_.at(row.number);
    action->setText(text);
    menu->addAction(action);
  }
  RefreshActions();
}

// One action per command: the menu item shows its shortcuts, and the
// shortcuts work whether or not the item stands in a menu.
void MainWindow::RegisterCommands() {
  for (const CommandRow& row : CommandRegistry()) {
    commands_.Set(row.number, [this, run = row.run, menu = row.menu] {
      run(*this);
      if (menu) RefreshProblems();
    });
    auto* action = new QAction(row.text ? row.text : "", this);
    QList<QKeySequence> keys;
    for (const int key : {row.key, row.second_key})
      if (key) keys.append(QKeySequence(key));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(row.checked != nullptr);
    addAction(action);
    AddCommandAction(action, row.number);
    actions_[row.number] = action;
  }
}

QAction* MainWindow::Action(int number) const {
  const auto it = actions_.find(number);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::RefreshActions() {
  for (const CommandRow& row : CommandRegistry()) {
    QAction* action = actions_.at(row.number);
    if (row.enabled) action->setEnabled(row.enabled(*this));
    if (row.checked) action->setChecked(row.checked(*this));
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
  level_name_ = name;
  UpdateTitle();
}

// The asterisk follows the first name of the title: the level's, else the
// project's, else "Tarnwick".
void MainWindow::UpdateTitle() {
  const std::string mark = state_.level.unsaved_changes ? "*" : "";
  std::string level = level_name_.toStdString();
  std::string project = state_.project_name;
  if (!level.empty())
    level += mark;
  else if (!project.empty())
    project += mark;
  else
    return setWindowTitle(Text(project::WindowTitle("", "") + mark));
  setWindowTitle(Text(project::WindowTitle(level, project)));
}

void MainWindow::FitMap() {
  const world::Size map = world::MapPictureSize({width(), height()});
  map_->Resize(map.width, map.height);
  map_->setGeometry(world::kPaletteWidth, 0, map.width, map.height);
  RedrawMap();
}

void MainWindow::RedrawMap() {
  world::RedrawMap(state_.level.grid, state_.scroll, zoomed_, map_->Picture(), state_.cell_pixels);
  ShowMark();
  map_->update();
  ShowToolOverlay();
}

void MainWindow::ScrollToCell(world::GridCell cell) {
  const QSize client = centralWidget()->size();
  const world::Size shown{(client.width() - world::kPaletteWidth) / state_.cell_pixels,
                          client.height() / state_.cell_pixels};
  const assets::Picture& map = map_->Picture();
  world::ScrollToShow(state_.scroll, cell, shown,
                      {world::VisibleColumns(map.width, state_.cell_pixels),
                       world::VisibleRows(map.height, state_.cell_pixels)});
  RedrawMap();
}

void MainWindow::MarkCell(std::optional<world::GridCell> cell) {
  state_.marked_cell = cell;
  ShowMark();
}

void MainWindow::ShowMark() {
  const auto& cell = state_.marked_cell;
  if (!cell) return map_->SetMark({});
  map_->SetMark(QRect((cell->column - state_.scroll.column + 1) * state_.cell_pixels,
                      (cell->row - state_.scroll.row + 1) * state_.cell_pixels, state_.cell_pixels,
                      state_.cell_pixels));
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
  OnWheel(event->angleDelta().y(), event->modifiers().testFlag(Qt::ControlModifier));
}

void MainWindow::OnWheel(int delta, bool ctrl) {
  if (ctrl) {
    if (delta != 0)
      ZoomTo(delta > 0 ? world::ZoomedIn(state_.cell_pixels) : world::ZoomedOut(state_.cell_pixels));
    return;
  }
  world::ScrollByWheel(state_.scroll, delta);
  RedrawMap();
}

void MainWindow::Scroll(int columns, int rows) {
  state_.scroll.column += columns;
  state_.scroll.row += rows;
  RedrawMap();
}

void MainWindow::DropTool() {
  state_.tools.tool_code.reset();
  state_.tools.floating.reset();
  state_.tools.drag_from.reset();
  map_->SetHanging(nullptr);
  ShowToolOverlay();
}

// A palette click picks its tool also while another one is held.
void MainWindow::OnControl(int control) {
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
  if (const auto code = world::ToolCodeOfControl(control)) PickTool(*code);
}

void MainWindow::PickTool(int code) {
  if (code == world::kPlayerStartCode && world::PlayerPlaced(state_.level.grid)) {
    prompter_.Show({"Player position has been defined already", "Error"});
    return;
  }
  state_.tools.tool_code = code;
  state_.tools.floating.reset();
  map_->SetHanging(thumbnails_.Of(code));
  ShowToolOverlay();
}

world::EditTarget MainWindow::Target() {
  const assets::Picture& map = map_->Picture();
  return {state_.level, state_.scroll, world::VisibleColumns(map.width, state_.cell_pixels),
          world::VisibleRows(map.height, state_.cell_pixels), state_.cell_pixels};
}

void MainWindow::OnMouse(world::MouseEvent event, int x, int y) {
  state_.mouse_x = x;
  state_.mouse_y = y;
  std::optional<world::GridPoint> cell;
  if (state_.marked_cell && (event == world::MouseEvent::kLeftDown || event == world::MouseEvent::kRightDown))
    MarkCell(std::nullopt);
  if (x >= world::kPaletteWidth) {
    state_.cell = world::CellAt(x - world::kPaletteWidth, y, state_.scroll, state_.cell_pixels);
    palette_->SetReadOut(QString("BlockX: %1").arg(state_.cell.block_x),
                         QString("BlockY: %1").arg(state_.cell.block_y));
    cell = world::GridCellOf(state_.cell, Target());
  } else {
    palette_->SetReadOut("", "");
  }
  ShowHover(cell);
  const world::AreaStepResult area =
      world::AreaStep(state_.tools, event, map_->ShiftHeld(), cell, state_.level);
  if (area.committed) {
    ShowChanges(area.changed);
    EditsChanged();
  }
  if (!area.status.empty()) ShowStatus(QString::fromStdString(area.status));
  const bool release = event == world::MouseEvent::kLeftUp || event == world::MouseEvent::kRightUp;
  if (!area.handled || release) {
    const world::MouseStepResult result = world::MouseStep(state_.tools, event, x, y, state_.cell, Target());
    if (result.scrolled)
      RedrawMap();
    else
      DrawCells(result.drawn);
    if (result.committed) EditsChanged();
    if (result.drag_started) map_->setCursor(Qt::SizeAllCursor);
  }
  if (event == world::MouseEvent::kLeftUp) map_->unsetCursor();
  if (!state_.tools.tool_code) map_->SetHanging(nullptr);
  ShowToolOverlay();
}

std::optional<std::string> MainWindow::AskLevelNumber(world::LevelDialogKind kind,
                                                      const std::string& current) {
  const auto typed = LevelDialog::Run(this, kind, Text(current));
  if (!typed) return std::nullopt;
  return typed->toStdString();
}

void MainWindow::ShowLevel() {
  state_.tools.selection.reset();
  RefreshDoor();
  RedrawMap();
  UpdateTitle();
  RefreshActions();
  recovery_->LevelSwitched();
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
    recovery_->Remove();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace app
