// tarnwick-game.exe: plays the game.pak that lies beside this executable.
#include <iostream>
#include <string>
#include <vector>

#include "run_options.h"
#include "win_game.h"
#include "win_system.h"

int main(int argc, char** argv) {
  game::win::ConnectParentConsole();
  const game::CommandLine line = game::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::cout << game::RunUsage(argv[0]);
    return 0;
  }
  if (!line.error.empty()) {
    std::cerr << line.error << "\n" << game::RunUsage(argv[0]);
    return 2;
  }
  game::RunOptions options = line.options;
  options.executable_folder = game::win::ExecutableFolder();
  return game::win::RunGame(options);
}
