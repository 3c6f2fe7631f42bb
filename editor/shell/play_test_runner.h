// The test game of Play Level: the runtime the editor carries, written once
// into a temporary folder, the pack of the level being edited beside it,
// and the one game process, which the next Play Level ends.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "gamebuild/play_test.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace app {

class PlayTestRunner {
 public:
  explicit PlayTestRunner(std::span<const uint8_t> runtime_block);
  ~PlayTestRunner();
  PlayTestRunner(const PlayTestRunner&) = delete;
  PlayTestRunner& operator=(const PlayTestRunner&) = delete;

  // Ends the test game that runs, writes the pack and starts the runtime
  // on it without waiting. The message when the game could not be started.
  std::optional<platform::Message> Play(const platform::Workspace& workspace,
                                        const gamebuild::PlayPlan& plan);
  // Ends the test game, if one runs.
  void End();

  // The running test game; null when none was started.
  const QProcess* Game() const { return game_.get(); }
  // The files in the temporary folder, made at the first Play.
  std::filesystem::path PackPath() const;
  std::filesystem::path RuntimePath() const;

 private:
  std::filesystem::path Folder() const;
  bool MakeFolder();
  bool WriteRuntime();

  std::span<const uint8_t> runtime_block_;
  std::unique_ptr<QTemporaryDir> folder_;
  bool runtime_written_ = false;
  std::unique_ptr<QProcess> game_;
};

}  // namespace app
