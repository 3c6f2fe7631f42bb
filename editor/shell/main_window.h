// The editor's main window: the tool palette at the left, the map view at
// the right, the menu bar above; every menu item and shortcut is dispatched
// by its command number through one command table.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "assets/picture.h"
#include "kit/progress.h"
#include "platform/prompter.h"
#include "platform/workspace.h"
#include "project/start_project.h"
#include "shell/command_table.h"
#include "shell/editor_state.h"
#include "world/cell_block.h"
#include "world/level_session.h"
#include "world/map_thumbnails.h"
#include "world/problem.h"
#include "world/recovery_file.h"

namespace world {
class MapView;
class ToolPaletteWidget;
}  // namespace world

class QAction;

namespace app {

class RecoveryUpkeep;
class PlayTestRunner;
class ProblemsPanel;

class MainWindow : public QMainWindow, private world::LevelScreen {
  Q_OBJECT
 public:
  MainWindow(platform::Workspace workspace, platform::Prompter& prompter, project::Places places = {},
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up steps after the workspace check: palette, new world, menus.
  void Start();
  void BuildPalette();
  void BuildMenuBar();

  // Runs the command of that number; numbers without a command do nothing.
  void Dispatch(int command);
  // The close logic: the editor quits unless "Save changes?" was answered
  // Yes and the level was not saved.
  void Quit();

  EditorState& State() { return state_; }
  const EditorState& State() const { return state_; }
  CommandTable& Commands() { return commands_; }
  const platform::Workspace& Workspace() const { return workspace_; }
  const project::Places& Places() const { return places_; }
  platform::Prompter& Prompter() { return prompter_; }
  kit::ProgressDisplay MakingProgress() const { return making_; }
  kit::ProgressDisplay ImportProgress() const { return importing_; }
  const assets::Picture& MapPicture() const;
  const world::MapThumbnails& Thumbnails() const { return thumbnails_; }

  world::LevelSession& Session() { return session_; }
  // The Save Level dialog; true when the level was saved.
  bool SaveLevel() { return session_.Save(); }

  // Works on the project in `folder` from now on: its palette, a new world
  // and its name in the title. The level on screen is dropped without a
  // question; the caller asked it.
  void SwitchProject(const std::filesystem::path& folder);

  // The level's name, the project's and "Tarnwick" (project::WindowTitle);
  // an asterisk follows the first of them while the grid has unsaved changes.
  void SetLevelTitle(const QString& name);
  // Takes up the grid a copy that did not quit left behind.
  void Restore(const world::RecoveryRecord& record);
  // The map picture made anew for the window's size, then redrawn.
  void FitMap() override;
  void RedrawMap();
  void DropTool() override;
  void Scroll(int columns, int rows);

  // The editing commands (main_window_editing.cpp).
  // Ends a change of the grid made outside the mouse tools as one undo step.
  void GridEdited(const world::LevelGrid& before);
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  void SelectAll();
  void TransformSelection(world::CellBlock (*transform)(const world::CellBlock&));
  void SetShape(world::Shape shape);
  // Drops a paste that follows the cursor, else the tool (over the map), else the selection.
  void Escape();
  // Zoom to cells of `cell` pixels about the cursor when it is over the map.
  void ZoomTo(int cell);
  void ZoomWholeLevel();
  void ToggleGridLines();
  // The action of command `number`; null for a number without one.
  QAction* Action(int number) const;
  QString StatusText() const;
  // Scrolls the map so that the cell is shown whole.
  void ScrollToCell(world::GridCell cell);
  // Marks the cell on the map until the next click; none clears the mark.
  void MarkCell(std::optional<world::GridCell> cell);

  // Opens the Problems panel on the workspace's problems as they are now.
  void ShowProblems();
  // Checks the workspace afresh for the panel, if it is open.
  void RefreshProblems();
  // Loads the problem's level (asking "Save changes?" first), scrolls to its
  // cell and marks it.
  void GoToProblem(const world::Problem& problem);
  ProblemsPanel& Problems() { return *problems_; }
  // The test game of Play Level.
  PlayTestRunner& PlayTest() { return *play_test_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The handlers and shortcuts of the command registry.
  void RegisterCommands();
  // Makes `action` dispatch command `number`.
  void AddCommandAction(QAction* action, int number);
  void OnMouse(world::MouseEvent event, int x, int y);
  void OnControl(int control);
  void OnWheel(int delta, bool ctrl);
  // Picks the tool of a palette button (the player start only while none is placed).
  void PickTool(int code);
  world::EditTarget Target();
  // Draws the cells an edit changed, or the whole map when they are many.
  void ShowChanges(std::span<const world::CellChange> changed);
  void DrawCells(std::span<const world::GridPoint> cells);
  // The title, the greyed items and the recovery file after the grid changed.
  void EditsChanged();
  void RefreshActions();
  // The selection, the shape or paste preview and the palette's held frame.
  void ShowToolOverlay();
  void ShowHover(std::optional<world::GridPoint> cell);
  // A message held in the status line for a few seconds.
  void ShowStatus(const QString& text);
  void UpdateTitle();
  std::optional<world::RecoveryRecord> UnsavedRecord() const;
  // What the level session asks of the window.
  std::optional<std::string> AskLevelNumber(world::LevelDialogKind kind, const std::string& current) override;
  void ShowLevel() override;
  void SetTitle(const std::string& name) override;
  // The icon sheet read afresh into `sheet_` (kept as it was when it can't be read).
  void LoadSheet();
  void ShowMark();
  void RefreshDoor();
  int DoorLevel() const;

  platform::Workspace workspace_;
  platform::Prompter& prompter_;
  project::Places places_;
  EditorState state_;
  world::LevelSession session_{state_.level, state_.scroll, workspace_, prompter_, *this};
  CommandTable commands_;
  std::optional<assets::Picture> sheet_;
  assets::Picture player_;
  world::MapThumbnails thumbnails_;
  world::MapThumbnails zoomed_;                                     // the thumbnails at the map's cell size
  std::array<QImage, world::MapThumbnails::kCodes> zoomed_images_;  // the same, for previews
  // Scales the thumbnails to the map's cell size.
  void ZoomThumbnails();
  world::MapView* map_ = nullptr;
  world::ToolPaletteWidget* palette_ = nullptr;
  kit::ProgressDisplay making_;
  kit::ProgressDisplay importing_;
  std::map<int, QAction*> actions_;  // by command number
  QString level_name_;
  QTimer status_hold_;
  std::unique_ptr<RecoveryUpkeep> recovery_;
  ProblemsPanel* problems_ = nullptr;
  std::unique_ptr<PlayTestRunner> play_test_;
};

}  // namespace app
