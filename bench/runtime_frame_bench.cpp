// The game runtimes as a player starts them: the Linux game and the Windows
// game under Wine, both written by `tarnwick-cli create` from the starter
// workspace, play the same scripted walk headless at 640 x 400. The time of a
// tic and its frame is the time of a run of 700 tics less that of a run of
// none, over 700; the sizes of the two executables are reported beside it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTics = 700;  // 20 seconds of play

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The starter game created once, both platforms, in a temporary folder.
const fs::path& GameFolder() {
  static const fs::path folder = [] {
    const fs::path home = fs::temp_directory_path() / "tarnwick-runtime-bench";
    fs::remove_all(home);
    fs::create_directories(home / "out");
    const std::string make = std::string(TARNWICK_WORKSPACE_TOOL) + " " + Quoted(home) + " > /dev/null";
    const std::string create = std::string(TARNWICK_CLI) + " --home " + Quoted(home) + " create " +
                               Quoted(home / "out/starter") + " > /dev/null";
    const std::string_view walk = "1 200 W\n201 260 Right\n261 500 W\n300 320 Mouse left\n501 700 A\n";
    if (std::system(make.c_str()) != 0 || !platform::WriteFileAtomic(home / "pakpassword.txt", "bench") ||
        std::system(create.c_str()) != 0 || !platform::WriteFileAtomic(home / "walk.txt", walk))
      std::abort();
    return home;
  }();
  return folder;
}

double Seconds(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  if (std::system((command + " > /dev/null 2>&1").c_str()) != 0) return -1;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void RunFrames(benchmark::State& state, const std::string& start, const std::string& script,
               const fs::path& executable) {
  for (auto _ : state) {
    const double none = Seconds(start + " --level 1 --size 640x400 --frames 0");
    const double played =
        Seconds(start + " --level 1 --size 640x400 --frames " + std::to_string(kTics) + " --script " + script);
    if (none < 0 || played < 0) {
      state.SkipWithError("the game did not run");
      return;
    }
    state.SetIterationTime((played - none) / kTics);
  }
  state.counters["exe_KiB"] = static_cast<double>(platform::FileSizeByName(executable)) / 1024;
}

void BM_LinuxGameFrame(benchmark::State& state) {
  const fs::path game = GameFolder() / "out/starter";
  RunFrames(state, "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + Quoted(game),
            Quoted(GameFolder() / "walk.txt"), game);
}
BENCHMARK(BM_LinuxGameFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WindowsGameFrameUnderWine(benchmark::State& state) {
  if (std::string_view(TARNWICK_WINE).empty()) {
    state.SkipWithError("wine64 is not installed (scripts/install-deps installs it)");
    return;
  }
  const fs::path game = GameFolder() / "out/starter.exe";
  const std::string wine = "WINEPREFIX=" + Quoted(TARNWICK_WINE_PREFIX) +
                           " WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= " + TARNWICK_WINE + " ";
  Seconds(wine + "wineboot --init");  // the prefix made before the clock runs
  RunFrames(state, wine + Quoted("Z:" + game.string()), Quoted("Z:" + (GameFolder() / "walk.txt").string()),
            game);
}
BENCHMARK(BM_WindowsGameFrameUnderWine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
