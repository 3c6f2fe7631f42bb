#include "shell/echo_prompter.h"

#include <cstdio>

namespace app {

namespace {

void Echo(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
}

}  // namespace

void EchoPrompter::Show(const platform::Message& message) {
  Echo(message.title, message.text);
}

bool EchoPrompter::Ask(const platform::Message& question) {
  Echo(question.title, question.text);
  return false;
}

std::optional<std::filesystem::path> EchoPrompter::OpenFile(const platform::FileRequest& request) {
  Echo(request.title, request.default_name);
  return std::nullopt;
}

std::optional<std::filesystem::path> EchoPrompter::SaveFile(const platform::FileRequest& request) {
  Echo(request.title, request.default_name);
  return std::nullopt;
}

}  // namespace app
