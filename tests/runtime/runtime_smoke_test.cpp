// The tarnwick-game executable under the dummy video and audio drivers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

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

TEST(RuntimeSmoke, HelpListsTheOptions) {
  const auto run = RunAndCapture(std::string(TARNWICK_GAME) + " --help");
  EXPECT_EQ(run.status, 0);
  for (const char* option : {"--level", "--frames", "--script", "--screenshot", "--help"})
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

}  // namespace
