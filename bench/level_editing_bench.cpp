// One undo and one redo of a fill of the whole 64 x 64 grid, and one paste
// of a 64 x 64 block, against copying the grid once.
#include <benchmark/benchmark.h>

#include <cstring>

#include "world/cell_block.h"
#include "world/cell_codes.h"
#include "world/grid_shapes.h"
#include "world/level_edits.h"

namespace {

world::LevelState FilledLevel() {
  world::LevelState level;
  level.grid.cells.fill(world::kEmptyByte);
  level.history.Reset(level.grid);
  const world::LevelGrid before = level.grid;
  for (const world::GridPoint p : world::FloodFillCells(level.grid, {20, 20})) level.grid.at(p.x, p.y) = 30;
  world::CommitEdit(level, before);
  return level;
}

// Each iteration undoes the fill, then redoes it: two steps of 4,096 cells.
void BM_UndoRedoFill(benchmark::State& state) {
  world::LevelState level = FilledLevel();
  for (auto _ : state) {
    benchmark::DoNotOptimize(world::UndoEdit(level).size());
    benchmark::DoNotOptimize(world::RedoEdit(level).size());
  }
}
BENCHMARK(BM_UndoRedoFill)->Unit(benchmark::kMicrosecond);

// A paste of a 64 x 64 block as the editor makes it: the paste, then its undo step.
void BM_PasteWholeGrid(benchmark::State& state) {
  world::LevelState level = FilledLevel();
  world::LevelGrid other;
  other.cells.fill(40);
  const world::CellBlock block = world::CopyBlock(other, {0, 0, 63, 63});
  for (auto _ : state) {
    const world::LevelGrid before = level.grid;
    world::PasteBlock(level.grid, block, {0, 0});
    benchmark::DoNotOptimize(world::CommitEdit(level, before).size());
    level.grid = before;
  }
}
BENCHMARK(BM_PasteWholeGrid)->Unit(benchmark::kMicrosecond);

// Reference: copying the grid once.
void BM_CopyGrid(benchmark::State& state) {
  const world::LevelGrid source = FilledLevel().grid;
  world::LevelGrid target;
  for (auto _ : state) {
    std::memcpy(target.cells.data(), source.cells.data(), source.cells.size());
    benchmark::DoNotOptimize(target.cells.data());
  }
}
BENCHMARK(BM_CopyGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
