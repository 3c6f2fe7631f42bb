// The picture commands of tarnwick-cli, run as a program.
#include <gtest/gtest.h>

#include "assets/icon_sheet.h"
#include "assets/picture_scale.h"
#include "assets/screen_bitmaps.h"
#include "tests/support/picture_fixture.h"
#include "tests/support/run_command.h"

namespace {

using assets::Picture;
using testing_support::RunAndCapture;

std::string Cli(const testing_support::PictureFixture& f, const std::string& args) {
  return std::string(TARNWICK_CLI) + " --home '" + f.home.path().string() + "' " + args;
}

TEST(CliPictures, ImportPictureStoresTheSlotAndItsTile) {
  testing_support::PictureFixture f;
  const auto file = f.WriteBmp("in/wall.bmp", Picture(64, 64, {0, 0, 255}));
  auto result = RunAndCapture(Cli(f, "import-picture tex21 '" + file.string() + "'"));
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(f.Stored("tex21"), Picture(64, 64, {0, 0, 255}));
  EXPECT_EQ(assets::Cut(f.Sheet(), 25, 0, 25, 25), Picture(25, 25, {0, 0, 255}));

  const auto small = f.WriteBmp("in/small.bmp", Picture(31, 64));
  result = RunAndCapture(Cli(f, "import-picture tex1 '" + small.string() + "'"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Error: small.bmp is too small, it must be at least 32*32\n");

  EXPECT_EQ(RunAndCapture(Cli(f, "import-picture tex99 '" + file.string() + "'")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(f, "import-picture tex1")).status, 2);
}

TEST(CliPictures, RebuildIconsPrintsTheTilesRedrawn) {
  testing_support::PictureFixture f;
  f.WriteBmp("twksys/tex1", Picture(64, 64, {255, 0, 0}));
  f.WriteBmp("twksys/food", Picture(64, 64, {0, 255, 0}));
  auto result = RunAndCapture(Cli(f, "rebuild-icons"));
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.out, "2\n");
  EXPECT_EQ(assets::Cut(f.Sheet(), 50, 25, 25, 25), Picture(25, 25, {0, 255, 0}));

  f.home.Write("twksys/ic", std::string("x"));
  result = RunAndCapture(Cli(f, "rebuild-icons"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Error: can't create icons\n");
}

TEST(CliPictures, ImportGameBitmapsAsksAndYesAnswers) {
  testing_support::PictureFixture f;
  for (const auto& row : assets::ScreenBitmapList())
    f.WriteBmp("GameBitmaps/" + row.source, Picture(row.width, row.min_height));
  auto result = RunAndCapture(Cli(f, "import-gamebitmaps"));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("Do you whish to import all of them? [no]"), std::string::npos) << result.out;
  EXPECT_FALSE(f.workspace.Exists("mask"));

  result = RunAndCapture(Cli(f, "--yes import-gamebitmaps"));
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_NE(result.out.find("Info: GameBitmaps imported successfully\n"), std::string::npos) << result.out;
  EXPECT_TRUE(f.workspace.Exists("scorenums"));
}

}  // namespace
