// The validate command of tarnwick-cli, run as a program.
#include <gtest/gtest.h>

#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

using testing_support::RunAndCapture;
using testing_support::TempFolder;

std::string Cli(const TempFolder& home, const std::string& args) {
  return std::string(TARNWICK_CLI) + " --home '" + home.path().string() + "' " + args;
}

TEST(CliValidate, PrintsTheResultAndExitsByIt) {
  TempFolder home;
  const auto run = [&] { return RunAndCapture(Cli(home, "validate")); };

  auto result = run();
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "-1\nError: can't open level file\n");

  home.Write("twksys/settings", platform::Bytes{1, 0, 0, 0});
  world::LevelState level;
  world::MakeNewWorld(level);
  home.Write("twksys/game1", world::LevelFileBytes(level.grid));
  result = run();
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("1\nError: Error on Level 1. Possible reasons:"), std::string::npos)
      << result.out;

  level.grid.at(3, 3) = world::kPlayerStartByte;
  home.Write("twksys/game1", world::LevelFileBytes(level.grid));
  result = run();
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "0\n");
}

TEST(CliValidate, UsageErrorsExitTwo) {
  TempFolder home;
  EXPECT_EQ(RunAndCapture(Cli(home, "validate extra")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(home, "no-such-command")).status, 2);
  EXPECT_EQ(RunAndCapture(std::string(TARNWICK_CLI) + " validate --home").status, 2);
}

}  // namespace
