// The systems a game is written for: Create Game writes a Linux game, a
// Windows game, or both beside one game.pak.
#pragma once

#include <optional>
#include <string_view>

namespace gamebuild {

enum class GamePlatform { kLinux, kWindows };

struct GamePlatforms {
  bool linux_game = true;
  bool windows_game = true;
};

// "linux", "windows" or "both"; nothing for any other word.
std::optional<GamePlatforms> ParseGamePlatforms(std::string_view word);

}  // namespace gamebuild
