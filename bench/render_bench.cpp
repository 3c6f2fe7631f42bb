// Rendering speed of the game's 3-D view, next to a plain fill of the same frame
// buffer; the speed of the simulation and of loading a game.
#include <benchmark/benchmark.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <thread>

#include "game_data.h"
#include "game_entry_source.h"
#include "game_play.h"
#include "game_play_view.h"
#include "game_render.h"
#include "tests/runtime/sample_game.h"

namespace {

const game::GameData& Data() {
  static const std::unique_ptr<game::GameData> data = [] {
    auto d = std::make_unique<game::GameData>();
    game::LoadGameData(sample::Entries(), *d);
    return d;
  }();
  return *data;
}

struct View {
  int level;
  double x, y;
  int angle;
};
// The densest view of the sample levels (a door, side walls, a lit room beyond)
// and the most open one (down the length of a room full of pillars).
constexpr View kDense{1, 4.5, 2.5, 0};
constexpr View kOpen{2, 1.5, 1.5, game::kAngleSteps / 16};

// CPU time a thread has used, in milliseconds.
double CpuMilliseconds(clockid_t clock) {
  timespec time{};
  clock_gettime(clock, &time);
  return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

void Fill(benchmark::State& state) {
  game::FrameBuffer frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  uint32_t colour = 0;
  const double before = CpuMilliseconds(CLOCK_THREAD_CPUTIME_ID);
  for (auto _ : state) {
    std::fill(frame.pixels.begin(), frame.pixels.end(), game::kOpaque | ++colour);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  state.counters["busiest_ms"] = benchmark::Counter(CpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) - before,
                                                    benchmark::Counter::kAvgIterations);
  state.SetLabel("plain fill (reference)");
}

// The CPU time of this thread and of each of the pool's workers.
std::vector<double> ThreadCpuMilliseconds(game::WorkerPool& pool) {
  std::vector<double> times{CpuMilliseconds(CLOCK_THREAD_CPUTIME_ID)};
  for (pthread_t worker : pool.WorkerHandles()) {
    clockid_t clock;
    times.push_back(pthread_getcpuclockid(worker, &clock) == 0 ? CpuMilliseconds(clock) : 0.0);
  }
  return times;
}

// Arguments: frame width, height, and threads (0: one per core). Besides the wall time, which other
// programs on the machine stretch, the counters give the CPU time a frame takes on each thread: "busiest"
// is the thread that worked longest, what a frame takes on an otherwise idle machine; "all" the sum.
void RenderView(benchmark::State& state, const game::GameData& data, View view) {
  game::Play play(data, view.level, game::NewGameCarry(data.weapons), 1);
  play.player().x = game::ToFixed(view.x);
  play.player().y = game::ToFixed(view.y);
  play.player().angle = view.angle;
  game::FrameBuffer frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  game::Renderer renderer(static_cast<int>(state.range(2)));
  game::DrawPlayFrame(play, renderer, frame);  // threads started and buffers grown
  const std::vector<double> before = ThreadCpuMilliseconds(renderer.pool());
  for (auto _ : state) {
    game::DrawPlayFrame(play, renderer, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  const std::vector<double> after = ThreadCpuMilliseconds(renderer.pool());
  double busiest = 0, all = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    busiest = std::max(busiest, after[i] - before[i]);
    all += after[i] - before[i];
  }
  state.counters["busiest_ms"] = benchmark::Counter(busiest, benchmark::Counter::kAvgIterations);
  state.counters["all_ms"] = benchmark::Counter(all, benchmark::Counter::kAvgIterations);
  state.counters["threads"] = renderer.threads();
}

void Dense(benchmark::State& state) {
  RenderView(state, Data(), kDense);
}
void Open(benchmark::State& state) {
  RenderView(state, Data(), kOpen);
}

// The starter game as Create Game writes it: the workspace made by the
// starter generator, packed by `tarnwick-cli create` into a temporary folder.
class StarterGame {
 public:
  StarterGame() {
    folder_ = std::filesystem::temp_directory_path() / ("tarnwick-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_ / "out");
    const std::string home = "'" + folder_.string() + "'";
    if (std::system((std::string(TARNWICK_WORKSPACE_TOOL) + " " + home + " > /dev/null").c_str()) != 0)
      return;
    if (std::system(("echo starter > " + home + "/pakpassword.txt").c_str()) != 0) return;
    if (std::system(
            (std::string(TARNWICK_CLI) + " --home " + home + " create " + home + "/out/starter > /dev/null")
                .c_str()) != 0)
      return;
    std::vector<game::Entry> entries;
    ok_ = game::ReadGamePakEntries(Pack(), entries).status == game::PakReadStatus::kOk &&
          game::LoadGameData(entries, data_).status == game::LoadStatus::kOk;
  }
  ~StarterGame() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  bool ok() const { return ok_; }
  const game::GameData& data() const { return data_; }
  std::filesystem::path Pack() const { return folder_ / "out" / "game.pak"; }

 private:
  std::filesystem::path folder_;
  game::GameData data_;
  bool ok_ = false;
};

const StarterGame& Starter() {
  static const StarterGame starter;
  return starter;
}

struct FoundView {
  View view;
  double sprite_cover = 0;  // visible sprites, each weighted by its size on screen
  double mean_depth = 0;    // mean wall distance of the columns
};

// How much of the view sprites cover: each sprite in front of the walls at
// its centre column counts by its width on screen.
double SpriteCover(const game::Play& play, const game::Renderer& renderer, int width, int height) {
  const game::Player& p = play.player();
  const double x = game::ToDouble(p.x), y = game::ToDouble(p.y);
  const double angle = game::AngleToRadians(p.angle);
  const double dir_x = std::cos(angle), dir_y = std::sin(angle);
  const double projection = game::FocalLength(game::kDefaultFovDegrees, width, height);
  double cover = 0;
  for (const game::RenderSprite& s : game::BuildScene(play).sprites) {
    const double depth = (s.x - x) * dir_x + (s.y - y) * dir_y;
    if (depth < 0.2) continue;
    const double lateral = -(s.x - x) * dir_y + (s.y - y) * dir_x;
    const int column = static_cast<int>(width / 2.0 + lateral / depth * projection);
    if (column < 0 || column >= width || depth >= renderer.depth()[static_cast<size_t>(column)]) continue;
    cover += std::min(projection / depth, static_cast<double>(width));
  }
  return cover;
}

// Every other free cell of every level in eight directions, drawn once at
// 320 x 200: the view with the most sprite cover is the densest, the one
// with the farthest walls on average the most open.
std::pair<FoundView, FoundView> FindStarterViews() {
  const game::GameData& data = Starter().data();
  FoundView dense, open;
  game::FrameBuffer frame(320, 200);
  game::Renderer renderer(1);
  for (int level = 1; level <= data.LevelCount(); ++level) {
    game::Play play(data, level, game::NewGameCarry(data.weapons), 1);
    const game::LevelMap& map = data.levels[static_cast<size_t>(level - 1)];
    for (int y = 1; y < game::kMapSize; ++y)
      for (int x = 1 + y % 2; x < game::kMapSize; x += 2) {
        if (map.KindAt(x, y) != game::CellKind::kEmpty) continue;
        for (int a = 0; a < 8; ++a) {
          const View view{level, x + 0.5, y + 0.5, a * game::kAngleSteps / 8};
          play.player().x = game::ToFixed(view.x);
          play.player().y = game::ToFixed(view.y);
          play.player().angle = view.angle;
          game::DrawPlayFrame(play, renderer, frame);
          const auto& depth = renderer.depth();
          const double mean = depth.empty() ? 0
                                            : std::accumulate(depth.begin(), depth.end(), 0.0) /
                                                  static_cast<double>(depth.size());
          const double cover = SpriteCover(play, renderer, frame.width, frame.height);
          if (cover > dense.sprite_cover) dense = {view, cover, mean};
          if (mean > open.mean_depth) open = {view, cover, mean};
        }
      }
  }
  return {dense, open};
}

const std::pair<FoundView, FoundView>& StarterViews() {
  static const std::pair<FoundView, FoundView> views = FindStarterViews();
  return views;
}

void RenderStarterView(benchmark::State& state, const FoundView& found) {
  if (!Starter().ok()) {
    state.SkipWithError("the starter game could not be made");
    return;
  }
  const View& view = found.view;
  RenderView(state, Starter().data(), view);
  state.SetLabel("level " + std::to_string(view.level) + " at " + std::to_string(view.x) + "," +
                 std::to_string(view.y) + " looking " + std::to_string(view.angle * 360 / game::kAngleSteps) +
                 " degrees");
}

void StarterDense(benchmark::State& state) {
  RenderStarterView(state, Starter().ok() ? StarterViews().first : FoundView{});
}
void StarterOpen(benchmark::State& state) {
  RenderStarterView(state, Starter().ok() ? StarterViews().second : FoundView{});
}

// The input of one tic of a scripted walk: forward all the time, turning now
// and then, opening doors and shooting in bursts, so that enemies wake, chase
// and shoot back.
game::TicInput ScriptedInput(int tic) {
  game::TicInput input;
  input.held.set(sample::kUp);
  if ((tic / 40) % 3 == 1) input.held.set(sample::kRight);
  if ((tic / 40) % 5 == 3) input.held.set(sample::kLeft);
  if (tic % 20 < 6) input.held.set(sample::kCtrl);
  if (tic % 30 == 0) input.held.set(sample::kSpace), input.pressed.set(sample::kSpace);
  return input;
}

// Twenty seconds of play on level 1; the label carries the final state digest,
// which must not change when the code is only rearranged.
void SimulateLevel(benchmark::State& state, const game::GameData& data) {
  uint64_t digest = 0;
  int tics_played = 0;
  for (auto _ : state) {
    game::Play play(data, 1, game::NewGameCarry(data.weapons), 1);
    for (int tic = 0; tic < 20 * game::kTicRate && play.outcome() == game::Outcome::kPlaying; ++tic)
      play.Tick(ScriptedInput(tic));
    digest = play.Digest();
    tics_played = play.tic();
    benchmark::DoNotOptimize(digest);
  }
  std::ostringstream label;
  label << tics_played << " tics, digest " << std::hex << digest;
  state.SetLabel(label.str());
}

void Simulate(benchmark::State& state) {
  SimulateLevel(state, Data());
}
void SimulateStarter(benchmark::State& state) {
  if (!Starter().ok()) {
    state.SkipWithError("the starter game could not be made");
    return;
  }
  SimulateLevel(state, Starter().data());
}

// Reading and decoding the starter game's pack, MIDI entries included.
void LoadStarterPack(benchmark::State& state) {
  if (!Starter().ok()) {
    state.SkipWithError("the starter game could not be made");
    return;
  }
  for (auto _ : state) {
    std::vector<game::Entry> entries;
    game::GameData data;
    benchmark::DoNotOptimize(game::ReadGamePakEntries(Starter().Pack(), entries).status);
    benchmark::DoNotOptimize(game::LoadGameData(entries, data).status);
  }
}

void LoadGame(benchmark::State& state) {
  const std::vector<game::Entry> entries = sample::Entries();
  for (auto _ : state) {
    game::GameData data;
    benchmark::DoNotOptimize(game::LoadGameData(entries, data).status);
  }
}

}  // namespace

// One thread, and one per core (0), at the sizes of a 16:10 window, a full-HD and a 4K screen.
void FrameSizes(benchmark::internal::Benchmark* b) {
  for (const auto& [w, h] : {std::pair{640, 400}, {1920, 1080}, {3840, 2160}})
    for (int threads : {1, 0}) b->Args({w, h, threads});
}

BENCHMARK(Fill)->Args({640, 400})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(Dense)->Args({640, 400, 1})->Args({1920, 1080, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(Open)->Args({640, 400, 1})->Args({1920, 1080, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadGame)->Unit(benchmark::kMillisecond);
BENCHMARK(StarterDense)->Apply(FrameSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(StarterOpen)->Apply(FrameSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadStarterPack)->Unit(benchmark::kMillisecond);
BENCHMARK(Simulate)->Unit(benchmark::kMicrosecond);
BENCHMARK(SimulateStarter)->Unit(benchmark::kMicrosecond);
