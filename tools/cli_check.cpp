#include <iostream>

#include "gamebuild/workspace_problems.h"
#include "tools/cli_commands.h"

namespace cli {

int RunCheck(Context& context) {
  if (!context.args.empty()) return kUsage;
  const auto problems = gamebuild::CheckWorkspace(context.workspace);
  for (const world::Problem& problem : problems) std::cout << world::ProblemLine(problem) << "\n";
  return gamebuild::HasErrors(problems) ? kFailure : kSuccess;
}

}  // namespace cli
