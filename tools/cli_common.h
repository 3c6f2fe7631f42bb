// What every tarnwick-cli command shares: the program folder, the answers to
// questions, and a prompter that prints messages as "Title: text".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace cli {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

// Prints every message on stderr as "Title: text"; answers questions with
// `yes`; file requesters return the queued paths in order, then nothing.
class ConsolePrompter : public platform::Prompter {
 public:
  bool yes = false;
  std::vector<std::filesystem::path> files;
  int messages_shown = 0;

  void Show(const platform::Message& message) override;
  bool Ask(const platform::Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const platform::FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const platform::FileRequest& request) override;

 private:
  std::optional<std::filesystem::path> NextFile();
};

struct Context {
  platform::Workspace workspace;
  ConsolePrompter prompter;
  std::vector<std::string> args;                             // the command's own arguments, options removed
  std::vector<std::pair<std::string, std::string>> options;  // --name value, beyond the common ones

  // The value of option --name, if given.
  std::optional<std::string> Option(const std::string& name) const;
};

}  // namespace cli
