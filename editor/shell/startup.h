// Bringing the editor up and taking it down.
#pragma once

namespace app {

// The whole run of the editor: the start-up steps, the event loop until the
// editor is quit, and the exit status.
int RunEditor(int argc, char** argv);

}  // namespace app
