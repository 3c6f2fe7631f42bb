// tarnwick-game: plays the game.pak that lies beside this executable.
#include <iostream>
#include <string>
#include <vector>

#include "platform/workspace.h"
#include "run_options.h"
#include "sdl_game.h"

int main(int argc, char** argv) {
  game::CommandLine line = game::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::cout << game::kRunUsage;
    return 0;
  }
  if (!line.error.empty()) {
    std::cerr << line.error << "\n" << game::kRunUsage;
    return 2;
  }
  line.options.executable_folder = platform::ExecutableFolder();
  return game::RunGame(line.options);
}
