// The starter workspace made into a game by `tarnwick-cli create`, then
// started as a player would start it, under the dummy SDL drivers.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "game_pictures.h"
#include "game_window_icon.h"
#include "gamebuild/game_icon.h"
#include "gamebuild/pack_file.h"
#include "platform/files.h"
#include "tests/runtime/icon_fixture.h"
#include "tests/support/pack_edit.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

namespace {

namespace fs = std::filesystem;
using testing_support::PackWithEntry;
using testing_support::RunAndCapture;
using testing_support::TempFolder;

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// Eight images: every bitmap depth, a PNG and two sizes of 32 bits.
icon_fixture::Bytes EightImageIcon() {
  using icon_fixture::Dib;
  const auto png = platform::ReadFileBytes(testing_support::TestData("pngsuite/basn2c08.png"));
  return icon_fixture::IcoFile({{16, 1, Dib(16, 1)},
                                {16, 4, Dib(16, 4)},
                                {16, 8, Dib(16, 8)},
                                {16, 24, Dib(16, 24)},
                                {16, 32, Dib(16, 32)},
                                {32, 24, png.value_or(icon_fixture::Bytes{})},
                                {24, 32, Dib(24, 32)},
                                {48, 32, Dib(48, 32)}});
}

class CreatedGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new TempFolder;
    const auto made = RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " " + Quoted(home_->path()));
    ASSERT_EQ(made.status, 0) << made.out;
    home_->Write("pakpassword.txt", std::string("starter"));
    home_->Write("game.ico", EightImageIcon());
    fs::create_directories(GameFolder());
    const auto created = RunAndCapture(std::string(TARNWICK_CLI) + " --home " + Quoted(home_->path()) +
                                       " create " + Quoted(home_->path() / "out" / "starter") + " --icon " +
                                       Quoted(home_->path() / "game.ico"));
    ASSERT_EQ(created.status, 0) << created.out;
  }
  static void TearDownTestSuite() {
    delete home_;
    home_ = nullptr;
  }

  static fs::path GameFolder() { return home_->path() / "out"; }
  static fs::path Game() { return GameFolder() / "starter"; }  // the Linux game

  // Runs a game executable from `cwd` under the dummy drivers.
  static testing_support::CommandResult Start(const fs::path& game, const fs::path& cwd,
                                              const std::string& options) {
    return RunAndCapture("cd " + Quoted(cwd) + " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                         Quoted(game) + " " + options);
  }

  // A copy of the game alone in a new folder of `folder`, with `pack` beside it when given.
  static fs::path CopyGame(const TempFolder& folder, const platform::Bytes* pack) {
    const fs::path game = folder / "elsewhere" / "starter";
    fs::create_directories(game.parent_path());
    fs::copy_file(Game(), game);
    if (pack) folder.Write("elsewhere/game.pak", *pack);
    return game;
  }

  static TempFolder* home_;
};

TempFolder* CreatedGame::home_ = nullptr;

int DistinctColours(const fs::path& bmp) {
  const auto bytes = platform::ReadFileBytes(bmp);
  game::Image image;
  if (!bytes || !game::DecodeScreenImage(*bytes, false, image)) return 0;
  return static_cast<int>(std::set<uint32_t>(image.pixels.begin(), image.pixels.end()).size());
}

TEST_F(CreatedGame, CarriesTheIconImagesForTheWindow) {
  const auto executable = platform::ReadFileBytes(Game());
  ASSERT_TRUE(executable);
  const auto written = gamebuild::ReadIconTrailer(*executable);
  const auto chosen = gamebuild::ParseIconFile(EightImageIcon());
  ASSERT_TRUE(written);
  ASSERT_TRUE(chosen);
  ASSERT_EQ(written->size(), 8u);
  EXPECT_EQ(*written, *chosen);
  for (size_t i = 0; i < written->size(); ++i)
    EXPECT_TRUE(game::DecodeIconImage((*written)[i])) << "image " << i + 1;
  const auto icon = game::ReadWindowIcon(*executable);
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->width, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x)
      if (icon_fixture::Hole(x, y))
        ASSERT_TRUE(game::IsTransparent(icon->at(x, y))) << x << "," << y;
      else
        ASSERT_EQ(icon->at(x, y), icon_fixture::Expected(x, y, 32)) << x << "," << y;
}

TEST_F(CreatedGame, FindsItsPackBesideItselfAndPlaysAScriptedWalk) {
  TempFolder elsewhere;
  home_->Write("walk.txt", std::string("# forward, turn, open doors, shoot, then the map\n"
                                       "1 80 W\n"
                                       "81 110 Right\n"
                                       "111 111 Space\n"
                                       "120 200 W\n"
                                       "150 160 Mouse left\n"
                                       "201 240 A\n"
                                       "mouse 210 40 0\n"
                                       "281 300 M\n"));
  const fs::path shot = elsewhere / "last.bmp";
  const auto run = Start(Game(), elsewhere.path(),
                         "--level 1 --frames 300 --script " + Quoted(home_->path() / "walk.txt") +
                             " --screenshot " + Quoted(shot));
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("level 1 loaded"), std::string::npos) << run.out;
  EXPECT_GT(DistinctColours(shot), 50) << "the last frame shows the level, not a blank screen";
}

TEST_F(CreatedGame, WithoutItsPackReportsThePackNotFound) {
  TempFolder folder;
  const fs::path game = CopyGame(folder, nullptr);
  const auto run = Start(game, GameFolder(), "--frames 1");  // a game.pak in the current folder is not used
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("error: pak file not found"), std::string::npos) << run.out;
}

// Where the first `count` entries of a pack end.
size_t EntryEnd(const platform::Bytes& pack, int count) {
  size_t at = 0;
  for (int i = 0; i < count && at + gamebuild::kEntryHeaderSize <= pack.size(); ++i)
    at += gamebuild::kEntryHeaderSize +
          (pack[at + 4] | pack[at + 5] << 8 | pack[at + 6] << 16 | static_cast<size_t>(pack[at + 7]) << 24);
  return std::min(at, pack.size());
}

TEST_F(CreatedGame, UnusablePacksAreReportedByWhatIsWrong) {
  const platform::Bytes pack = platform::ReadFileBytes(GameFolder() / "game.pak").value();
  TempFolder folder;
  const platform::Bytes version_404 =
      PackWithEntry(GameFolder() / "game.pak", 1, {0x94, 0x01, 0, 0, 0x95, 0x01, 0, 0}, folder / "404.pak");
  const platform::Bytes short_version =
      PackWithEntry(GameFolder() / "game.pak", 1, {0x95, 0x01}, folder / "short.pak");
  const struct {
    const char* what;
    platform::Bytes pack;
    const char* message;
  } cases[] = {
      {"version 404", version_404, "Error: wrong game.pak"},
      {"a version of two bytes", short_version, "Error: wrong game.pak"},
      {"version 404, cut short further on", platform::Bytes(version_404.begin(), version_404.end() - 5),
       "Error: wrong game.pak"},
      {"two entries",
       platform::Bytes(pack.begin(), pack.begin() + static_cast<std::ptrdiff_t>(EntryEnd(pack, 2))),
       "Error: game.pak is damaged: it holds 2 of 380 entries"},
      {"cut inside the header of entry 3",
       platform::Bytes(pack.begin(), pack.begin() + static_cast<std::ptrdiff_t>(EntryEnd(pack, 2) + 3)),
       "Error: game.pak is damaged: entry 3 (Treasuresettings): pack cut short"},
      {"cut in its last entry", platform::Bytes(pack.begin(), pack.end() - 5),
       "Error: game.pak is damaged: entry 380 (game20): pack cut short"},
      {"an empty file", platform::Bytes{}, "Error: wrong game.pak"},
  };
  for (const auto& c : cases) {
    TempFolder place;
    const fs::path game = CopyGame(place, &c.pack);
    const auto run = Start(game, place.path(), "--frames 1");
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.what << ": " << run.out;
  }
}

}  // namespace
