#include "world/level_validation.h"

#include "config/game_settings.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace world {

namespace {

bool IsSolid(uint8_t cell_byte) {
  const int code = CellCodeOf(cell_byte);
  return (code >= kFirstWallCode && code <= kLastWallCode) || code == kNextLevelDoorCode;
}

bool BorderClosed(const LevelGrid& grid) {
  const int last = kLevelSize - 1;
  for (int i = 0; i < kLevelSize; ++i) {
    if (!IsSolid(grid.at(i, 0)) || !IsSolid(grid.at(i, last))) return false;
    if (!IsSolid(grid.at(0, i)) || !IsSolid(grid.at(last, i))) return false;
  }
  return true;
}

bool HasPlayerStart(const LevelGrid& grid) {
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x)
      if (CellCodeOf(grid.at(x, y)) == kPlayerStartCode) return true;
  return false;
}

// The level count, the first field of the settings: only its 4 bytes are
// read, missing ones read as 0.
std::optional<int32_t> ReadLevelCount(const platform::Workspace& workspace) {
  const auto settings = workspace.Read(config::kGameSettingsRecord.file, 4);
  if (!settings) return std::nullopt;
  return static_cast<int32_t>(config::Decode(config::kGameSettingsRecord, *settings).max_levels);
}

}  // namespace

int ValidateLevel(const platform::Workspace& workspace, int level) {
  const auto bytes = workspace.Read(LevelFileName(level), kLevelFileSize);
  if (!bytes) return 0;
  LevelGrid grid;
  ReadLevelBytes(*bytes, grid);
  return BorderClosed(grid) && HasPlayerStart(grid) ? 1 : 0;
}

int ValidateLevels(const platform::Workspace& workspace, const platform::Progress& progress) {
  const auto count = ReadLevelCount(workspace);
  if (!count) return kSettingsMissing;
  for (int level = 1; level <= *count; ++level) {
    const bool passed = ValidateLevel(workspace, level) == 1;
    if (progress) progress(4 * level);
    if (!passed) return level;
  }
  return 0;
}

std::optional<platform::Message> ValidationMessage(int result) {
  if (result == 0) return std::nullopt;
  if (result < 0) return platform::Message{"can't open level file", "Error"};
  return platform::Message{"Error on Level " + std::to_string(result) +
                               ". Possible reasons:\r\n"
                               "->Player is missing\r\n"
                               "->Border has Sprites or Door Textures\r\n"
                               "->World is not completely surrounded with walls",
                           "Error"};
}

}  // namespace world
