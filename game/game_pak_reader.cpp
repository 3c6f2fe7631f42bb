// Reading game.pak entry by entry through the pack reader of the game builder.
#include "game_entry_source.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"

namespace game {

PakRead ReadGamePakEntries(const std::filesystem::path& pak, std::vector<Entry>& entries) {
  entries.clear();
  std::error_code ec;
  gamebuild::PackReader reader;
  if (std::filesystem::is_directory(pak, ec) || !reader.PackOpen(pak)) return {PakReadStatus::kNotFound, ""};
  const std::vector<std::string>& names = gamebuild::GamePakEntryNames();
  while (entries.size() < names.size()) {
    const std::span<const uint8_t> bytes = reader.PackNextEntry();
    if (reader.Status() == gamebuild::PackStatus::kEnd) break;
    if (reader.Status() != gamebuild::PackStatus::kEntry) {
      const size_t position = entries.size();
      const std::string name = position == 0 ? "password block" : names[position];
      return {PakReadStatus::kDamaged, "game.pak is damaged: entry " + std::to_string(position + 1) + " (" +
                                           name + "): " + gamebuild::PackStatusText(reader.Status())};
    }
    entries.emplace_back(bytes.begin(), bytes.end());
  }
  return {};
}

}  // namespace game
