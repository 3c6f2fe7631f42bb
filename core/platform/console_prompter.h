// A prompter for runs without anyone at the screen (the command-line tool,
// and the editor when TARNWICK_ECHO_PROMPTS is set): a scripted prompter
// that also writes every message as "Title: text", every question the same
// with the answer it got (" [yes]" or " [no]"), and every requester that
// found no queued file as "Title: default name".
#pragma once

#include <iostream>

#include "platform/scripted_prompter.h"

namespace platform {

class ConsolePrompter : public ScriptedPrompter {
 public:
  ConsolePrompter() = default;
  explicit ConsolePrompter(std::ostream& out) : out_(&out) {}

  void Show(const Message& message) override;
  bool Ask(const Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> ChooseFolder(const FileRequest& request) override;

 private:
  std::optional<std::filesystem::path> Written(const FileRequest& request,
                                               std::optional<std::filesystem::path> file);

  std::ostream* out_ = &std::cerr;
};

}  // namespace platform
