#include "tools/cli_common.h"

namespace cli {

std::optional<std::string> Context::Option(const std::string& name) const {
  for (const auto& [key, value] : options)
    if (key == name) return value;
  return std::nullopt;
}

}  // namespace cli
