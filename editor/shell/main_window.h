// The editor's main window: the tool palette at the left, the map view at
// the right, the menu bar above; every menu item and shortcut is dispatched
// by its command number through one command table.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "assets/picture.h"
#include "kit/progress.h"
#include "platform/prompter.h"
#include "platform/workspace.h"
#include "project/start_project.h"
#include "shell/command_table.h"
#include "shell/editor_state.h"
#include "world/level_session.h"
#include "world/map_thumbnails.h"
#include "world/problem.h"

namespace world {
class MapView;
class ToolPaletteWidget;
}  // namespace world

namespace app {

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

  // The level's name, the project's and "Tarnwick" (project::WindowTitle).
  void SetLevelTitle(const QString& name);
  // The map picture made anew for the window's size, then redrawn.
  void FitMap() override;
  void RedrawMap();
  void DropTool() override;
  void Scroll(int columns, int rows);

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
  world::MapView* map_ = nullptr;
  world::ToolPaletteWidget* palette_ = nullptr;
  kit::ProgressDisplay making_;
  kit::ProgressDisplay importing_;
  ProblemsPanel* problems_ = nullptr;
  std::unique_ptr<PlayTestRunner> play_test_;
};

}  // namespace app
