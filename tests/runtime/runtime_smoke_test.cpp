// The tarnwick-game executable under the dummy video and audio drivers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "game_draw.h"
#include "game_pictures.h"
#include "tests/runtime/sample_game.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::RunAndCapture;
using testing_support::TempFolder;

std::string Game() {
  return std::string("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ") + TARNWICK_GAME;
}

int DistinctColours(const std::filesystem::path& bmp) {
  const auto bytes = platform::ReadFileBytes(bmp);
  game::Image image;
  if (!bytes || !game::DecodeScreenImage(*bytes, false, image)) return 0;
  std::set<uint32_t> colours(image.pixels.begin(), image.pixels.end());
  return static_cast<int>(colours.size());
}

TEST(RuntimeSmoke, PlaysAScriptedWalkAndWritesTheLastFrame) {
  TempFolder folder;
  sample::WriteWorkspace(folder.path(), sample::Entries());
  folder.Write("walk.txt", std::string("# walk, turn, open the door, shoot\n"
                                       "1 60 Up\n"
                                       "61 90 Right\n"
                                       "91 91 Space\n"
                                       "100 180 Up\n"
                                       "120 130 LeftControl\n"
                                       "181 200 M\n"
                                       "mouse 150 30 0\n"));
  const auto shot = folder / "last.bmp";
  const auto run =
      RunAndCapture(Game() + " --workspace " + folder.path().string() + " --level 1 --frames 300 --script " +
                    (folder / "walk.txt").string() + " --screenshot " + shot.string());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("level 1 loaded"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("50 sounds loaded"), std::string::npos) << run.out;
  EXPECT_GT(DistinctColours(shot), 50) << "the screenshot shows the level, not a blank frame";
}

TEST(RuntimeSmoke, MenusLeadIntoTheFirstLevel) {
  TempFolder folder;
  sample::WriteWorkspace(folder.path(), sample::Entries());
  folder.Write("menu.txt", std::string("2 2 Return\n5 5 Return\n"));
  const auto run = RunAndCapture(Game() + " --workspace " + folder.path().string() +
                                 " --frames 20 --script " + (folder / "menu.txt").string());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("level 1 loaded"), std::string::npos) << run.out;
}

TEST(RuntimeSmoke, MissingPackIsReportedAndEndsTheGame) {
  TempFolder folder;
  const auto copy = folder / "mygame";
  std::filesystem::copy_file(TARNWICK_GAME, copy);
  const auto run =
      RunAndCapture("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + copy.string() + " --frames 1");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.out.find("error: pak file not found"), std::string::npos) << run.out;

  const auto elsewhere = RunAndCapture(Game() + " --pak " + (folder / "no.pak").string() + " --frames 1");
  EXPECT_NE(elsewhere.status, 0);
  EXPECT_NE(elsewhere.out.find("error: pak file not found"), std::string::npos) << elsewhere.out;
}

TEST(RuntimeSmoke, WrongVersionIsReportedAndEndsTheGame) {
  TempFolder folder;
  auto entries = sample::Entries();
  entries[game::EntryIndex("Version")] = {0x94, 1, 0, 0};  // 404
  sample::WriteWorkspace(folder.path(), entries);
  const auto run = RunAndCapture(Game() + " --workspace " + folder.path().string() + " --frames 1");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.out.find("Error: wrong game.pak"), std::string::npos) << run.out;
}

TEST(RuntimeSmoke, ADamagedPackIsNamedOnTheErrorOutputAndInTheWindow) {
  TempFolder folder;
  auto entries = sample::Entries();
  entries[game::EntryIndex("menu2")] = {1, 2, 3};
  sample::WriteWorkspace(folder.path(), entries);
  const auto shot = folder / "message.bmp";
  const auto run = RunAndCapture(Game() + " --workspace " + folder.path().string() + " --frames 5 --screenshot " +
                                 shot.string());
  EXPECT_EQ(run.status, 1);
  const std::string text = "game.pak is damaged: the picture menu2 cannot be read\n" + folder.path().string();
  EXPECT_NE(run.out.find("Error: " + text), std::string::npos) << run.out;
  // No message box can be shown without a desktop: the window shows the message instead.
  game::FrameBuffer expected(640, 400);
  game::DrawMessageScreen(expected, "Error", text);
  const auto written = platform::ReadFileBytes(shot);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, assets::EncodeBmp24(game::ToPicture(expected)));
}

TEST(RuntimeSmoke, ABrokenTuneIsSilenceWithOneLineAndNoWait) {
  TempFolder folder;
  auto entries = sample::Entries();
  entries[game::EntryIndex("MidiSettings")] = game::Entry(10, 1);
  const game::Entry tune = sample::Tune();
  entries[game::EntryIndex("midilvl1")] = game::Entry(tune.begin(), tune.begin() + tune.size() / 2);
  sample::WriteWorkspace(folder.path(), entries);
  // Before the check the synthesizer retried the cut file for ever and the game never ended.
  const auto run = RunAndCapture("timeout -s KILL 60 env " + Game() + " --workspace " + folder.path().string() +
                                 " --level 1 --frames 100");
  EXPECT_EQ(run.status, 0) << run.out.substr(0, 2000);
  const std::string line = "the music of level 1 cannot play: track 1 runs past the end of the file\n";
  const size_t first = run.out.find(line);
  EXPECT_NE(first, std::string::npos) << run.out.substr(0, 2000);
  EXPECT_EQ(run.out.find("cannot play", first + line.size()), std::string::npos) << "one line only";
}

TEST(RuntimeSmoke, HeadlessGameEndsOnTermAndInterrupt) {
  TempFolder folder;
  sample::WriteWorkspace(folder.path(), sample::Entries());
  for (const char* signal : {"TERM", "INT"}) {
    // The game runs far longer than the test waits; only the signal ends it in time.
    const auto run = RunAndCapture("timeout -s KILL 30 sh -c '" + Game() + " --workspace " +
                                   folder.path().string() + " --level 1 --frames 100000000 & game=$!; sleep 1; " +
                                   "kill -" + signal + " $game; wait $game; echo status=$?'");
    EXPECT_NE(run.out.find("status=0"), std::string::npos) << signal << ": " << run.out;
  }
}

TEST(RuntimeSmoke, HelpListsTheOptionsUnderTheProgramsOwnName) {
  TempFolder folder;
  const auto copy = folder / "ember-keep";
  std::filesystem::copy_file(TARNWICK_GAME, copy);
  const auto run = RunAndCapture(copy.string() + " --help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: ember-keep [options]\n", 0), 0u) << run.out;
  for (const char* option : {"--level", "--frames", "--script", "--screenshot", "--help"})
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

TEST(RuntimeSmoke, ALevelBeyondTheGameIsRefused) {
  TempFolder folder;
  sample::WriteWorkspace(folder.path(), sample::Entries(2));
  const auto run = RunAndCapture(Game() + " --workspace " + folder.path().string() + " --level 9 --frames 1");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("--level 9: the game has 2 levels\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("level 2 loaded"), std::string::npos) << run.out;
}

}  // namespace
