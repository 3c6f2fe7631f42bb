#include "gamebuild/game_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "gamebuild/pe_format.h"
#include "gamebuild/pe_image.h"
#include "gamebuild/windows_game_icon.h"
#include "platform/scripted_prompter.h"
#include "tests/support/pe_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

namespace {

using gamebuild::GamePlatform;
using gamebuild::IconImage;
using testing_support::TempFolder;

void Put(platform::Bytes& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An icon file of `count` images of `image_size` bytes each; the whole file
// is padded with zeros to `total_size` when that is larger.
platform::Bytes IconFile(int count, size_t image_size, size_t total_size = 0) {
  platform::Bytes file;
  Put(file, 0, 2);
  Put(file, 1, 2);
  Put(file, static_cast<uint32_t>(count), 2);
  const size_t data_start = 6 + 16 * static_cast<size_t>(count);
  for (int i = 0; i < count; ++i) {
    file.insert(file.end(), {static_cast<uint8_t>(16 * (i + 1)), static_cast<uint8_t>(16 * (i + 1)), 0, 0});
    Put(file, 1, 2);
    Put(file, 32, 2);
    Put(file, static_cast<uint32_t>(image_size), 4);
    Put(file, static_cast<uint32_t>(data_start + image_size * static_cast<size_t>(i)), 4);
  }
  for (int i = 0; i < count; ++i)
    for (size_t b = 0; b < image_size; ++b) file.push_back(static_cast<uint8_t>(i * 31 + b));
  if (file.size() < total_size) file.resize(total_size, 0);
  return file;
}

TEST(IconFile, AcceptedAndRefused) {
  platform::Bytes past_the_end = IconFile(2, 40);
  past_the_end[6 + 16 + 12] = 0xF0;  // second image's offset far past the file
  platform::Bytes huge_size = IconFile(1, 40);
  huge_size[6 + 8 + 3] = 0xFF;  // bytes in resource near 4 GiB
  platform::Bytes negative = IconFile(1, 40);
  negative[5] = 0x80;  // count 32768 and more reads negative
  platform::Bytes cut_short = IconFile(3, 10);
  cut_short.resize(20);

  struct Case {
    const char* name;
    platform::Bytes file;
    bool accepted;
  };
  const Case cases[] = {
      {"one image", IconFile(1, 40), true},
      {"eight images", IconFile(8, 100), true},
      {"nine images", IconFile(9, 100), false},
      {"exactly 20,000 bytes", IconFile(2, 100, 20000), true},
      {"20,001 bytes", IconFile(2, 100, 20001), false},
      {"negative count", negative, false},
      {"entry pointing past the file", past_the_end, false},
      {"entry size past the file", huge_size, false},
      {"directory cut short", cut_short, false},
      {"header cut short", platform::Bytes{0, 0, 1}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(gamebuild::ParseIconFile(c.file).has_value(), c.accepted) << c.name;
}

TEST(IconTrailer, RoundTripsTheImages) {
  const auto images = *gamebuild::ParseIconFile(IconFile(8, 77));
  platform::Bytes exe(5000, 0x90);
  const auto trailer = gamebuild::EncodeIconTrailer(images);
  EXPECT_EQ(trailer.size(), 6 + 14 * 8 + 8 * 77 + 16u);
  exe.insert(exe.end(), trailer.begin(), trailer.end());

  const auto read = gamebuild::ReadIconTrailer(exe);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, images);
  EXPECT_EQ(gamebuild::SizeWithoutIconTrailer(exe), 5000u);
  EXPECT_FALSE(gamebuild::ReadIconTrailer(platform::Bytes(5000, 0x90)));
}

TEST(IconTrailer, GroupRecordLayout) {
  const auto images = *gamebuild::ParseIconFile(IconFile(2, 10));
  const auto trailer = gamebuild::EncodeIconTrailer(images);
  const platform::Bytes expected_start = {0, 0, 1, 0, 2, 0,
                                          // image 1: 16 x 16, planes 1, 32 bits, 10 bytes, name 1
                                          16, 16, 0, 0, 1, 0, 32, 0, 10, 0, 0, 0, 1, 0,
                                          // image 2: 32 x 32, name 2
                                          32, 32, 0, 0, 1, 0, 32, 0, 10, 0, 0, 0, 2, 0};
  EXPECT_TRUE(std::equal(expected_start.begin(), expected_start.end(), trailer.begin()));
}

TEST(IconTrailer, CorruptFootersAreNotTrailers) {
  platform::Bytes exe(100, 1);
  const auto trailer = gamebuild::EncodeIconTrailer(*gamebuild::ParseIconFile(IconFile(1, 10)));
  exe.insert(exe.end(), trailer.begin(), trailer.end());
  for (size_t byte : {exe.size() - 1, exe.size() - 5, exe.size() - 4}) {
    platform::Bytes corrupt = exe;
    corrupt[byte] = 0xFF;
    EXPECT_FALSE(gamebuild::ReadIconTrailer(corrupt)) << byte;
  }
  EXPECT_FALSE(gamebuild::ReadIconTrailer(platform::Bytes{'T', 'W', 'K'}));
}

// A runtime of each platform: plain bytes for Linux; for Windows an
// executable with its own icon, a manifest and the room for the author's icon.
platform::Bytes Runtime(GamePlatform target) {
  if (target == GamePlatform::kLinux) return platform::Bytes(3000, 0x7F);
  const platform::Bytes own_icon = IconFile(1, 40);
  const std::vector<gamebuild::PeResource> resources = {
      {pe::kIconType, 1, 1033, platform::Bytes(own_icon.begin() + 22, own_icon.end())},
      {pe::kIconGroupType, 1, 1033, gamebuild::EncodeIconGroup(*gamebuild::ParseIconFile(own_icon))},
      {pe::kManifestType, 1, 1033, platform::Bytes(300, 'm')},
      {pe::kRcDataType, gamebuild::kIconRoomName, 1033, platform::Bytes(21000, 0)}};
  return pe_fixture::Executable(resources, 0);
}

// The icon images the written game carries.
std::optional<std::vector<IconImage>> GameIcon(GamePlatform target, const platform::Bytes& game) {
  return target == GamePlatform::kLinux ? gamebuild::ReadIconTrailer(game) : gamebuild::ReadIconResources(game);
}

class ReplaceGameIconTest : public ::testing::TestWithParam<GamePlatform> {
 protected:
  TempFolder home;
  platform::ScriptedPrompter prompter;
  const platform::Bytes runtime = Runtime(GetParam());

  std::filesystem::path WriteGame() {
    home.Write("game.exe", runtime);
    return home / "game.exe";
  }
};

INSTANTIATE_TEST_SUITE_P(Platforms, ReplaceGameIconTest,
                         ::testing::Values(GamePlatform::kLinux, GamePlatform::kWindows));

TEST_P(ReplaceGameIconTest, NoIconLeavesTheRuntimeBlock) {
  const auto exe = WriteGame();
  EXPECT_TRUE(gamebuild::ReplaceGameIcon(exe, "", GetParam(), prompter));
  EXPECT_TRUE(gamebuild::ReplaceGameIcon(exe, home / "missing.ico", GetParam(), prompter));
  EXPECT_EQ(*platform::ReadFileBytes(exe), runtime);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_P(ReplaceGameIconTest, ACompatibleIconReplacesTheOneBefore) {
  const auto exe = WriteGame();
  home.Write("first.ico", IconFile(3, 30));
  home.Write("icon.ico", IconFile(8, 50));
  ASSERT_TRUE(gamebuild::ReplaceGameIcon(exe, home / "first.ico", GetParam(), prompter));
  ASSERT_TRUE(gamebuild::ReplaceGameIcon(exe, home / "icon.ico", GetParam(), prompter));
  const auto written = *platform::ReadFileBytes(exe);
  EXPECT_EQ(GameIcon(GetParam(), written), gamebuild::ParseIconFile(IconFile(8, 50)));
  EXPECT_TRUE(prompter.shown.empty());
  if (GetParam() == GamePlatform::kLinux) {
    EXPECT_EQ(gamebuild::SizeWithoutIconTrailer(written), runtime.size());
  } else {
    EXPECT_EQ(written.size(), runtime.size());
    const auto resources = *gamebuild::ReadPeResources(written);
    EXPECT_EQ(std::ranges::count(resources, pe::kManifestType, &gamebuild::PeResource::type), 1);
    EXPECT_EQ(std::ranges::count(resources, pe::kRcDataType, &gamebuild::PeResource::type), 0);
  }
}

TEST_P(ReplaceGameIconTest, TheLargestIconFits) {
  const auto exe = WriteGame();
  const size_t image_size = (gamebuild::kMaxIconFileSize - 6 - 16 * 8) / 8;
  home.Write("icon.ico", IconFile(8, image_size, gamebuild::kMaxIconFileSize));
  ASSERT_TRUE(gamebuild::ReplaceGameIcon(exe, home / "icon.ico", GetParam(), prompter));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(GameIcon(GetParam(), *platform::ReadFileBytes(exe))->size(), 8u);
}

TEST_P(ReplaceGameIconTest, IncompatibleIconsAreReportedAndLeaveTheRuntimesIcon) {
  platform::Bytes negative = IconFile(1, 40);
  negative[5] = 0x80;
  for (const auto& icon : {IconFile(9, 10), IconFile(1, 10, 20001), negative}) {
    const auto exe = WriteGame();
    platform::ScriptedPrompter prompter;
    home.Write("icon.ico", icon);
    EXPECT_TRUE(gamebuild::ReplaceGameIcon(exe, home / "icon.ico", GetParam(), prompter));
    EXPECT_EQ(*platform::ReadFileBytes(exe), runtime);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], (platform::Message{"incompatible icon", "Error"}));
  }
}

TEST(ReplaceGameIcon, AWindowsGameWithoutRoomKeepsItsIcon) {
  TempFolder home;
  platform::ScriptedPrompter prompter;
  const platform::Bytes small = pe_fixture::Executable({{pe::kManifestType, 1, 1033, platform::Bytes(300, 'm')}}, 0);
  for (const platform::Bytes& runtime : {small, platform::Bytes(3000, 0x7F)}) {
    home.Write("game.exe", runtime);
    home.Write("icon.ico", IconFile(4, 1000));
    EXPECT_TRUE(gamebuild::ReplaceGameIcon(home / "game.exe", home / "icon.ico", GamePlatform::kWindows, prompter));
    EXPECT_EQ(*platform::ReadFileBytes(home / "game.exe"), runtime);
  }
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>(2, {"incompatible icon", "Error"})));
}

TEST(IconFile, RealIconFiles) {
  const std::filesystem::path folder = testing_support::TestData("ico");
  struct Case {
    const char* file;
    bool accepted;
  };
  // Files over 20,000 bytes are refused by size. The bomb's directory is
  // sound (its picture header promises 65535 x 65535 pixels, which is for the
  // decoder of the game's window icon to refuse), so it is carried as it is.
  const Case cases[] = {{"hopper.ico", true},          {"python.ico", true},
                        {"black_and_white.ico", true}, {"hopper_256x256.ico", false},
                        {"pillow.ico", false},         {"decompression_bomb.ico", true}};
  for (const Case& c : cases) {
    const auto bytes = platform::ReadFileBytes(folder / c.file);
    ASSERT_TRUE(bytes) << c.file;
    EXPECT_EQ(gamebuild::ParseIconFile(*bytes).has_value(), c.accepted) << c.file;
  }
}

}  // namespace
