// Keeps the recovery file in step with the level: written (at most every
// 30 seconds) while the grid has unsaved changes, at once when the level
// changes hands, and removed when there is nothing unsaved any more.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/prompter.h"
#include "world/recovery_file.h"

namespace app {

class RecoveryUpkeep {
 public:
  static constexpr int kIntervalMs = 30'000;

  // `unsaved` gives the record to keep, or nothing when the level has no
  // unsaved changes.
  RecoveryUpkeep(std::filesystem::path folder, std::function<std::optional<world::RecoveryRecord>()> unsaved);

  // After an edit: writes now, or when 30 seconds have passed since the last write.
  void Edited();
  // After New, Load, Save or a restore: writes or removes the file at once.
  void LevelSwitched();
  // A clean quit: nothing is left to restore.
  void Remove();

 private:
  void Write();

  std::filesystem::path folder_;
  std::function<std::optional<world::RecoveryRecord>()> unsaved_;
  QTimer timer_;
  QElapsedTimer since_write_;
};

// At start-up: the record a copy that did not quit left behind, when its
// project is still there and the author wants it restored. A record that is
// declined is removed.
std::optional<world::RecoveryRecord> AskToRestore(platform::Prompter& prompter);

}  // namespace app
