// Opening the screen: the window toolkit's application, or the end of the
// process with the editor's own message when no screen can be had.
#pragma once

#include <QApplication>
#include <memory>

namespace app {

// The application on the screen it opened. When no screen opens (none is
// named, the one named can't be reached, its platform won't load) "Error":
// "Can't open screen!" goes to the error output, and the process ends with
// status 1 (nothing is returned when no screen was named at all).
std::unique_ptr<QApplication> OpenScreen(int& argc, char** argv);

}  // namespace app
