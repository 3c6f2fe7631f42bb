// The starter game (the default program folder that tarnwick-workspace lays
// out), made once per test process and read as the runtime reads a
// workspace: its entries in pack order and the decoded game.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game_data.h"
#include "game_entry_source.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"

namespace starter_game {

struct Starter {
  testing_support::TempFolder folder;
  std::vector<game::Entry> entries;
  game::GameData data;
};

// Fails the calling test (and returns null) when the folder cannot be made.
inline const Starter* Get() {
  static std::unique_ptr<Starter> made = [] {
    auto starter = std::make_unique<Starter>();
    const auto run = testing_support::RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" +
                                                    starter->folder.path().string() + "'");
    std::string error;
    if (run.status != 0 || !game::ReadWorkspaceEntries(starter->folder.path(), starter->entries, error) ||
        game::LoadGameData(starter->entries, starter->data).status != game::LoadStatus::kOk)
      starter.reset();
    return starter;
  }();
  EXPECT_TRUE(made) << "the starter program folder cannot be made";
  return made.get();
}

}  // namespace starter_game
