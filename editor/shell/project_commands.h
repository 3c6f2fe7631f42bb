// The World menu's project commands: New Project, Open Project and the
// recent projects. Each first asks the "Save changes?" question that Load
// asks, and goes on only when the level on screen may be dropped.
#pragma once

#include <cstddef>
#include <string>

namespace app {

class MainWindow;

void NewProject(MainWindow& window);
void OpenProject(MainWindow& window);

// The recent project at `index` (0 is the newest). One that is gone or
// cannot be worked on any more is reported and taken off the list.
void OpenRecentProject(MainWindow& window, size_t index);

// Its menu text: its number and folder; empty when the list is shorter.
std::string RecentProjectText(const MainWindow& window, size_t index);

}  // namespace app
