// Play Level on the real runtime: the temporary pack and the command line
// the editor starts it with, run under the dummy SDL drivers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>

#include "config/game_settings.h"
#include "game_keys.h"
#include "gamebuild/play_test.h"
#include "platform/files.h"
#include "platform/scripted_prompter.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;
using testing_support::RunAndCapture;
using testing_support::TempFolder;

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

class PlayLevel : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto made =
        RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " " + Quoted(home.path().string()));
    ASSERT_EQ(made.status, 0) << made.out;
    platform::ScriptedPrompter prompter;
    ASSERT_TRUE(world::LoadLevelFile(Workspace(), 2, grid, prompter));
  }

  platform::Workspace Workspace() const { return platform::Workspace(home.path()); }

  // An empty cell with an empty cell east of it, away from the level's things.
  world::GridCell OpenCellWithRoomEast() const {
    for (int row = 1; row < world::kLevelSize - 1; ++row)
      for (int column = 1; column < world::kLevelSize - 2; ++column)
        if (grid.at(column, row) == world::kEmptyByte && grid.at(column + 1, row) == world::kEmptyByte)
          return {column, row};
    return {};
  }

  // The runtime on the plan's pack for 90 tics, the use key pressed at tic 3.
  testing_support::CommandResult Run(const gamebuild::PlayPlan& plan) const {
    const fs::path pack = home / "test" / "play.pak";
    fs::create_directories(pack.parent_path());
    EXPECT_EQ(gamebuild::WritePlayPack(Workspace(), plan, pack), std::nullopt);
    const auto settings = config::Decode(config::kGameSettingsRecord, *Workspace().Read("settings"));
    const std::string use_key(game::KeyName(static_cast<int>(settings.open_door_key)));
    home.Write("test/use.txt", "3 3 " + use_key + "\n");
    std::string line = std::string("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ") + TARNWICK_GAME;
    for (const std::string& argument : gamebuild::PlayArguments(pack, plan)) line += " " + Quoted(argument);
    return RunAndCapture(line + " --frames 90 --script " + Quoted((home / "test/use.txt").string()));
  }

  TempFolder home;
  world::LevelGrid grid;
};

// The unsaved change is a next-level door right in front of the start cell:
// the use key at once leads to level 3 only when the runtime plays level 2
// with that change, from that cell, facing east.
TEST_F(PlayLevel, RunsTheEditedLevelFromTheChosenCell) {
  const platform::Bytes saved = *Workspace().Read("game2");
  for (int row = 0; row < world::kLevelSize; ++row)
    for (int column = 0; column < world::kLevelSize; ++column)
      if (world::CellCodeOf(grid.at(column, row)) == world::kKeyCode)
        grid.at(column, row) = world::kEmptyByte;
  const world::GridCell start = OpenCellWithRoomEast();
  const gamebuild::PlayStart here{start, 0};

  auto plan = std::get<gamebuild::PlayPlan>(gamebuild::PlanPlay({2, grid, here, true}));
  auto run = Run(plan);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("level 2 loaded"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("level 3 loaded"), std::string::npos) << "no door before the start yet\n" << run.out;

  grid.at(start.column + 1, start.row) = world::CellByteOf(world::kNextLevelDoorCode);
  plan = std::get<gamebuild::PlayPlan>(gamebuild::PlanPlay({2, grid, here, true}));
  run = Run(plan);
  EXPECT_EQ(run.status, 0) << run.out;
  const size_t second = run.out.find("level 2 loaded");
  ASSERT_NE(second, std::string::npos) << run.out;
  EXPECT_NE(run.out.find("level 3 loaded", second), std::string::npos) << run.out;

  EXPECT_EQ(*Workspace().Read("game2"), saved) << "the workspace keeps its level";
  EXPECT_FALSE(Workspace().Exists("game.pak"));
}

}  // namespace
