// The game's window, input loop and presentation on SDL2.
#pragma once

#include <filesystem>
#include <string>

namespace game {

struct RunOptions {
  std::filesystem::path executable_folder;
  std::filesystem::path workspace;  // empty: game.pak beside the executable
  int level = 0;                    // > 0: start this level at once
  int frames = -1;                  // >= 0: run this many tics headless and end
  std::string script;               // scripted input file
  std::string screenshot;           // BMP of the last frame
  int width = 640, height = 400;
  bool size_given = false;  // the size above wins over the player's window size
};

// Runs the game; the process exit code.
int RunGame(const RunOptions& options);

}  // namespace game
