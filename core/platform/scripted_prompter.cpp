#include "platform/scripted_prompter.h"

namespace platform {

void ScriptedPrompter::Show(const Message& message) {
  shown.push_back(message);
}

bool ScriptedPrompter::Ask(const Message& question) {
  asked.push_back(question);
  if (answers.empty()) return default_answer;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedPrompter::NextFile(const FileRequest& request) {
  requests.push_back(request);
  if (files.empty()) return std::nullopt;
  auto file = files.front();
  files.pop_front();
  return file;
}

std::optional<std::filesystem::path> ScriptedPrompter::OpenFile(const FileRequest& request) {
  return NextFile(request);
}

std::optional<std::filesystem::path> ScriptedPrompter::SaveFile(const FileRequest& request) {
  return NextFile(request);
}

std::optional<std::filesystem::path> ScriptedPrompter::ChooseFolder(const FileRequest& request) {
  return NextFile(request);
}

}  // namespace platform
