// The game runtime's command line, parsed into a plain record that every
// platform layer starts the game from.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace game {

// Where the player starts the level of --level: a cell counted from 1 as the
// editor counts them, facing `degrees` clockwise from east (90 looks south).
struct StartPosition {
  int column = 1;
  int row = 1;
  int degrees = 0;
  bool operator==(const StartPosition&) const = default;
};

struct RunOptions {
  std::filesystem::path executable_folder;  // set by the platform layer, not by the command line
  std::filesystem::path workspace;          // empty: game.pak beside the executable
  std::filesystem::path pak;                // a pack to play instead of game.pak beside the executable
  int level = 0;                            // > 0: start this level at once
  std::optional<StartPosition> start;       // with level: the player's place, not the level's start
  int frames = -1;                          // >= 0: run this many tics headless and end
  std::string script;                       // scripted input file
  std::string screenshot;                   // BMP of the last frame
  int width = 640, height = 400;
  bool size_given = false;  // --size: the size above wins over the player's window size
};

// The text of --help, under the name the program was started with (a created
// game carries the name its author gave it); argv[0] as it came.
std::string RunUsage(const char* argv0);

struct CommandLine {
  RunOptions options;
  bool help = false;  // --help: show RunUsage and end
  std::string error;  // not empty: the line is wrong; show this, then the usage
};

// Parses the arguments that follow the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace game
