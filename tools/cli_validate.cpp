#include <iostream>

#include "tools/cli_commands.h"
#include "world/level_validation.h"

namespace cli {

int RunValidate(Context& context) {
  if (!context.args.empty()) return kUsage;
  const int result = world::ValidateLevels(context.workspace, nullptr);
  std::cout << result << "\n";
  if (const auto message = world::ValidationMessage(result)) {
    context.prompter.Show(*message);
    return kFailure;
  }
  return kSuccess;
}

}  // namespace cli
