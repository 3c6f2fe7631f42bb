// A prompter for runs without anyone at the screen (the command-line tool,
// and the editor when TARNWICK_ECHO_PROMPTS is set): it writes every message
// as "Title: text", every question the same with the answer it gets
// (" [yes]" or " [no]"), and answers questions with `yes`. File requesters
// return the queued paths in order; once none is left, a requester is
// written as "Title: default name" and cancelled.
#pragma once

#include <deque>
#include <iostream>

#include "platform/prompter.h"

namespace platform {

class ConsolePrompter : public Prompter {
 public:
  ConsolePrompter() = default;
  explicit ConsolePrompter(std::ostream& out) : out_(&out) {}

  bool yes = false;
  std::deque<std::filesystem::path> files;

  void Show(const Message& message) override;
  bool Ask(const Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;

 private:
  std::optional<std::filesystem::path> NextFile(const FileRequest& request);

  std::ostream* out_ = &std::cerr;
};

}  // namespace platform
