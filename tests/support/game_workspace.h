// A program folder holding every workspace file that game.pak takes, each
// with different content, and a pack password.
#pragma once

#include <map>
#include <random>
#include <string>

#include "gamebuild/game_pak_layout.h"
#include "tests/support/temp_folder.h"

namespace testing_support {

struct GameWorkspace {
  std::map<std::string, platform::Bytes> files;  // by entry name
  std::string password;
};

inline GameWorkspace WriteGameWorkspace(const TempFolder& home,
                                        const std::string& password = "Maze\xE9Runner") {
  GameWorkspace made{{}, password};
  std::mt19937 rng(17);
  const auto& names = gamebuild::GamePakEntryNames();
  for (size_t i = 1; i < names.size(); ++i) {
    platform::Bytes content(200 + (i * 97) % 3000);
    for (size_t j = 0; j < content.size(); ++j)
      content[j] = i % 9 == 0 ? static_cast<uint8_t>(rng()) : static_cast<uint8_t>((j / 3) * i + j % 3);
    // Spelled as the picture dialogs spell it: found without regard to case.
    const std::string file = names[i] == "treasure1sprite" ? "Treasure1sprite" : names[i];
    home.Write("twksys/" + file, content);
    made.files[names[i]] = content;
  }
  home.Write("pakpassword.txt", password);
  return made;
}

}  // namespace testing_support
