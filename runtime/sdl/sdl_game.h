// The game's window, input loop and presentation on SDL2.
#pragma once

#include "run_options.h"

namespace game {

// Runs the game; the process exit code.
int RunGame(const RunOptions& options);

}  // namespace game
