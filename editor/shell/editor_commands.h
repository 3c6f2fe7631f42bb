// The commands the main window hands to the picture, settings and
// game-building parts of the editor.
#pragma once

namespace app {

class MainWindow;

// Sets the handlers of those commands in the window's command table.
void ConnectEditorCommands(MainWindow& window);

}  // namespace app
