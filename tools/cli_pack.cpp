#include "gamebuild/game_pak.h"
#include "tools/cli_commands.h"

namespace cli {

int RunPack(Context& context) {
  if (!context.args.empty()) return kUsage;
  if (!EnsurePackPassword(context)) return kFailure;
  if (!gamebuild::WriteVersionFile(context.workspace)) {
    context.prompter.Show({"cannot write to file", "Error"});
    return kFailure;
  }
  return gamebuild::BuildGamePak(context.workspace, context.prompter, nullptr) ? kSuccess : kFailure;
}

}  // namespace cli
