#include <iostream>

#include "gamebuild/import_game_pak.h"
#include "tools/cli_commands.h"

namespace cli {

int RunUnpack(Context& context) {
  if (context.args.size() != 1) return kUsage;
  context.prompter.files = {context.args[0]};  // what the "import a pak file" requester returns
  const gamebuild::ImportContext import{context.workspace, context.prompter, nullptr, nullptr};
  return gamebuild::ImportGamePakCommand(import, nullptr) == gamebuild::ImportResult::kImported ? kSuccess
                                                                                                : kFailure;
}

}  // namespace cli
