#include <filesystem>
#include <iostream>

#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "tools/cli_commands.h"

namespace cli {

int RunCreate(Context& context) {
  if (context.args.size() != 1) return kUsage;
  const auto platforms = gamebuild::ParseGamePlatforms(context.Option("--platform").value_or("both"));
  if (!platforms) {
    std::cerr << "--platform takes linux, windows or both\n";
    return kUsage;
  }
  if (!EnsurePackPassword(context)) return kFailure;
  // The requester only offers folders that exist; here OUT's is made.
  const std::filesystem::path folder = std::filesystem::path(context.args[0]).parent_path();
  std::error_code ec;
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);  // a failure shows when writing
  context.prompter.files = {context.args[0]};  // what the "Save Game" requester returns
  const gamebuild::CreateGameContext create{context.workspace,
                                            context.prompter,
                                            gamebuild::EmbeddedRuntimes(),
                                            context.Option("--icon").value_or(""),
                                            /*level_unsaved=*/false,
                                            nullptr,
                                            nullptr,
                                            *platforms};
  const auto games = gamebuild::CreateGame(create);
  if (!games) return kFailure;
  for (const auto& game : {games->windows_game, games->linux_game})
    if (game) std::cout << game->string() << "\n";
  return kSuccess;
}

}  // namespace cli
