// Where the game finds its entries in the list read from game.pak: by the
// workspace file names that the pack layout (gamebuild::GamePakEntryNames)
// stores them under, so that the layout is the one place that orders them.
#pragma once

#include <string_view>

namespace game {

// The password block, the one entry without a workspace file, comes first.
constexpr int kPasswordEntry = 0;

// The index of the entry stored from the workspace file `name`, spelled as
// the layout spells it. Throws std::logic_error for a name the layout does
// not have.
int EntryIndex(std::string_view name);

// The index of the numbered entry prefix + number + suffix: ("impact", 3,
// "sound") is impact3sound.
int EntryIndex(std::string_view prefix, int number, std::string_view suffix = {});

}  // namespace game
