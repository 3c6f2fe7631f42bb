#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "runtime/game_icon.h"

namespace {

using namespace game;
using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 32-bit icon bitmap: header, colours bottom-up, then the mask rows.
Bytes Dib(int side, uint32_t top_left_bgra) {
  Bytes d;
  Put(d, 40, 4), Put(d, side, 4), Put(d, 2 * side, 4), Put(d, 1, 2), Put(d, 32, 2);
  for (int i = 0; i < 6; ++i) Put(d, 0, 4);
  for (int y = side - 1; y >= 0; --y)
    for (int x = 0; x < side; ++x) Put(d, x == 0 && y == 0 ? top_left_bgra : 0xFF000080u, 4);
  d.insert(d.end(), static_cast<size_t>(side) * 4, 0);
  return d;
}

Bytes Trailer(const std::vector<Bytes>& images) {
  Bytes t;
  Put(t, 0, 2), Put(t, 1, 2), Put(t, images.size(), 2);
  for (size_t i = 0; i < images.size(); ++i) {
    t.insert(t.end(), {16, 16, 0, 0});
    Put(t, 1, 2), Put(t, 32, 2), Put(t, images[i].size(), 4), Put(t, i + 1, 2);
  }
  for (const Bytes& image : images) t.insert(t.end(), image.begin(), image.end());
  return t;
}

Bytes RunningExecutable() {
  return platform::ReadFileBytes("/proc/self/exe").value_or(Bytes{});
}

TEST(IconTrailer, TheRuntimeItselfHasNone) {
  const Bytes exe = RunningExecutable();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(ElfImageEnd(exe), exe.size()) << "an unchanged executable ends with its ELF image";
  EXPECT_FALSE(ReadIconTrailer(exe));
}

TEST(IconTrailer, TheLargestImageOfAnAppendedIconIsTheWindowIcon) {
  Bytes exe = RunningExecutable();
  const Bytes trailer = Trailer({Dib(16, 0xFF0000FFu), Dib(32, 0xFF00FF00u)});
  exe.insert(exe.end(), trailer.begin(), trailer.end());
  const auto icon = ReadIconTrailer(exe);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 32);
  EXPECT_EQ(icon->at(0, 0), 0xFF00FF00u);
  EXPECT_EQ(icon->at(1, 0), 0xFF000080u);
}

TEST(IconTrailer, DamagedTrailersAreIgnored) {
  const Bytes good = Trailer({Dib(16, 0xFF0000FFu)});
  std::vector<Bytes> damaged;
  damaged.push_back(Bytes(good.begin(), good.end() - 1));  // image cut short
  Bytes nine = good;
  nine[4] = 9;  // more images than an icon may have
  damaged.push_back(nine);
  Bytes huge = good;
  huge[6 + 8 + 3] = 0x7F;  // an image size past the end
  damaged.push_back(huge);
  damaged.push_back(Bytes{0, 0, 1});
  for (size_t i = 0; i < damaged.size(); ++i) {
    Bytes exe = RunningExecutable();
    exe.insert(exe.end(), damaged[i].begin(), damaged[i].end());
    EXPECT_FALSE(ReadIconTrailer(exe)) << "case " << i;
  }
  EXPECT_EQ(ElfImageEnd(Bytes(100, 0)), 0u) << "not an ELF file";
  Bytes elf = RunningExecutable();
  elf.resize(64);
  elf[0x28] = 0xFF, elf[0x2F] = 0xFF;  // section table far beyond the file
  EXPECT_EQ(ElfImageEnd(elf), 0u);
}

}  // namespace
