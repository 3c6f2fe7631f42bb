// Opening the game at start-up: its entries read from game.pak (or a
// workspace) and decoded, or a message for the player that names the file and
// what is wrong with it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game_data.h"

namespace game {

// What a message box shows: a title and a text of one or more lines.
struct PlayerMessage {
  std::string title;
  std::string text;
};

struct GameSource {
  std::filesystem::path pak;        // game.pak beside the executable
  std::filesystem::path workspace;  // when not empty: the program folder whose workspace is played instead
};

// Nothing when the game opened; otherwise, its first line the short message
// ("pak file not found", "wrong game.pak", "game.pak is damaged: ..."), then
// the file and, for a wrong version, the version found and the one played.
std::optional<PlayerMessage> OpenGame(const GameSource& source, GameData& data);

}  // namespace game
