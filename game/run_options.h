// The game runtime's command line, parsed into a plain record that every
// platform layer starts the game from.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace game {

struct RunOptions {
  std::filesystem::path executable_folder;  // set by the platform layer, not by the command line
  std::filesystem::path workspace;          // empty: game.pak beside the executable
  int level = 0;                            // > 0: start this level at once
  int frames = -1;                          // >= 0: run this many tics headless and end
  std::string script;                       // scripted input file
  std::string screenshot;                   // BMP of the last frame
  int width = 640, height = 400;
};

// The text of --help.
extern const char* const kRunUsage;

struct CommandLine {
  RunOptions options;
  bool help = false;  // --help: show kRunUsage and end
  std::string error;  // not empty: the line is wrong; show this, then the usage
};

// Parses the arguments that follow the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace game
