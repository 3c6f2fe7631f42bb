#include "shell/recovery_upkeep.h"

#include <QDateTime>

namespace app {

RecoveryUpkeep::RecoveryUpkeep(std::filesystem::path folder,
                               std::function<std::optional<world::RecoveryRecord>()> unsaved)
    : folder_(std::move(folder)), unsaved_(std::move(unsaved)) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Write(); });
}

void RecoveryUpkeep::Edited() {
  if (timer_.isActive()) return;
  if (!since_write_.isValid() || since_write_.elapsed() >= kIntervalMs)
    Write();
  else
    timer_.start(static_cast<int>(kIntervalMs - since_write_.elapsed()));
}

void RecoveryUpkeep::LevelSwitched() {
  timer_.stop();
  Write();
}

void RecoveryUpkeep::Remove() {
  timer_.stop();
  world::RemoveRecovery(folder_);
}

void RecoveryUpkeep::Write() {
  auto record = unsaved_();
  if (!record) return world::RemoveRecovery(folder_);
  record->written_at = QDateTime::currentSecsSinceEpoch();
  // A failed write is not reported: it would interrupt the editing it guards.
  static_cast<void>(world::WriteRecovery(folder_, *record));
  since_write_.start();
}

std::optional<world::RecoveryRecord> AskToRestore(platform::Prompter& prompter) {
  const std::filesystem::path folder = world::RecoveryFolder();
  auto record = world::ReadRecovery(folder);
  std::error_code ec;
  if (!record || !std::filesystem::is_directory(record->program_folder / "twksys", ec)) return std::nullopt;
  if (prompter.Ask(world::RestoreQuestion(*record))) return record;
  world::RemoveRecovery(folder);
  return std::nullopt;
}

}  // namespace app
