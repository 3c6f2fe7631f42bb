#include "tools/cli_common.h"

#include <iostream>

namespace cli {

void ConsolePrompter::Show(const platform::Message& message) {
  ++messages_shown;
  std::cerr << message.title << ": " << message.text << "\n";
}

bool ConsolePrompter::Ask(const platform::Message& question) {
  std::cerr << question.title << ": " << question.text << (yes ? " [yes]\n" : " [no]\n");
  return yes;
}

std::optional<std::filesystem::path> ConsolePrompter::NextFile() {
  if (files.empty()) return std::nullopt;
  auto file = files.front();
  files.erase(files.begin());
  return file;
}

std::optional<std::filesystem::path> ConsolePrompter::OpenFile(const platform::FileRequest&) {
  return NextFile();
}

std::optional<std::filesystem::path> ConsolePrompter::SaveFile(const platform::FileRequest&) {
  return NextFile();
}

std::optional<std::string> Context::Option(const std::string& name) const {
  for (const auto& [key, value] : options)
    if (key == name) return value;
  return std::nullopt;
}

}  // namespace cli
