// tarnwick-game: plays the game.pak that lies beside this executable.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/int_parse.h"
#include "platform/workspace.h"
#include "sdl_game.h"

namespace {

// Follows "usage: <program> [options]\n".
constexpr const char* kUsage =
    "Plays the game.pak that lies in the folder of this program.\n"
    "  --level N          start level N at once, without the menus (status 2 when the game has fewer)\n"
    "  --frames N         run N tics without waiting, then end (headless: dummy video and audio)\n"
    "  --script FILE      feed input from FILE: lines \"FIRST LAST KEY\" hold a key from tic FIRST\n"
    "                     to tic LAST, \"mouse TIC DX DY\" moves the mouse; keys by their key-list names\n"
    "  --screenshot FILE  write the last frame as a BMP picture\n"
    "  --workspace DIR    read the game from the workspace of program folder DIR instead of game.pak\n"
    "  --size WxH         window size (default 640x400)\n"
    "  --help             show this text\n";

// The usage text under the name the program was started with: a created game
// carries the name its author gave it.
std::string Usage(const char* argv0) {
  const std::string name = argv0 && *argv0 ? std::filesystem::path(argv0).filename().string() : "";
  return "usage: " + (name.empty() ? std::string("tarnwick-game") : name) + " [options]\n" + kUsage;
}

bool NeedsValue(int i, int argc) {
  return i + 1 < argc;
}

}  // namespace

int main(int argc, char** argv) {
  game::RunOptions options;
  options.executable_folder = platform::ExecutableFolder();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << Usage(argv[0]);
      return 0;
    }
    if (!NeedsValue(i, argc)) {
      std::cerr << "unknown or incomplete option " << arg << "\n" << Usage(argv[0]);
      return 2;
    }
    const std::string value = argv[++i];
    if (arg == "--level") {
      options.level = static_cast<int>(platform::ParseInteger(value));
    } else if (arg == "--frames") {
      options.frames = static_cast<int>(platform::ParseInteger(value));
    } else if (arg == "--script") {
      options.script = value;
    } else if (arg == "--screenshot") {
      options.screenshot = value;
    } else if (arg == "--workspace") {
      options.workspace = value;
    } else if (arg == "--size") {
      options.size_given = true;
      const size_t x = value.find('x');
      options.width = static_cast<int>(platform::ParseInteger(value.substr(0, x)));
      options.height =
          x == std::string::npos ? 0 : static_cast<int>(platform::ParseInteger(value.substr(x + 1)));
      if (options.width < 64 || options.height < 48 || options.width > 8192 || options.height > 8192) {
        std::cerr << "the size must be between 64x48 and 8192x8192\n";
        return 2;
      }
    } else {
      std::cerr << "unknown option " << arg << "\n" << Usage(argv[0]);
      return 2;
    }
  }
  if (options.frames < -1) options.frames = 0;
  return game::RunGame(options);
}
