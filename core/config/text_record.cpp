#include "config/text_record.h"

namespace config {

std::string PadToFive(const std::string& text) {
  constexpr size_t kWidth = 5;
  if (text.size() >= kWidth) return text;
  return std::string(kWidth - text.size(), ' ') + text;
}

std::string FirstLine(std::span<const uint8_t> bytes) {
  std::string line;
  for (const uint8_t b : bytes) {
    if (b == '\r' || b == '\n' || b == 0) break;
    line.push_back(static_cast<char>(b));
  }
  return line;
}

std::optional<std::string> LoadFirstLine(const platform::Workspace& workspace, const std::string& name) {
  const auto bytes = workspace.Read(name);
  if (!bytes) return std::nullopt;
  return FirstLine(*bytes);
}

}  // namespace config
