#include <iostream>

#include "assets/icon_sheet.h"
#include "tools/cli_commands.h"

namespace cli {

int RunRebuildIcons(Context& context) {
  if (!context.args.empty()) return kUsage;
  int rebuilt = 0;
  if (!assets::RebuildIconSheet(context.workspace, context.prompter, rebuilt)) return kFailure;
  std::cout << rebuilt << "\n";
  return kSuccess;
}

}  // namespace cli
