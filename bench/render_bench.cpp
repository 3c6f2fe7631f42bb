// Rendering speed of the game's 3-D view, next to a plain fill of the same frame buffer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "runtime/game_data.h"
#include "runtime/game_play.h"
#include "runtime/game_play_view.h"
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

void Fill(benchmark::State& state) {
  game::FrameBuffer frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  uint32_t colour = 0;
  for (auto _ : state) {
    std::fill(frame.pixels.begin(), frame.pixels.end(), game::kOpaque | ++colour);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  state.SetLabel("plain fill (reference)");
}

void RenderView(benchmark::State& state, View view) {
  const game::GameData& data = Data();
  game::Play play(data, view.level, game::NewGameCarry(data.weapons), 1);
  play.player().x = game::ToFixed(view.x);
  play.player().y = game::ToFixed(view.y);
  play.player().angle = view.angle;
  game::FrameBuffer frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  game::Renderer renderer;
  for (auto _ : state) {
    game::DrawPlayFrame(play, renderer, frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}

void Dense(benchmark::State& state) {
  RenderView(state, kDense);
}
void Open(benchmark::State& state) {
  RenderView(state, kOpen);
}

void LoadGame(benchmark::State& state) {
  const std::vector<game::Entry> entries = sample::Entries();
  for (auto _ : state) {
    game::GameData data;
    benchmark::DoNotOptimize(game::LoadGameData(entries, data).status);
  }
}

}  // namespace

BENCHMARK(Fill)->Args({640, 400})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(Dense)->Args({640, 400})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(Open)->Args({640, 400})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadGame)->Unit(benchmark::kMillisecond);
