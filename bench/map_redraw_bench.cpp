// A full redraw of the map picture from the level grid, at the default and
// at the largest window and at the smallest and largest zoom, against
// copying a picture of the same size.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "world/cell_codes.h"
#include "world/map_geometry.h"
#include "world/map_picture.h"

namespace {

// A level with a thing in most cells, every kind of thing used.
world::LevelState BusyLevel() {
  world::LevelState level;
  world::MakeNewWorld(level);
  std::mt19937 random(42);
  const int codes[] = {2, 10, 25, 41, 42, 43, 50, 59, 67, 72, 73, 74, 75, 90, 94, 95, 99, 120};
  std::uniform_int_distribution<size_t> pick(0, std::size(codes) - 1);
  for (int y = 1; y < 63; ++y)
    for (int x = 1; x < 63; ++x) level.grid.at(x, y) = world::CellByteOf(codes[pick(random)]);
  return level;
}

world::MapThumbnails Thumbnails() {
  assets::Picture sheet(550, 550);
  for (int y = 0; y < 550; ++y)
    for (int x = 0; x < 550; ++x) sheet.set(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 99});
  return world::BuildMapThumbnails(sheet, 1, assets::Picture(25, 25, {1, 2, 3}));
}

// Arguments: the window's width and height and the cell size.
void BM_RedrawMap(benchmark::State& state) {
  const world::Size map_size =
      world::MapPictureSize({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
  const int cell = static_cast<int>(state.range(2));
  const world::LevelState level = BusyLevel();
  const world::MapThumbnails thumbnails = world::ScaledThumbnails(Thumbnails(), cell);
  assets::Picture map(map_size.width, map_size.height);
  world::ScrollPosition scroll{1, 1};
  for (auto _ : state) {
    world::RedrawMap(level.grid, scroll, thumbnails, map, cell);
    benchmark::DoNotOptimize(map.pixels.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(map.pixels.size()) *
                          3);
}
BENCHMARK(BM_RedrawMap)
    ->Args({800, 620, 25})
    ->Args({1800, 1620, 25})
    ->Args({1800, 1620, world::kMinCellPixels})
    ->Args({1800, 1620, world::kMaxCellPixels})
    ->Unit(benchmark::kMicrosecond);

// Reference: copying the finished map picture once, as a repaint would.
void BM_CopyPictureMemcpy(benchmark::State& state) {
  const world::Size map_size =
      world::MapPictureSize({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
  const assets::Picture source(map_size.width, map_size.height, {5, 6, 7});
  assets::Picture target(map_size.width, map_size.height);
  for (auto _ : state) {
    std::memcpy(target.pixels.data(), source.pixels.data(), source.pixels.size() * 3);
    benchmark::DoNotOptimize(target.pixels.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.pixels.size()) * 3);
}
BENCHMARK(BM_CopyPictureMemcpy)->Args({800, 620})->Args({1800, 1620})->Unit(benchmark::kMicrosecond);

// Placing one thing draws one thumbnail.
void BM_PlaceOneThing(benchmark::State& state) {
  const world::MapThumbnails thumbnails = Thumbnails();
  assets::Picture map(1600, 1620);
  int cell = 0;
  for (auto _ : state) {
    world::DrawTile(map, (cell % 64) * 25, (cell / 64 % 64) * 25, *thumbnails.Of(world::kKeyCode));
    ++cell;
    benchmark::DoNotOptimize(map.pixels.data());
  }
}
BENCHMARK(BM_PlaceOneThing);

}  // namespace
