#include "gamebuild/create_game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gamebuild/game_icon.h"
#include "gamebuild/pe_format.h"
#include "gamebuild/windows_game_icon.h"
#include "platform/scripted_prompter.h"
#include "tests/support/game_workspace.h"
#include "tests/support/pe_fixture.h"
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

  std::optional<gamebuild::WrittenGames> Create(std::optional<fs::path> chosen, const fs::path& icon = {},
                                                gamebuild::GamePlatforms platforms = {}) {
    prompter.files.push_back(chosen);
    const gamebuild::CreateGameContext context{workspace,
                                               prompter,
                                               {linux_runtime, windows_runtime},
                                               icon,
                                               level_unsaved,
                                               [this](bool shown) { shows.push_back(shown); },
                                               [this](int position) { positions.push_back(position); },
                                               platforms};
    return gamebuild::CreateGame(context);
  }

  TempFolder home;
  const platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;
  const platform::Bytes linux_runtime = platform::Bytes(4096, 0xC3);
  const platform::Bytes windows_runtime =
      pe_fixture::Executable({{pe::kRcDataType, gamebuild::kIconRoomName, 1033, platform::Bytes(21000, 0)}}, 0);
  bool level_unsaved = false;
  std::vector<bool> shows;
  std::vector<int> positions;
};

class CreateGameTest : public ::testing::Test, public GameFolder {};

TEST_F(CreateGameTest, WritesBothGamesAndThePackBesideThem) {
  const auto games = Create(home / "out/mygame");
  ASSERT_TRUE(games) << (prompter.shown.empty() ? "" : prompter.shown[0].text);
  EXPECT_EQ(games->windows_game, home / "out/mygame.exe");
  EXPECT_EQ(games->linux_game, home / "out/mygame");
  EXPECT_EQ(*platform::ReadFileBytes(home / "out/mygame.exe"), windows_runtime);
  EXPECT_EQ(*platform::ReadFileBytes(home / "out/mygame"), linux_runtime);
  EXPECT_NE(fs::status(home / "out/mygame").permissions() & fs::perms::owner_exec, fs::perms::none);
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

TEST_F(CreateGameTest, OnePlatformWritesOneGame) {
  const auto linux_only = Create(home / "out/a", {}, {true, false});
  ASSERT_TRUE(linux_only);
  EXPECT_EQ(linux_only->linux_game, home / "out/a");
  EXPECT_FALSE(linux_only->windows_game);
  EXPECT_FALSE(fs::exists(home / "out/a.exe"));

  const auto windows_only = Create(home / "out/b", {}, {false, true});
  ASSERT_TRUE(windows_only);
  EXPECT_EQ(windows_only->windows_game, home / "out/b.exe");
  EXPECT_FALSE(windows_only->linux_game);
  EXPECT_FALSE(fs::exists(home / "out/b"));
  EXPECT_TRUE(fs::exists(home / "out/game.pak"));
}

TEST_F(CreateGameTest, SavePathNaming) {
  struct Case {
    const char* chosen;
    std::optional<std::string> windows_game;
    std::string linux_game;
  };
  const Case cases[] = {{"/g/mygame", "/g/mygame.exe", "/g/mygame"},
                        {"/g/mygame.EXE", "/g/mygame.EXE.exe", "/g/mygame.EXE"},
                        {"/g/my.exe.old", "/g/my.exe.old", "/g/my.exe.old.x86_64"},
                        {"/g/a.exe", "/g/a.exe", "/g/a"},
                        {"/g/.exe", "/g/.exe", "/g/.exe.x86_64"},
                        {"/g.exe/game", "/g.exe/game", "/g.exe/game.x86_64"},
                        {"", std::nullopt, ""},
                        {".hidden", std::nullopt, ""},
                        {"ab", "ab.exe", "ab"}};
  for (const Case& c : cases) {
    const auto path = gamebuild::GameSavePath(c.chosen);
    EXPECT_EQ(path ? std::optional<std::string>(path->string()) : std::nullopt, c.windows_game) << c.chosen;
    if (path) {
      EXPECT_EQ(gamebuild::LinuxGamePath(*path).string(), c.linux_game) << c.chosen;
    }
  }
}

TEST_F(CreateGameTest, CancelledRequesterWritesNoGame) {
  EXPECT_FALSE(Create(std::nullopt));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(fs::is_empty(home / "out"));
  EXPECT_TRUE(workspace.Exists("game.pak"));
  EXPECT_EQ(shows, (std::vector<bool>{true, false}));
}

TEST_F(CreateGameTest, AnExistingGameOfEitherNameIsAskedAboutOnce) {
  struct Case {
    std::vector<const char*> existing;
    const char* question;
  };
  const Case cases[] = {{{"old.exe"}, "overwrite existing old.exe?"},
                        {{"old"}, "overwrite existing old?"},
                        {{"old.exe", "old"}, "overwrite existing old.exe and old?"}};
  for (const Case& c : cases) {
    GameFolder t;
    for (const char* name : c.existing) t.home.Write(std::string("out/") + name, "keep me");
    t.prompter.answers = {false};
    EXPECT_FALSE(t.Create(t.home / "out/old.exe"));
    EXPECT_EQ(t.prompter.asked, (std::vector<platform::Message>{{c.question, "Save as"}}));
    for (const char* name : c.existing) EXPECT_EQ(platform::FileSizeByName(t.home / "out" / name), 7) << name;
    EXPECT_FALSE(fs::exists(t.home / "out/game.pak"));

    t.prompter.answers = {true};
    EXPECT_TRUE(t.Create(t.home / "out/old.exe"));
    EXPECT_EQ(t.prompter.asked.size(), 2u);
    EXPECT_EQ(*platform::ReadFileBytes(t.home / "out/old.exe"), t.windows_runtime);
    EXPECT_EQ(*platform::ReadFileBytes(t.home / "out/old"), t.linux_runtime);
  }
  GameFolder t;
  t.home.Write("out/old", "keep me");
  EXPECT_TRUE(t.Create(t.home / "out/old.exe", {}, {false, true})) << "the Linux name is not written";
  EXPECT_TRUE(t.prompter.asked.empty());
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

TEST_F(CreateGameTest, TheIconGoesIntoBothGames) {
  // One 16 x 16 image of 40 bytes.
  platform::Bytes icon = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 40, 0, 0, 0, 22, 0, 0, 0};
  icon.resize(icon.size() + 40, 0xAB);
  home.Write("game.ico", icon);
  const auto games = Create(home / "out/game", home / "game.ico");
  ASSERT_TRUE(games);
  const auto linux_game = *platform::ReadFileBytes(*games->linux_game);
  EXPECT_EQ(gamebuild::SizeWithoutIconTrailer(linux_game), linux_runtime.size());
  EXPECT_EQ(*gamebuild::ReadIconTrailer(linux_game), *gamebuild::ParseIconFile(icon));
  EXPECT_EQ(gamebuild::ReadIconResources(*platform::ReadFileBytes(*games->windows_game)),
            gamebuild::ParseIconFile(icon));
}

}  // namespace
