// The checker of a workspace as it lies on disk: every level rule with the
// cell that breaks it, every file Create Game would miss, slot pictures the
// game cannot read, music over its limit, and the levels a player cannot
// get through.
#pragma once

#include <vector>

#include "platform/workspace.h"
#include "world/problem.h"

namespace gamebuild {

// In order: the settings, each level of the game, the files of game.pak,
// the slot pictures, the level music.
std::vector<world::Problem> CheckWorkspace(const platform::Workspace& workspace);

bool HasErrors(const std::vector<world::Problem>& problems);

}  // namespace gamebuild
