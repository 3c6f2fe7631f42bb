// Block compression against zlib on the benchmark set: every file under the
// test data (pictures, icons, MIDI) plus generated textures, settings
// records and sound-like data. Each benchmark reports the total size it
// produced (`packed`, with data that does not compress counted raw, as a
// pack stores it) and its speed over the uncompressed bytes.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "gamebuild/block_decoder.h"
#include "gamebuild/block_encoder.h"
#include "gamebuild/block_format.h"
#include "platform/files.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 64 x 64 24-bit picture as the workspace stores them: gradient, bricks
// and noise behind a 54-byte header.
Bytes Texture(uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(54, 0);
  b[0] = 'B';
  b[1] = 'M';
  b[10] = 54;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool mortar = y % 16 == 0 || (x + (y / 16) * 8) % 32 == 0;
      const int shade = mortar ? 200 : 90 + (x + y) / 4 + static_cast<int>(rng() % 24);
      b.push_back(static_cast<uint8_t>(shade / 2));
      b.push_back(static_cast<uint8_t>(shade * 3 / 4));
      b.push_back(static_cast<uint8_t>(shade));
    }
  return b;
}

// A settings record: signed 32-bit little-endian values, mostly small.
Bytes Record(uint32_t seed, size_t values) {
  std::mt19937 rng(seed);
  Bytes b;
  for (size_t i = 0; i < values; ++i) {
    const int32_t v = static_cast<int32_t>(rng() % 8 == 0 ? rng() % 2000 : rng() % 10);
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k)));
  }
  return b;
}

// A sound: 16-bit PCM of a decaying tone with some noise, behind a header.
Bytes Sound(uint32_t seed, size_t samples) {
  std::mt19937 rng(seed);
  Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  b.resize(44, 0);
  for (size_t i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / 22050.0;
    const double v = 9000.0 * std::sin(2 * 3.14159265 * (220.0 + seed * 30) * t) * std::exp(-3.0 * t) +
                     static_cast<double>(rng() % 200) - 100.0;
    const auto s = static_cast<int16_t>(v);
    b.push_back(static_cast<uint8_t>(s));
    b.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
  }
  return b;
}

const std::vector<Bytes>& Set() {
  static const std::vector<Bytes> files = [] {
    std::vector<Bytes> all;
    const std::filesystem::path data = TARNWICK_TEST_DATA;
    if (!std::filesystem::is_directory(data)) {
      std::fprintf(stderr, "test data missing: %s\n", data.c_str());
      std::exit(1);
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data))
      if (entry.is_regular_file())
        if (auto bytes = platform::ReadFileBytes(entry.path()); bytes && !bytes->empty())
          all.push_back(std::move(*bytes));
    for (uint32_t i = 0; i < 40; ++i) all.push_back(Texture(i));
    for (uint32_t i = 0; i < 10; ++i) all.push_back(Record(i, 40 + i * 20));
    for (uint32_t i = 0; i < 6; ++i) all.push_back(Sound(i, 8000 + i * 4000));
    return all;
  }();
  return files;
}

size_t TotalSize() {
  size_t total = 0;
  for (const auto& f : Set()) total += f.size();
  return total;
}

void Report(benchmark::State& state, size_t packed) {
  const size_t total = TotalSize();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * total));
  state.counters["packed"] = static_cast<double>(packed);
  state.counters["ratio%"] = 100.0 * static_cast<double>(packed) / static_cast<double>(total);
}

// The set compressed with our codec; files that do not compress are raw.
std::vector<Bytes> OurBlocks(size_t window, gamebuild::ParseMode mode) {
  std::vector<Bytes> blocks;
  for (const auto& f : Set()) blocks.push_back(gamebuild::CompressBlock(f, window, mode));
  return blocks;
}

size_t PackedSize(const std::vector<Bytes>& blocks) {
  size_t packed = 0;
  for (size_t i = 0; i < blocks.size(); ++i)
    packed += blocks[i].empty() || blocks[i].size() >= Set()[i].size() ? Set()[i].size() : blocks[i].size();
  return packed;
}

void BM_Compress(benchmark::State& state, int level, gamebuild::ParseMode mode) {
  const size_t window = gamebuild::WindowOfLevel(level);
  std::vector<Bytes> blocks;
  for (auto _ : state) {
    blocks = OurBlocks(window, mode);
    benchmark::DoNotOptimize(blocks.data());
  }
  Report(state, PackedSize(blocks));
}

void BM_Decompress(benchmark::State& state, int level) {
  const std::vector<Bytes> blocks =
      OurBlocks(gamebuild::WindowOfLevel(level), gamebuild::ParseMode::kOptimal);
  std::vector<Bytes> outputs;
  for (const auto& f : Set()) outputs.emplace_back(f.size());
  for (auto _ : state) {
    for (size_t i = 0; i < blocks.size(); ++i) {
      if (blocks[i].empty()) {
        std::memcpy(outputs[i].data(), Set()[i].data(), Set()[i].size());  // stored raw
      } else if (gamebuild::BlockDecompress(blocks[i], outputs[i]) != outputs[i].size()) {
        state.SkipWithError("decoding failed");
        return;
      }
    }
    benchmark::ClobberMemory();
  }
  Report(state, PackedSize(blocks));
}

std::vector<Bytes> ZlibBlocks(int level) {
  std::vector<Bytes> blocks;
  for (const auto& f : Set()) {
    uLongf size = compressBound(f.size());
    Bytes out(size);
    compress2(out.data(), &size, f.data(), f.size(), level);
    out.resize(size);
    blocks.push_back(std::move(out));
  }
  return blocks;
}

void BM_ZlibCompress(benchmark::State& state) {
  std::vector<Bytes> blocks;
  for (auto _ : state) {
    blocks = ZlibBlocks(9);
    benchmark::DoNotOptimize(blocks.data());
  }
  Report(state, PackedSize(blocks));
}

void BM_ZlibInflate(benchmark::State& state) {
  const std::vector<Bytes> blocks = ZlibBlocks(9);
  std::vector<Bytes> outputs;
  for (const auto& f : Set()) outputs.emplace_back(f.size());
  for (auto _ : state) {
    for (size_t i = 0; i < blocks.size(); ++i) {
      uLongf size = outputs[i].size();
      if (uncompress(outputs[i].data(), &size, blocks[i].data(), blocks[i].size()) != Z_OK) {
        state.SkipWithError("inflate failed");
        return;
      }
    }
    benchmark::ClobberMemory();
  }
  Report(state, PackedSize(blocks));
}

using gamebuild::ParseMode;
BENCHMARK_CAPTURE(BM_Compress, level4_optimal, 4, ParseMode::kOptimal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compress, level4_lazy, 4, ParseMode::kLazy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compress, level4_greedy, 4, ParseMode::kGreedy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compress, level4_longest, 4, ParseMode::kLongest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Compress, level9_optimal, 9, ParseMode::kOptimal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompress)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Decompress, level4, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Decompress, level9, 9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond);

}  // namespace
