#include "platform/console_prompter.h"

namespace platform {

void ConsolePrompter::Show(const Message& message) {
  *out_ << message << std::endl;
}

bool ConsolePrompter::Ask(const Message& question) {
  *out_ << question << (yes ? " [yes]" : " [no]") << std::endl;
  return yes;
}

std::optional<std::filesystem::path> ConsolePrompter::NextFile(const FileRequest& request) {
  if (files.empty()) {
    *out_ << request.title << ": " << request.default_name << std::endl;
    return std::nullopt;
  }
  auto file = files.front();
  files.pop_front();
  return file;
}

std::optional<std::filesystem::path> ConsolePrompter::OpenFile(const FileRequest& request) {
  return NextFile(request);
}

std::optional<std::filesystem::path> ConsolePrompter::SaveFile(const FileRequest& request) {
  return NextFile(request);
}

}  // namespace platform
