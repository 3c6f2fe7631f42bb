#include "gamebuild/game_platform.h"

namespace gamebuild {

std::optional<GamePlatforms> ParseGamePlatforms(std::string_view word) {
  if (word == "linux") return GamePlatforms{true, false};
  if (word == "windows") return GamePlatforms{false, true};
  if (word == "both") return GamePlatforms{true, true};
  return std::nullopt;
}

}  // namespace gamebuild
