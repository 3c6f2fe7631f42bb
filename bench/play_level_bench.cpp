// Play Level on the starter game: from the key press (the temporary pack
// written, the runtime started) to the first frame of the level drawn, the
// runtime run headless for one tic and timed until it ends. The reference
// is the same runtime started on the compressed game.pak of Create Game,
// built beforehand. The problem check that refreshes the Problems panel is
// timed beside them.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <variant>

#include "gamebuild/game_pak.h"
#include "gamebuild/play_test.h"
#include "gamebuild/workspace_problems.h"
#include "platform/scripted_prompter.h"
#include "platform/workspace.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace {

namespace fs = std::filesystem;

const fs::path& StarterFolder() {
  static const fs::path folder = [] {
    const fs::path home = fs::temp_directory_path() / "tarnwick-play-bench";
    fs::remove_all(home);
    const std::string command = std::string(TARNWICK_WORKSPACE_TOOL) + " '" + home.string() + "' > /dev/null";
    if (std::system(command.c_str()) != 0) std::abort();
    if (!platform::WriteFileAtomic(home / "pakpassword.txt", std::string_view("BENCHPASSWORD"))) std::abort();
    return home;
  }();
  return folder;
}

platform::Workspace Starter() {
  return platform::Workspace(StarterFolder());
}

// Level 1 as the editor holds it, with a change not saved.
const world::LevelGrid& EditedLevel() {
  static const world::LevelGrid grid = [] {
    world::LevelGrid level;
    platform::ScriptedPrompter quiet;
    if (!world::LoadLevelFile(Starter(), 1, level, quiet)) std::abort();
    level.at(2, 2) = world::CellByteOf(world::kHealthPackCode);
    return level;
  }();
  return grid;
}

// The runtime on `arguments` for one tic under the dummy drivers.
bool RunFirstFrame(const std::string& arguments) {
  const std::string command = std::string("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ") + TARNWICK_GAME +
                              " " + arguments + " --frames 1 > /dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// The processor time the runtimes started so far have used, in ms.
double ChildCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Reports the runtime's processor time per start: the work itself, whatever
// else the machine is busy with.
void CountRuntimeCpu(benchmark::State& state, double before) {
  state.counters["runtime_cpu_ms"] =
      benchmark::Counter((ChildCpuMs() - before) / static_cast<double>(state.iterations()));
}

std::string Joined(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) line += " '" + argument + "'";
  return line;
}

void BM_PlayLevelToFirstFrame(benchmark::State& state) {
  const fs::path pack = StarterFolder() / "play.pak";
  const double before = ChildCpuMs();
  for (auto _ : state) {
    const auto plan = gamebuild::PlanPlay({1, EditedLevel(), std::nullopt, false});
    const auto& play = std::get<gamebuild::PlayPlan>(plan);
    if (gamebuild::WritePlayPack(Starter(), play, pack)) state.SkipWithError("the pack was not written");
    if (!RunFirstFrame(Joined(gamebuild::PlayArguments(pack, play))))
      state.SkipWithError("the runtime failed");
  }
  CountRuntimeCpu(state, before);
}
BENCHMARK(BM_PlayLevelToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_WritePlayPack(benchmark::State& state) {
  const fs::path pack = StarterFolder() / "play.pak";
  const auto plan =
      std::get<gamebuild::PlayPlan>(gamebuild::PlanPlay({1, EditedLevel(), std::nullopt, false}));
  for (auto _ : state)
    if (gamebuild::WritePlayPack(Starter(), plan, pack)) state.SkipWithError("the pack was not written");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(fs::file_size(pack)));
}
BENCHMARK(BM_WritePlayPack)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reference: the created game's compressed pack, level 1 at once.
void BM_CreatedPakToFirstFrame(benchmark::State& state) {
  platform::ScriptedPrompter quiet;
  if (!gamebuild::WriteVersionFile(Starter()) || !gamebuild::BuildGamePak(Starter(), quiet, nullptr))
    state.SkipWithError("Create Game's pack was not built");
  const std::string arguments =
      Joined({"--pak", (StarterFolder() / "twksys/game.pak").string(), "--level", "1"});
  const double before = ChildCpuMs();
  for (auto _ : state)
    if (!RunFirstFrame(arguments)) state.SkipWithError("the runtime failed");
  CountRuntimeCpu(state, before);
}
BENCHMARK(BM_CreatedPakToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_CheckWorkspace(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gamebuild::CheckWorkspace(Starter()));
}
BENCHMARK(BM_CheckWorkspace)->Unit(benchmark::kMillisecond);

}  // namespace
