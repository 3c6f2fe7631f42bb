// Reading game.pak entry by entry. The pack container itself is decoded by the
// pack reader of the game builder; until it is linked here, a pack cannot be read.
#include "runtime/game_entry_source.h"

namespace game {

bool ReadGamePakEntries(const std::filesystem::path& pak, std::vector<Entry>& entries, std::string& error) {
  entries.clear();
  error = "cannot read " + pak.filename().string() + ": this build has no pack reader";
  return false;
}

}  // namespace game
