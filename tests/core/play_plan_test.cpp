// Play Level's side in the core: where the player starts, the temporary
// pack and the runtime's arguments.
#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/play_test.h"
#include "platform/byte_io.h"
#include "tests/support/drawn_level.h"
#include "tests/support/game_workspace.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;
using gamebuild::PlanPlay;
using gamebuild::PlayStart;
using testing_support::DrawnLevel;

constexpr const char* kNoStart =
    "The level has no player start: place one, or point at a cell on the map and use Play From Here.";

TEST(PlayPlan, WhereThePlayerStarts) {
  const world::LevelGrid with_start = DrawnLevel({"#####", "#PD #", "#####"});
  const world::LevelGrid without = DrawnLevel({"#####", "# D #", "#####"});
  const PlayStart cursor{{3, 1}, 90};
  struct Case {
    const char* name;
    const world::LevelGrid& grid;
    std::optional<PlayStart> cursor;
    bool from_here;
    std::optional<PlayStart> start;  // the --start of the plan
  };
  const Case cases[] = {
      {"Play Level starts at the player start", with_start, cursor, false, std::nullopt},
      {"Play From Here at the cursor", with_start, cursor, true, cursor},
      {"... at the player start with the cursor off the map", with_start, std::nullopt, true, std::nullopt},
      {"... and with a cursor beyond the grid", with_start, PlayStart{{64, 1}, 0}, true, std::nullopt},
      {"... or above it", with_start, PlayStart{{3, -1}, 0}, true, std::nullopt},
      {"Play Level without a player start at the cursor", without, cursor, false, cursor},
  };
  for (const Case& c : cases) {
    const auto plan = PlanPlay({4, c.grid, c.cursor, c.from_here});
    ASSERT_TRUE(std::holds_alternative<gamebuild::PlayPlan>(plan)) << c.name << ": " << std::get<1>(plan);
    EXPECT_EQ(std::get<0>(plan).level, 4) << c.name;
    EXPECT_EQ(std::get<0>(plan).start, c.start) << c.name;
  }

  // The level without one gets the start in its packed copy.
  platform::Bytes expected = world::LevelFileBytes(without);
  expected[1 * world::kRowBytes + 3] = world::kPlayerStartByte;
  EXPECT_EQ(std::get<0>(PlanPlay({4, without, cursor, false})).level_file, expected);
  EXPECT_EQ(std::get<0>(PlanPlay({4, with_start, cursor, true})).level_file,
            world::LevelFileBytes(with_start));
}

TEST(PlayPlan, LevelsThatCannotBePlayedSayWhy) {
  const world::LevelGrid without = DrawnLevel({"#####", "# D #", "#####"});
  const world::LevelGrid with_start = DrawnLevel({"#####", "#PDE#", "#####"});
  struct Case {
    const world::LevelGrid& grid;
    std::optional<PlayStart> cursor;
    bool from_here;
    const char* text;
  };
  const Case cases[] = {
      {without, std::nullopt, false, kNoStart},
      {without, std::nullopt, true, kNoStart},
      {with_start, PlayStart{{0, 0}, 0}, true,
       "The player cannot start at column 1, row 1: a wall stands there."},
      {with_start, PlayStart{{2, 1}, 0}, true,
       "The player cannot start at column 3, row 2: a door stands there."},
      {with_start, PlayStart{{3, 1}, 0}, true,
       "The player cannot start at column 4, row 2: the next-level door stands there."},
  };
  for (const Case& c : cases) {
    const auto plan = PlanPlay({1, c.grid, c.cursor, c.from_here});
    ASSERT_TRUE(std::holds_alternative<platform::Message>(plan)) << c.text;
    EXPECT_EQ(std::get<1>(plan), (platform::Message{c.text, "Play Level"}));
  }
}

TEST(PlayPlan, ArgumentsCountCellsFromOne) {
  gamebuild::PlayPlan plan{7, std::nullopt, {}};
  EXPECT_EQ(gamebuild::PlayArguments("/t/play.pak", plan),
            (std::vector<std::string>{"--pak", "/t/play.pak", "--level", "7"}));
  plan.start = PlayStart{{11, 39}, 270};
  EXPECT_EQ(gamebuild::PlayArguments("/t/play.pak", plan),
            (std::vector<std::string>{"--pak", "/t/play.pak", "--level", "7", "--start", "12,40,270"}));
}

class PlayPack : public ::testing::Test {
 protected:
  void SetUp() override {
    made = testing_support::WriteGameWorkspace(home);
    platform::Bytes settings(104, 0);
    settings[0] = 2;
    home.Write("twksys/settings", settings);
    made.files["settings"] = settings;
  }
  std::vector<platform::Bytes> Entries(const fs::path& pack) {
    std::vector<platform::Bytes> entries;
    gamebuild::PackReader reader;
    EXPECT_TRUE(reader.PackOpen(pack));
    for (auto entry = reader.PackNextEntry(); reader.Status() == gamebuild::PackStatus::kEntry;
         entry = reader.PackNextEntry()) {
      EXPECT_EQ(reader.StoredSize(), entry.size()) << "stored without compression";
      entries.emplace_back(entry.begin(), entry.end());
    }
    return entries;
  }

  testing_support::TempFolder home, elsewhere;
  testing_support::GameWorkspace made;
};

TEST_F(PlayPack, TheWorkspaceWithTheGridInPlaceOfItsLevel) {
  const world::LevelGrid grid = DrawnLevel({"####", "#PE#", "####"});
  const gamebuild::PlayPlan plan = std::get<0>(PlanPlay({5, grid, std::nullopt, false}));
  const fs::path pack = elsewhere / "play.pak";
  ASSERT_EQ(gamebuild::WritePlayPack(platform::Workspace(home.path()), plan, pack), std::nullopt);

  const auto entries = Entries(pack);
  const auto& names = gamebuild::GamePakEntryNames();
  ASSERT_EQ(entries.size(), names.size());
  for (size_t position = 1; position < names.size(); ++position) {
    const std::string& name = names[position];
    if (name == "game5") {
      EXPECT_EQ(entries[position], world::LevelFileBytes(grid));
    } else if (name == "Version") {
      EXPECT_EQ(entries[position], gamebuild::VersionRecord());
    } else if (name == "settings") {
      EXPECT_EQ(platform::ByteView(entries[position]).I32(0), 5)
          << "the level count reaches the played level";
      EXPECT_EQ(entries[position].size(), made.files.at("settings").size());
    } else {
      EXPECT_EQ(entries[position], made.files.at(name)) << name;
    }
  }
  EXPECT_EQ(*platform::ReadFileBytes(home / "twksys/game5"), made.files.at("game5"))
      << "the workspace keeps it";
  EXPECT_FALSE(fs::exists(home / "twksys/game.pak"));
}

TEST_F(PlayPack, MissingFilesAreNamedAndNoPackIsLeft) {
  fs::remove(home / "twksys/tex4");
  home.Write("twksys/menumusic", platform::Bytes{});
  const gamebuild::PlayPlan plan{1, std::nullopt, world::LevelFileBytes(DrawnLevel({"#P#"}))};
  const fs::path pack = elsewhere / "play.pak";
  EXPECT_EQ(gamebuild::WritePlayPack(platform::Workspace(home.path()), plan, pack),
            (platform::Message{"The game cannot be played: files missing: menumusic, tex4", "Play Level"}));
  EXPECT_FALSE(fs::exists(pack));
}

}  // namespace
