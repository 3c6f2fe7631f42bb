// A prompter that answers from queues and records everything it was shown.
#pragma once

#include <deque>
#include <vector>

#include "platform/prompter.h"

namespace platform {

class ScriptedPrompter : public Prompter {
 public:
  // What Ask answers once the queue of answers is empty.
  bool default_answer = false;
  std::deque<bool> answers;
  std::deque<std::optional<std::filesystem::path>> files;

  std::vector<Message> shown;
  std::vector<Message> asked;
  std::vector<FileRequest> requests;

  void Show(const Message& message) override;
  bool Ask(const Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> ChooseFolder(const FileRequest& request) override;

 private:
  std::optional<std::filesystem::path> NextFile(const FileRequest& request);
};

}  // namespace platform
