#include "world/level_validation.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

using testing_support::TempFolder;

platform::Bytes SettingsWithLevelCount(int32_t count) {
  const auto u = static_cast<uint32_t>(count);
  platform::Bytes bytes(104, 0);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(u >> (8 * i));
  return bytes;
}

// A new world, changed by `edit`, as level file bytes.
platform::Bytes Level(const std::function<void(world::LevelGrid&)>& edit) {
  world::LevelState level;
  world::MakeNewWorld(level);
  edit(level.grid);
  return world::LevelFileBytes(level.grid);
}

void WithPlayer(world::LevelGrid& grid) {
  grid.at(10, 10) = world::kPlayerStartByte;
}

struct ValidationCase {
  const char* name;
  std::optional<platform::Bytes> settings;             // nothing: no settings file
  std::vector<std::optional<platform::Bytes>> levels;  // game1, game2, ...; nothing: no file
  int expected;
};

std::vector<ValidationCase> Cases() {
  const auto good = Level(WithPlayer);
  const auto no_player = Level([](world::LevelGrid&) {});
  return {
      {"good level", SettingsWithLevelCount(1), {good}, 0},
      {"new world has no player", SettingsWithLevelCount(1), {no_player}, 1},
      {"player on the border",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) { g.at(0, 20) = world::kPlayerStartByte; })},
       1},
      {"player in the line-end columns does not count",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) { g.at(64, 20) = world::kPlayerStartByte; })},
       1},
      {"two players pass",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) {
         WithPlayer(g);
         g.at(30, 30) = world::kPlayerStartByte;
       })},
       0},
      {"door on the border",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) {
         WithPlayer(g);
         g.at(63, 5) = world::CellByteOf(world::kDoorCode);
       })},
       1},
      {"next-level door on the border",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) {
         WithPlayer(g);
         g.at(63, 5) = world::CellByteOf(world::kNextLevelDoorCode);
       })},
       0},
      {"sprite on the border",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) {
         WithPlayer(g);
         g.at(5, 0) = world::CellByteOf(world::kFirstSpriteCode);
       })},
       1},
      {"wall texture 40 on the border",
       SettingsWithLevelCount(1),
       {Level([](world::LevelGrid& g) {
         WithPlayer(g);
         g.at(5, 63) = world::CellByteOf(world::WallCode(40));
       })},
       0},
      {"short file fails the border", SettingsWithLevelCount(1), {platform::Bytes(100, 16)}, 1},
      {"level count 0 tests nothing", SettingsWithLevelCount(0), {no_player}, 0},
      {"negative level count tests nothing", SettingsWithLevelCount(-5), {no_player}, 0},
      {"missing settings", std::nullopt, {good}, -1},
      {"settings of one byte give the level count", platform::Bytes{2}, {good, no_player}, 2},
      {"missing second level", SettingsWithLevelCount(2), {good}, 2},
      {"first failing level is reported", SettingsWithLevelCount(3), {no_player, good, no_player}, 1},
      {"third of three fails", SettingsWithLevelCount(3), {good, good, no_player}, 3},
      {"huge level count ends at the first failure", SettingsWithLevelCount(2147483647), {good, good}, 3},
  };
}

TEST(ValidateLevels, Cases) {
  for (const auto& c : Cases()) {
    TempFolder home;
    if (c.settings) home.Write("twksys/settings", *c.settings);
    for (size_t i = 0; i < c.levels.size(); ++i)
      if (c.levels[i]) home.Write("twksys/game" + std::to_string(i + 1), *c.levels[i]);
    const platform::Workspace workspace(home.path());
    EXPECT_EQ(world::ValidateLevels(workspace, nullptr), c.expected) << c.name;
  }
}

TEST(ValidateLevels, ReportsProgressAfterEachLevel) {
  TempFolder home;
  home.Write("twksys/settings", SettingsWithLevelCount(3));
  for (int i = 1; i <= 3; ++i) home.Write("twksys/game" + std::to_string(i), Level(WithPlayer));
  std::vector<int> positions;
  EXPECT_EQ(world::ValidateLevels(platform::Workspace(home.path()), [&](int p) { positions.push_back(p); }),
            0);
  EXPECT_EQ(positions, (std::vector<int>{4, 8, 12}));
}

TEST(ValidationMessage, TextsForEachResult) {
  EXPECT_FALSE(world::ValidationMessage(0));
  EXPECT_EQ(*world::ValidationMessage(-1), (platform::Message{"can't open level file", "Error"}));
  EXPECT_EQ(*world::ValidationMessage(12),
            (platform::Message{"Error on Level 12. Possible reasons:\r\n->Player is missing\r\n"
                               "->Border has Sprites or Door Textures\r\n"
                               "->World is not completely surrounded with walls",
                               "Error"}));
}

}  // namespace
