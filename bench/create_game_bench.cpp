// Create Game (the Linux and the Windows game with an icon) and Import
// game.pak on the starter game, next to a plain copy of the same workspace
// files as the reference.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gamebuild/create_game.h"
#include "gamebuild/embedded/runtime_block.h"
#include "gamebuild/import_game_pak.h"
#include "platform/scripted_prompter.h"
#include "platform/workspace.h"

namespace {

namespace fs = std::filesystem;

// The starter game laid out once in a temporary program folder.
const fs::path& StarterFolder() {
  static const fs::path folder = [] {
    const fs::path home = fs::temp_directory_path() / "tarnwick-create-bench";
    fs::remove_all(home);
    const std::string command = std::string(TARNWICK_WORKSPACE_TOOL) + " '" + home.string() + "' > /dev/null";
    if (std::system(command.c_str()) != 0) std::abort();
    if (!platform::WriteFileAtomic(home / "pakpassword.txt", std::string_view("BENCHPASSWORD"))) std::abort();
    fs::create_directories(home / "out");
    return home;
  }();
  return folder;
}

void BM_CreateGame(benchmark::State& state) {
  const platform::Workspace workspace(StarterFolder());
  using Clock = std::chrono::steady_clock;
  int moves = 0;
  double longest_still = 0;  // the longest time the bar stood still, in ms
  for (auto _ : state) {
    auto last_move = Clock::now();
    const auto moved = [&](int) {
      const auto now = Clock::now();
      longest_still =
          std::max(longest_still, std::chrono::duration<double, std::milli>(now - last_move).count());
      last_move = now;
      ++moves;
    };
    platform::ScriptedPrompter prompter;
    prompter.files.push_back(StarterFolder() / "out/game");
    prompter.answers.push_back(true);  // overwrite the game of the last round
    const gamebuild::CreateGameContext context{workspace,
                                               prompter,
                                               gamebuild::EmbeddedRuntimes(),
                                               fs::path(TARNWICK_TEST_DATA) / "ico/hopper.ico",
                                               false,
                                               nullptr,
                                               moved};
    if (!gamebuild::CreateGame(context)) state.SkipWithError("Create Game failed");
  }
  state.counters["bar_moves"] = benchmark::Counter(moves, benchmark::Counter::kAvgIterations);
  state.counters["bar_still_ms"] = longest_still;
}
// The pack is compressed on worker threads: wall time is what the author waits.
BENCHMARK(BM_CreateGame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportGamePak(benchmark::State& state) {
  const fs::path pak = StarterFolder() / "out/game.pak";
  if (!fs::exists(pak)) {
    state.SkipWithError("run BM_CreateGame first");
    return;
  }
  const fs::path target = fs::temp_directory_path() / "tarnwick-import-bench";
  fs::remove_all(target);
  fs::create_directories(target / "twksys");
  fs::copy_file(StarterFolder() / "pakpassword.txt", target / "pakpassword.txt");
  const platform::Workspace workspace(target);
  int moves = 0;
  for (auto _ : state) {
    platform::ScriptedPrompter prompter;
    prompter.answers.push_back(true);
    prompter.files.push_back(pak);
    const gamebuild::ImportContext context{workspace, prompter, nullptr, [&](int) { ++moves; }};
    if (gamebuild::ImportGamePakCommand(context, nullptr) != gamebuild::ImportResult::kImported)
      state.SkipWithError("import failed");
  }
  state.counters["bar_moves"] = benchmark::Counter(moves, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ImportGamePak)->Unit(benchmark::kMillisecond);

// Reference: every workspace file read and written once, nothing else.
void BM_CopyWorkspaceFiles(benchmark::State& state) {
  const platform::Workspace workspace(StarterFolder());
  const fs::path target = fs::temp_directory_path() / "tarnwick-copy-bench";
  fs::create_directories(target);
  for (auto _ : state) {
    for (const auto& entry : fs::directory_iterator(workspace.Folder()))
      if (entry.is_regular_file() && entry.path().filename() != "game.pak")
        if (!platform::CopyFileReplacing(entry.path(), target / entry.path().filename()))
          state.SkipWithError("copy failed");
  }
}
BENCHMARK(BM_CopyWorkspaceFiles)->Unit(benchmark::kMillisecond);

}  // namespace
