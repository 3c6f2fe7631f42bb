// Icon sheet rebuild over all 220 slots and one slot picture import, each
// beside the plain file traffic it cannot avoid (reading the same files and
// writing the same sheet), measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "assets/icon_sheet.h"
#include "assets/picture_loader.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using assets::Picture;

Picture Noise(int w, int h, uint32_t seed) {
  Picture p(w, h);
  for (auto& c : p.pixels) {
    seed = seed * 1664525u + 1013904223u;
    c = {static_cast<uint8_t>(seed >> 24), static_cast<uint8_t>(seed >> 16), static_cast<uint8_t>(seed >> 8)};
  }
  return p;
}

// A program folder with a stored picture in every slot and a sheet.
struct FullWorkspace {
  testing_support::TempFolder home;
  platform::Workspace workspace{home.path()};
  FullWorkspace() {
    uint32_t seed = 1;
    for (const auto& slot : assets::SlotTable())
      if (!workspace.Write(slot.name, assets::EncodeBmp24(Noise(64, 64, seed++)))) std::abort();
    if (!assets::EnsureIconSheet(workspace)) std::abort();
  }
};

void BM_RebuildIconSheet(benchmark::State& state) {
  FullWorkspace w;
  platform::ScriptedPrompter prompter;
  int steps = 0;
  for (auto _ : state) {
    int counter = 0;
    if (!assets::RebuildIconSheet(w.workspace, prompter, counter, [&](int) { ++steps; }))
      state.SkipWithError("rebuild failed");
    benchmark::DoNotOptimize(counter);
  }
  state.counters["progress_steps_per_rebuild"] =
      static_cast<double>(steps) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RebuildIconSheet)->Unit(benchmark::kMillisecond);

// A fresh project: 400 other workspace files and no slot picture, so every
// slot name is looked for without regard to case and not found.
void BM_RebuildIconSheetWithoutSlotFiles(benchmark::State& state) {
  testing_support::TempFolder home;
  const platform::Workspace workspace{home.path()};
  for (int i = 0; i < 400; ++i) home.Write("twksys/setting" + std::to_string(i), std::string("x"));
  if (!assets::EnsureIconSheet(workspace)) std::abort();
  platform::ScriptedPrompter prompter;
  for (auto _ : state) {
    int counter = 0;
    if (!assets::RebuildIconSheet(workspace, prompter, counter)) state.SkipWithError("rebuild failed");
  }
}
BENCHMARK(BM_RebuildIconSheetWithoutSlotFiles)->Unit(benchmark::kMillisecond);

// Reference: read the 220 slot files and the sheet, write the sheet.
void BM_RebuildReferenceFileTraffic(benchmark::State& state) {
  FullWorkspace w;
  for (auto _ : state) {
    size_t total = 0;
    for (const auto& slot : assets::SlotTable()) total += w.workspace.Read(slot.name)->size();
    const auto sheet = w.workspace.Read("ic");
    if (!w.workspace.Write("ic", *sheet)) state.SkipWithError("write failed");
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_RebuildReferenceFileTraffic)->Unit(benchmark::kMillisecond);

void BM_ImportSlotPicture(benchmark::State& state) {
  FullWorkspace w;
  const int side = static_cast<int>(state.range(0));
  const auto file = w.home / "picture.bmp";
  w.home.Write("picture.bmp", assets::EncodeBmp24(Noise(side, side, 99)));
  platform::ScriptedPrompter prompter;
  int redraws = 0;
  for (auto _ : state) {
    prompter.files.push_back(file);
    if (!assets::ImportSlotPicture(w.workspace, prompter, "sprite4", 48, [&] { ++redraws; }))
      state.SkipWithError("import failed");
  }
  benchmark::DoNotOptimize(redraws);
}
BENCHMARK(BM_ImportSlotPicture)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// Reference: read the picture file and the sheet, write the slot file and the sheet.
void BM_ImportReferenceFileTraffic(benchmark::State& state) {
  FullWorkspace w;
  const int side = static_cast<int>(state.range(0));
  w.home.Write("picture.bmp", assets::EncodeBmp24(Noise(side, side, 99)));
  const auto slot_bytes = assets::EncodeBmp24(Picture(64, 64));
  for (auto _ : state) {
    const auto picture = platform::ReadFileBytes(w.home / "picture.bmp");
    if (!w.workspace.Write("sprite4", slot_bytes)) state.SkipWithError("write failed");
    const auto sheet = w.workspace.Read("ic");
    if (!w.workspace.Write("ic", *sheet)) state.SkipWithError("write failed");
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(BM_ImportReferenceFileTraffic)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// The pieces: decoding the 550 by 550 sheet and encoding it again.
void BM_DecodeSheet(benchmark::State& state) {
  const auto bytes = assets::EncodeBmp24(Noise(550, 550, 5));
  for (auto _ : state) benchmark::DoNotOptimize(assets::DecodePicture(bytes));
}
BENCHMARK(BM_DecodeSheet)->Unit(benchmark::kMicrosecond);

void BM_EncodeSheet(benchmark::State& state) {
  const Picture sheet = Noise(550, 550, 5);
  for (auto _ : state) benchmark::DoNotOptimize(assets::EncodeBmp24(sheet));
}
BENCHMARK(BM_EncodeSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
