// The checker over a whole workspace: the starter game as made, then broken
// one file at a time; and tarnwick-cli check printing the list.
#include "gamebuild/workspace_problems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "assets/picture.h"
#include "platform/byte_io.h"
#include "tests/support/drawn_level.h"
#include "tests/support/png_writer.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;
using testing_support::DrawnLevel;
using testing_support::RunAndCapture;
using testing_support::TempFolder;

// One starter game for the suite; each test works on a copy of it.
class WorkspaceProblems : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    starter_ = new TempFolder;
    const auto run =
        RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" + starter_->path().string() + "'");
    ASSERT_EQ(run.status, 0) << run.out;
    starter_->Write("pakpassword.txt", std::string("starter"));  // as the editor's start-up sets it
  }
  static void TearDownTestSuite() {
    delete starter_;
    starter_ = nullptr;
  }
  void SetUp() override {
    fs::copy(starter_->path(), home.path(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }

  platform::Workspace Workspace() const { return platform::Workspace(home.path()); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const world::Problem& problem : gamebuild::CheckWorkspace(Workspace()))
      lines.push_back(world::ProblemLine(problem));
    return lines;
  }
  void WriteLevel(int level, const std::vector<std::string>& art) const {
    home.Write("twksys/game" + std::to_string(level), world::LevelFileBytes(DrawnLevel(art)));
  }
  void WriteLevelCount(int32_t count) const {
    platform::Bytes settings = *Workspace().Read("settings");
    platform::PutLe<uint32_t>(settings, 0, static_cast<uint32_t>(count));
    home.Write("twksys/settings", settings);
  }
  testing_support::CommandResult Check() const {
    return RunAndCapture(std::string(TARNWICK_CLI) + " check --home '" + home.path().string() + "'");
  }

  static TempFolder* starter_;
  TempFolder home;
};

TempFolder* WorkspaceProblems::starter_ = nullptr;

TEST_F(WorkspaceProblems, TheStarterGameHasNone) {
  EXPECT_EQ(Lines(), std::vector<std::string>{});
  const auto run = Check();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST_F(WorkspaceProblems, FilesCreateGameWouldMissOrTheGameCannotRead) {
  fs::remove(home / "twksys/tex4");
  home.Write("twksys/cheat", platform::Bytes{});
  home.Write("pakpassword.txt", std::string(25, 'x'));
  home.Write("twksys/sprite3b", std::string("not a picture"));
  home.Write("twksys/key", testing_support::EncodePng(32, 32, std::vector<uint8_t>(32 * 32 * 4, 200)));
  home.Write("twksys/midilvl2", platform::Bytes(120001, 1));
  home.Write("twksys/midilvl3", platform::Bytes(120000, 1));
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{
                "pakpassword.txt: error: the pack password has 25 characters; it may have at most 21",
                "cheat: error: the file is empty",
                "tex4: error: the file is missing",
                "key: warning: a picture of 32 x 32, not 64 x 64; the game scales it",
                "sprite3b: error: not a picture the game can read",
                "midilvl2: error: the MIDI file has 120001 bytes, more than 120000",
            }));
}

TEST_F(WorkspaceProblems, LevelsUpToTheLevelCount) {
  WriteLevelCount(2);
  home.Write("twksys/game1", platform::Bytes(100, 'x'));
  platform::Bytes long_level = world::LevelFileBytes(DrawnLevel({"####", "#PE#", "####"}));
  long_level.push_back('x');
  home.Write("twksys/game2", long_level);
  home.Write("twksys/game3", platform::Bytes(10, 'x'));  // beyond the count: not a level of the game
  fs::remove(home / "twksys/game20");
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "game1: error: the level file has 100 bytes, not 4224",
                         "game2: warning: the level file has 4225 bytes, not 4224; the rest is not read",
                         "game20: error: the file is missing",
                     }));

  WriteLevelCount(21);
  EXPECT_EQ(Lines().front(), "settings: error: the level count is 21; a game has 1 to 20 levels");
  fs::remove(home / "twksys/settings");
  EXPECT_EQ(Lines().front(), "settings: error: the file is missing");
}

// Sprite 1 stands between the player and the next-level door; whether it
// blocks the way depends on the sprite record.
TEST_F(WorkspaceProblems, SpritesBlockAsTheirRecordSays) {
  WriteLevelCount(1);
  WriteLevel(1, {"#######", "#P S E#", "#######"});
  const std::string unreachable =
      "game1:6:2: warning: the next-level door cannot be reached from the player start";
  struct Case {
    const char* name;
    std::optional<platform::Bytes> record;  // nothing: no record
    bool blocks;
  };
  const auto record = [](uint8_t collision, uint8_t endurance) {
    platform::Bytes bytes(30, 0);
    bytes[0] = collision;
    bytes[10] = endurance;
    return bytes;
  };
  const Case cases[] = {
      {"a record of the wrong size plays as the new one", platform::Bytes(7, 0), true},
      {"solid and beyond bullets", record(1, 0), true},
      {"no collision", record(0, 0), false},
      {"bullets can destroy it", record(1, 3), false},
  };
  for (const Case& c : cases) {
    home.Write("twksys/spritesettings", *c.record);
    const auto lines = Lines();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), unreachable) != lines.end(), c.blocks) << c.name;
  }
}

TEST_F(WorkspaceProblems, CheckPrintsOneLineEachAndFailsOnErrorsOnly) {
  WriteLevelCount(1);
  WriteLevel(1, {"######", "#P  P#", "###E##", "######"});
  auto run = Check();
  EXPECT_EQ(run.status, 0) << "warnings do not fail it";
  EXPECT_EQ(run.out,
            "game1:2:2: warning: one of 2 player starts: the game starts here\n"
            "game1:5:2: warning: one of 2 player starts: the game starts at 2:2\n");

  WriteLevel(1, {"#D####", "#   P#", "######"});
  run = Check();
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "game1:2:1: error: door on the border\n");
  EXPECT_EQ(RunAndCapture(std::string(TARNWICK_CLI) + " check extra").status, 2);
}

}  // namespace
