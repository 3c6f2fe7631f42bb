#include "tools/cli_common.h"

#include <random>

#include "config/pack_password.h"

namespace cli {

std::optional<std::string> Context::Option(const std::string& name) const {
  for (const auto& [key, value] : options)
    if (key == name) return value;
  return std::nullopt;
}

bool EnsurePackPassword(Context& context) {
  std::mt19937 random(std::random_device{}());
  return config::EnsurePackPassword(context.workspace, context.prompter, random);
}

}  // namespace cli
