#include "platform/console_prompter.h"

namespace platform {

void ConsolePrompter::Show(const Message& message) {
  ScriptedPrompter::Show(message);
  *out_ << message << std::endl;
}

bool ConsolePrompter::Ask(const Message& question) {
  const bool answer = ScriptedPrompter::Ask(question);
  *out_ << question << (answer ? " [yes]" : " [no]") << std::endl;
  return answer;
}

std::optional<std::filesystem::path> ConsolePrompter::OpenFile(const FileRequest& request) {
  return Written(request, ScriptedPrompter::OpenFile(request));
}

std::optional<std::filesystem::path> ConsolePrompter::SaveFile(const FileRequest& request) {
  return Written(request, ScriptedPrompter::SaveFile(request));
}

std::optional<std::filesystem::path> ConsolePrompter::ChooseFolder(const FileRequest& request) {
  return Written(request, ScriptedPrompter::ChooseFolder(request));
}

std::optional<std::filesystem::path> ConsolePrompter::Written(const FileRequest& request,
                                                              std::optional<std::filesystem::path> file) {
  if (!file) *out_ << request.title << ": " << request.default_name << std::endl;
  return file;
}

}  // namespace platform
