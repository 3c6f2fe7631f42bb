// The game on Win32: loading, the headless run, and the window's loop.
#pragma once

#include "run_options.h"

namespace game::win {

// Runs the game; the process exit code.
int RunGame(const RunOptions& options);

}  // namespace game::win
