// The check of every level before a game is made: a closed border of walls
// (or next-level doors) and a player start.
#pragma once

#include <optional>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace world {

// -1 when `twksys/settings` can't be opened.
constexpr int kSettingsMissing = -1;

// 1 when level file N passes, 0 when it fails or can't be opened.
int ValidateLevel(const platform::Workspace& workspace, int level);

// 0 when levels 1 to the level count of `twksys/settings` all pass (also for
// a count of 0 or less), N for the first level that failed, -1 when the
// settings can't be opened. `progress` is called with 4 x N after each level;
// once a level has failed the result is known and the loop ends.
int ValidateLevels(const platform::Workspace& workspace, const platform::Progress& progress);

// The message Create Game shows for a validation result; none for 0.
std::optional<platform::Message> ValidationMessage(int result);

}  // namespace world
