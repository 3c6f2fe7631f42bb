#include "gamebuild/create_game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gamebuild/game_icon.h"
#include "platform/scripted_prompter.h"
#include "tests/support/game_workspace.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

platform::Bytes ValidLevel() {
  world::LevelState level;
  world::MakeNewWorld(level);
  level.grid.at(5, 5) = world::kPlayerStartByte;
  return world::LevelFileBytes(level.grid);
}

// A complete workspace whose one level passes validation.
struct GameFolder {
  GameFolder() {
    testing_support::WriteGameWorkspace(home);
    platform::Bytes settings(104, 0);
    settings[0] = 1;
    home.Write("twksys/settings", settings);
    home.Write("twksys/game1", ValidLevel());
    fs::create_directories(home / "out");
  }

  std::optional<fs::path> Create(std::optional<fs::path> chosen, const fs::path& icon = {}) {
    prompter.files.push_back(chosen);
    const gamebuild::CreateGameContext context{workspace,
                                               prompter,
                                               runtime,
                                               icon,
                                               level_unsaved,
                                               [this](bool shown) { shows.push_back(shown); },
                                               [this](int position) { positions.push_back(position); }};
    return gamebuild::CreateGame(context);
  }

  TempFolder home;
  const platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;
  const platform::Bytes runtime = platform::Bytes(4096, 0xC3);
  bool level_unsaved = false;
  std::vector<bool> shows;
  std::vector<int> positions;
};

class CreateGameTest : public ::testing::Test, public GameFolder {};

TEST_F(CreateGameTest, WritesTheRuntimeBlockAndThePackBesideIt) {
  const auto game = Create(home / "out/mygame");
  ASSERT_TRUE(game) << (prompter.shown.empty() ? "" : prompter.shown[0].text);
  EXPECT_EQ(*game, home / "out/mygame.exe");
  EXPECT_EQ(*platform::ReadFileBytes(*game), runtime);
  EXPECT_NE(fs::status(*game).permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(*platform::ReadFileBytes(home / "out/game.pak"), *workspace.Read("game.pak"));
  EXPECT_EQ(*workspace.Read("Version"), (platform::Bytes{0x95, 1, 0, 0, 0x95, 1, 0, 0}));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(shows, (std::vector<bool>{true, false}));
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back(), 380);
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].title, "Save Game");
  EXPECT_EQ(prompter.requests[0].patterns, "Exe (*.exe)|*.exe");
}

TEST_F(CreateGameTest, SavePathNaming) {
  struct Case {
    const char* chosen;
    std::optional<std::string> path;
  };
  const Case cases[] = {{"/g/mygame", "/g/mygame.exe"},
                        {"/g/mygame.EXE", "/g/mygame.EXE.exe"},
                        {"/g/my.exe.old", "/g/my.exe.old"},
                        {"/g/a.exe", "/g/a.exe"},
                        {"", std::nullopt},
                        {".hidden", std::nullopt},
                        {"ab", "ab.exe"}};
  for (const Case& c : cases) {
    const auto path = gamebuild::GameSavePath(c.chosen);
    EXPECT_EQ(path ? std::optional<std::string>(path->string()) : std::nullopt, c.path) << c.chosen;
  }
}

TEST_F(CreateGameTest, CancelledRequesterWritesNoGame) {
  EXPECT_FALSE(Create(std::nullopt));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(fs::is_empty(home / "out"));
  EXPECT_TRUE(workspace.Exists("game.pak"));
  EXPECT_EQ(shows, (std::vector<bool>{true, false}));
}

TEST_F(CreateGameTest, OverwriteQuestion) {
  home.Write("out/old.exe", "keep me");
  prompter.answers = {false};
  EXPECT_FALSE(Create(home / "out/old.exe"));
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0], (platform::Message{"overwrite existing old.exe?", "Save as"}));
  EXPECT_EQ(platform::FileSizeByName(home / "out/old.exe"), 7);
  EXPECT_FALSE(fs::exists(home / "out/game.pak"));

  prompter.answers = {true};
  EXPECT_TRUE(Create(home / "out/old.exe"));
  EXPECT_EQ(*platform::ReadFileBytes(home / "out/old.exe"), runtime);
}

TEST_F(CreateGameTest, StopsBeforeWritingAnything) {
  struct Case {
    const char* name;
    std::function<void(GameFolder&)> prepare;
    platform::Message message;
  };
  const Case cases[] = {
      {"unsaved level",
       [](GameFolder& t) { t.level_unsaved = true; },
       {"The level must be saved before creating the game!", "TWK"}},
      {"missing settings",
       [](GameFolder& t) { fs::remove(t.home / "twksys/settings"); },
       {"can't open level file", "Error"}},
      {"a sound missing",
       [](GameFolder& t) { fs::remove(t.home / "twksys/footstepsound"); },
       {"1 Files missing!", "Error"}},
  };
  for (const Case& c : cases) {
    GameFolder t;
    c.prepare(t);
    EXPECT_FALSE(t.Create(t.home / "out/game")) << c.name;
    ASSERT_EQ(t.prompter.shown.size(), 1u) << c.name;
    EXPECT_EQ(t.prompter.shown[0], c.message) << c.name;
    EXPECT_TRUE(t.prompter.requests.empty()) << c.name;
    EXPECT_TRUE(fs::is_empty(t.home / "out")) << c.name;
    EXPECT_TRUE(t.workspace.Exists("Version")) << c.name;
  }
}

TEST_F(CreateGameTest, InvalidLevelShowsTheFullMessage) {
  home.Write("twksys/game1", platform::Bytes(100, 16));
  EXPECT_FALSE(Create(home / "out/game"));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_TRUE(prompter.shown[0].text.starts_with("Error on Level 1. Possible reasons:\r\n"));
  EXPECT_EQ(shows, (std::vector<bool>{true, false}));
}

TEST_F(CreateGameTest, VersionFileThatCannotBeWrittenStopsTheCommand) {
  fs::remove(home / "twksys/Version");
  fs::create_directories(home / "twksys/Version/blocked");
  EXPECT_FALSE(Create(home / "out/game"));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], (platform::Message{"cannot write to file", "Error"}));
  EXPECT_TRUE(shows.empty());
}

TEST_F(CreateGameTest, AFailedWriteIsReportedAndNotRemembered) {
  EXPECT_FALSE(Create(home / "no/such/folder/game"));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Error");
  EXPECT_TRUE(prompter.shown[0].text.starts_with("cannot write to file")) << prompter.shown[0].text;
}

TEST_F(CreateGameTest, TheIconGoesIntoTheGame) {
  // One 16 x 16 image of 40 bytes.
  platform::Bytes icon = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 40, 0, 0, 0, 22, 0, 0, 0};
  icon.resize(icon.size() + 40, 0xAB);
  home.Write("game.ico", icon);
  const auto game = Create(home / "out/game", home / "game.ico");
  ASSERT_TRUE(game);
  const auto written = *platform::ReadFileBytes(*game);
  EXPECT_EQ(gamebuild::SizeWithoutIconTrailer(written), runtime.size());
  EXPECT_EQ(*gamebuild::ReadIconTrailer(written), *gamebuild::ParseIconFile(icon));
}

}  // namespace
