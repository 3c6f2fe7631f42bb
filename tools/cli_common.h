// What every tarnwick-cli command shares: the program folder, the prompter
// that prints messages and answers questions, and the arguments.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/console_prompter.h"
#include "platform/workspace.h"

namespace cli {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

struct Context {
  platform::Workspace workspace;
  platform::ConsolePrompter prompter;                        // messages on stderr
  std::vector<std::string> args;                             // the command's own arguments, options removed
  std::vector<std::pair<std::string, std::string>> options;  // --name value, beyond the common ones

  // The value of option --name, if given.
  std::optional<std::string> Option(const std::string& name) const;
};

// For the commands that pack: a missing or too short `pakpassword.txt` is
// replaced by a default password as the editor does at start-up, saying so.
// False (its message shown) when it cannot be written.
bool EnsurePackPassword(Context& context);

}  // namespace cli
