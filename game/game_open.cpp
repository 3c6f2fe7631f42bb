#include "game_open.h"

#include <vector>

#include "config/record_files.h"
#include "game_entry_index.h"
#include "game_entry_source.h"
#include "gamebuild/game_pak.h"
#include "platform/byte_io.h"

namespace game {
namespace {

PlayerMessage WrongVersion(const std::filesystem::path& file, const std::vector<Entry>& entries) {
  const size_t at = static_cast<size_t>(EntryIndex(config::files::kVersion));
  const auto found = at < entries.size() ? platform::ByteView(entries[at]).I32(0) : std::nullopt;
  const std::string version = found ? "version " + std::to_string(*found) : "no version";
  return {"Error", "wrong game.pak\n" + file.string() + " holds " + version + ", this game plays version " +
                       std::to_string(gamebuild::kPackVersion)};
}

}  // namespace

std::optional<PlayerMessage> OpenGame(const GameSource& source, GameData& data) {
  std::vector<Entry> entries;
  const bool workspace = !source.workspace.empty();
  const std::filesystem::path file = workspace ? source.workspace : source.pak;
  if (workspace) {
    std::string error;
    if (!ReadWorkspaceEntries(source.workspace, entries, error)) return PlayerMessage{"Error", error};
  } else {
    const PakRead read = ReadGamePakEntries(source.pak, entries);
    if (read.status == PakReadStatus::kNotFound)
      return PlayerMessage{"error", "pak file not found\n" + source.pak.string()};
    // A pack damaged after a wrong Version entry is another version's pack.
    if (entries.size() > static_cast<size_t>(EntryIndex(config::files::kVersion)) &&
        !IsPlayableVersion(entries[static_cast<size_t>(EntryIndex(config::files::kVersion))]))
      return WrongVersion(file, entries);
    if (read.status == PakReadStatus::kDamaged) return PlayerMessage{"Error", read.message + "\n" + file.string()};
  }
  const LoadResult loaded = LoadGameData(entries, data);
  if (loaded.status == LoadStatus::kWrongVersion) return WrongVersion(file, entries);
  if (loaded.status == LoadStatus::kDamaged) return PlayerMessage{"Error", loaded.message + "\n" + file.string()};
  return std::nullopt;
}

}  // namespace game
