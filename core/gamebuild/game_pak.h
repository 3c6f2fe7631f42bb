// Building twksys/game.pak from the workspace: the password block, the
// Version record and 378 workspace files, in the order of game_pak_layout.h.
#pragma once

#include <cstdint>
#include <vector>

#include "gamebuild/pack_file.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace gamebuild {

// The Version record: this value twice, 32-bit little endian. A reader
// accepts a pack only when its second entry starts with it.
constexpr int32_t kPackVersion = 405;
std::vector<uint8_t> VersionRecord();
[[nodiscard]] bool WriteVersionFile(const platform::Workspace& workspace);

// Writes twksys/game.pak. True when all 380 entries were stored; otherwise
// the reason is shown ("N Files missing!", "<name> is too large for
// game.pak" for a file of more than `max_entry_size` bytes or more than
// memory allows, a password that is too long, a pack that can't be created
// or written) and no game.pak is left behind, not even an earlier one.
// `progress`, if set, receives the number of entries stored at each
// progress point.
[[nodiscard]] bool BuildGamePak(const platform::Workspace& workspace, platform::Prompter& prompter,
                                const platform::Progress& progress, uint64_t max_entry_size = kMaxEntrySize);

}  // namespace gamebuild
