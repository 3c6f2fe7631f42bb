// The order of the entries in game.pak: the one place that names every entry
// and its position, grouped as the build reports its progress.
#pragma once

#include <string>
#include <vector>

namespace gamebuild {

constexpr int kGamePakEntries = 380;

// The entries in order, in the groups after each of which the build moves
// its progress bar. Position 1, the password block, has the empty name; every
// other entry is the workspace file of that name.
const std::vector<std::vector<std::string>>& GamePakGroups();

// The entry names by position: [0] is position 1 (""), [379] position 380.
const std::vector<std::string>& GamePakEntryNames();

}  // namespace gamebuild
