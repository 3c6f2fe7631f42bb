#include "game_entry_index.h"

#include <stdexcept>
#include <string>
#include <unordered_map>

#include "gamebuild/game_pak_layout.h"

namespace game {
namespace {

using IndexByName = std::unordered_map<std::string_view, int>;

const IndexByName& Indexes() {
  static const IndexByName indexes = [] {
    IndexByName by_name;
    const std::vector<std::string>& names = gamebuild::GamePakEntryNames();
    for (size_t i = 1; i < names.size(); ++i) by_name.emplace(names[i], static_cast<int>(i));
    return by_name;
  }();
  return indexes;
}

}  // namespace

int EntryIndex(std::string_view name) {
  const auto found = Indexes().find(name);
  if (found == Indexes().end()) throw std::logic_error("game.pak has no entry " + std::string(name));
  return found->second;
}

int EntryIndex(std::string_view prefix, int number, std::string_view suffix) {
  return EntryIndex(std::string(prefix) + std::to_string(number) + std::string(suffix));
}

}  // namespace game
