#include "gamebuild/play_test.h"

#include "config/record_files.h"
#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/password_block.h"
#include "platform/byte_io.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace gamebuild {

namespace {

constexpr const char* kTitle = "Play Level";
constexpr size_t kMissingNamesShown = 8;

// The first player start row by row, where the game starts.
std::optional<world::GridCell> LevelStart(const world::LevelGrid& grid) {
  for (int row = 0; row < world::kLevelSize; ++row)
    for (int column = 0; column < world::kLevelSize; ++column)
      if (grid.at(column, row) == world::kPlayerStartByte) return world::GridCell{column, row};
  return std::nullopt;
}

// What stands in a cell that the player cannot start in; empty when none.
std::string Obstacle(uint8_t cell_byte) {
  const int code = world::CellCodeOf(cell_byte);
  if (code >= world::kFirstWallCode && code <= world::kLastWallCode) return "a wall";
  if (code == world::kDoorCode) return "a door";
  if (code == world::kNextLevelDoorCode) return "the next-level door";
  return "";
}

bool InLevel(world::GridCell cell) {
  return cell.column >= 0 && cell.column < world::kLevelSize && cell.row >= 0 && cell.row < world::kLevelSize;
}

size_t FileOffset(world::GridCell cell) {
  return static_cast<size_t>(cell.row * world::kRowBytes + cell.column);
}

platform::Message MissingMessage(const std::vector<std::string>& missing) {
  std::string names;
  for (size_t i = 0; i < missing.size() && i < kMissingNamesShown; ++i) names += (i ? ", " : "") + missing[i];
  if (missing.size() > kMissingNamesShown)
    names += " and " + std::to_string(missing.size() - kMissingNamesShown) + " more";
  return {"The game cannot be played: files missing: " + names, kTitle};
}

// The entry of one workspace file as the played game carries it; nothing
// when the file is missing or empty.
std::optional<platform::Bytes> EntryData(const platform::Workspace& workspace, const PlayPlan& plan,
                                         const std::string& name) {
  if (name == config::files::kVersion) return VersionRecord();
  if (name == world::LevelFileName(plan.level)) return plan.level_file;
  auto bytes = workspace.Read(name);
  if (!bytes || bytes->empty()) return std::nullopt;
  if (name == config::files::kSettings) {
    const auto count = platform::ByteView(*bytes).I32(0);
    if (count && *count < plan.level) platform::PutLe<uint32_t>(*bytes, 0, static_cast<uint32_t>(plan.level));
  }
  return bytes;
}

}  // namespace

std::variant<PlayPlan, platform::Message> PlanPlay(const PlayRequest& request) {
  const auto own = LevelStart(request.grid);
  std::optional<PlayStart> start;
  const bool cursor_on_level = request.cursor && InLevel(request.cursor->cell);
  if (cursor_on_level && (request.from_here || !own)) start = request.cursor;
  if (!own && !start)
    return platform::Message{
        "The level has no player start: place one, or point at a cell on the map and use Play From Here.",
        kTitle};
  PlayPlan plan{request.level, start, world::LevelFileBytes(request.grid)};
  if (!start) return plan;
  const world::GridCell cell = start->cell;
  if (const std::string obstacle = Obstacle(request.grid.at(cell.column, cell.row)); !obstacle.empty())
    return platform::Message{"The player cannot start at column " + std::to_string(cell.column + 1) +
                                 ", row " + std::to_string(cell.row + 1) + ": " + obstacle + " stands there.",
                             kTitle};
  if (!own) plan.level_file[FileOffset(cell)] = world::kPlayerStartByte;
  return plan;
}

std::optional<platform::Message> WritePlayPack(const platform::Workspace& workspace, const PlayPlan& plan,
                                               const std::filesystem::path& pack) {
  std::vector<std::string> missing;
  // The runtime does not read the password; a pack entry cannot be empty.
  platform::Bytes password =
      platform::ReadFileBytes(workspace.PasswordFile(), kMaxPasswordBytes).value_or(platform::Bytes{});
  if (password.empty()) password = {0};
  PackWriter writer;
  if (!writer.PackCreate(pack)) return platform::CannotWriteMessage(pack);
  const platform::Bytes block = PasswordBlockBytes(EncodePasswordBlock(password));
  int stored = writer.PackAddStored({static_cast<uint32_t>(block.size()), block});
  const std::vector<std::string>& names = GamePakEntryNames();
  for (size_t position = 1; position < names.size(); ++position) {
    auto data = EntryData(workspace, plan, names[position]);
    if (!data) {
      missing.push_back(names[position]);
      continue;
    }
    const auto size = static_cast<uint32_t>(data->size());
    stored += writer.PackAddStored({size, std::move(*data)});
  }
  const bool written = writer.PackClose() && stored == static_cast<int>(names.size() - missing.size());
  if (written && missing.empty()) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(pack, ignored);
  return missing.empty() ? platform::CannotWriteMessage(pack) : MissingMessage(missing);
}

std::vector<std::string> PlayArguments(const std::filesystem::path& pack, const PlayPlan& plan) {
  std::vector<std::string> arguments = {"--pak", pack.string(), "--level", std::to_string(plan.level)};
  if (plan.start) {
    const PlayStart& s = *plan.start;
    arguments.push_back("--start");
    arguments.push_back(std::to_string(s.cell.column + 1) + "," + std::to_string(s.cell.row + 1) + "," +
                        std::to_string(s.degrees));
  }
  return arguments;
}

}  // namespace gamebuild
