// The recovery file: the unsaved grid of the current level, kept in the
// user's state folder while the editor runs, so that a copy that ends
// without quitting leaves it behind to be restored at the next start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/prompter.h"
#include "world/level_grid.h"

namespace world {

struct RecoveryRecord {
  std::filesystem::path program_folder;  // the project the level belongs to
  std::string level_number;              // as typed; ignored for a new world
  bool new_world = false;                // the level was never saved or loaded
  int64_t written_at = 0;                // seconds since 1970, UTC
  LevelGrid grid;
};

// `$XDG_STATE_HOME/tarnwick`, else `~/.local/state/tarnwick`.
std::filesystem::path RecoveryFolder();
std::filesystem::path RecoveryFile(const std::filesystem::path& folder);

platform::Bytes EncodeRecovery(const RecoveryRecord& record);
// Nothing for bytes that are not a whole recovery record.
std::optional<RecoveryRecord> DecodeRecovery(std::span<const uint8_t> bytes);

// Writes the record atomically into `folder`, making the folder when needed.
bool WriteRecovery(const std::filesystem::path& folder, const RecoveryRecord& record);
std::optional<RecoveryRecord> ReadRecovery(const std::filesystem::path& folder);
void RemoveRecovery(const std::filesystem::path& folder);

// "Level 3" or "the new level", and the local time the record was written.
platform::Message RestoreQuestion(const RecoveryRecord& record);

}  // namespace world
