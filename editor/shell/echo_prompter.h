// A prompter for runs without anyone at the screen: it writes every message
// as "Title: text" to the error output, answers No and cancels requesters.
// The editor uses it when TARNWICK_ECHO_PROMPTS is set (start-up tests).
#pragma once

#include "platform/prompter.h"

namespace app {

class EchoPrompter : public platform::Prompter {
 public:
  void Show(const platform::Message& message) override;
  bool Ask(const platform::Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const platform::FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const platform::FileRequest& request) override;
};

}  // namespace app
