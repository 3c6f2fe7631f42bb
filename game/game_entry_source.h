// Where the runtime gets the entries of its game: game.pak beside the executable, or a workspace folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game_data.h"

namespace game {

// Reads the 380 entries from a program folder laid out as a workspace
// (`twksys/` files and `pakpassword.txt`), in pack order. Missing files give
// empty entries. False, with `error` set, when there is no `twksys` folder.
bool ReadWorkspaceEntries(const std::filesystem::path& program_folder, std::vector<Entry>& entries,
                          std::string& error);

enum class PakReadStatus { kOk, kNotFound, kDamaged };

struct PakRead {
  PakReadStatus status = PakReadStatus::kOk;
  std::string message;  // what is wrong, when kDamaged
};

// Reads the entries of a pack file in order, up to the 380 of a game.pak.
// kNotFound when the file cannot be opened; kDamaged, naming the entry and
// its fault, when an entry cannot be read: `entries` then holds those read
// before it.
PakRead ReadGamePakEntries(const std::filesystem::path& pak, std::vector<Entry>& entries);

}  // namespace game
