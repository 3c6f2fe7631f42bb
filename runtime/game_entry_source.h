// Where the runtime gets the entries of its game: game.pak beside the executable, or a workspace folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/game_data.h"

namespace game {

// The password block of the pack's first entry, made from the password file's bytes.
Entry EncodePasswordEntry(const std::vector<uint8_t>& password);

// Reads the 380 entries from a program folder laid out as a workspace
// (`twksys/` files and `pakpassword.txt`), in pack order. Missing files give
// empty entries. False, with `error` set, when there is no `twksys` folder.
bool ReadWorkspaceEntries(const std::filesystem::path& program_folder, std::vector<Entry>& entries,
                          std::string& error);

// Reads the entries of a pack file in order. False with `error` set when the
// file cannot be read as a pack.
bool ReadGamePakEntries(const std::filesystem::path& pak, std::vector<Entry>& entries, std::string& error);

}  // namespace game
