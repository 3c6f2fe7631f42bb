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

std::optional<std::string> LoadText(const TextRecord& record, const platform::Workspace& workspace) {
  const auto bytes = workspace.Read(record.file);
  if (!bytes) return std::nullopt;
  return record.read(*bytes);
}

bool SaveText(const TextRecord& record, const platform::Workspace& workspace, const std::string& text,
              platform::Prompter& prompter) {
  if (workspace.Write(record.file, std::string_view(record.stored(text)))) return true;
  prompter.Show(platform::CannotWriteMessage(workspace.PathOf(record.file)));
  return false;
}

}  // namespace config
