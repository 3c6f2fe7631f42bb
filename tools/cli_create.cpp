#include <iostream>

#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "tools/cli_commands.h"

namespace cli {

int RunCreate(Context& context) {
  if (context.args.size() != 1) return kUsage;
  context.prompter.files = {context.args[0]};  // what the "Save Game" requester returns
  const gamebuild::CreateGameContext create{context.workspace,
                                            context.prompter,
                                            gamebuild::RuntimeBlock(),
                                            context.Option("--icon").value_or(""),
                                            /*level_unsaved=*/false,
                                            nullptr,
                                            nullptr};
  const auto game = gamebuild::CreateGame(create);
  if (!game) return kFailure;
  std::cout << game->string() << "\n";
  return kSuccess;
}

}  // namespace cli
