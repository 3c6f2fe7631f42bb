// The pack, list, compress and decompress commands of tarnwick-cli, run as a
// program.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "gamebuild/block_format.h"
#include "platform/files.h"
#include "tests/support/game_workspace.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::RunAndCapture;
using testing_support::TempFolder;
using Bytes = std::vector<uint8_t>;

std::string Cli(const TempFolder& home, const std::string& args) {
  return std::string(TARNWICK_CLI) + " --home '" + home.path().string() + "' " + args;
}

std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliPack, BuildsTheGamePakAndListsIt) {
  TempFolder home;
  testing_support::WriteGameWorkspace(home, "abcdefgh");
  home.Write("twksys/Version", "old");
  const auto packed = RunAndCapture(Cli(home, "pack"));
  EXPECT_EQ(packed.status, 0) << packed.out;
  EXPECT_EQ(packed.out, "");
  EXPECT_EQ(*platform::ReadFileBytes(home / "twksys/Version"), (Bytes{0x95, 1, 0, 0, 0x95, 1, 0, 0}));

  const auto listed = RunAndCapture(Cli(home, "list " + Quoted(home / "twksys/game.pak")));
  EXPECT_EQ(listed.status, 0) << listed.out;
  const auto lines = Lines(listed.out);
  ASSERT_EQ(lines.size(), 380u);
  EXPECT_EQ(lines[0], "   1  (password)                     32         32");
  EXPECT_EQ(lines[1], "   2  Version                         8          8");
  EXPECT_TRUE(lines[379].starts_with(" 380  game20 ")) << lines[379];
}

TEST(CliPack, ReportsMissingFiles) {
  TempFolder home;
  testing_support::WriteGameWorkspace(home);
  std::filesystem::remove(home / "twksys/tex12");
  const auto result = RunAndCapture(Cli(home, "pack"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Error: 1 Files missing!\n");
}

// A program folder as tarnwick-workspace makes it has no pakpassword.txt
// until the editor has started once.
TEST(CliPack, OnAFreshProgramFolderThePasswordIsMadeAndCreateMakesItsFolder) {
  TempFolder home;
  ASSERT_EQ(RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " " + Quoted(home.path())).status, 0);
  const std::string announced =
      "Info: A default GamePak password has been set!\r\nTo change it got to Menu <Settings>\n";
  for (const std::string& command : {std::string("pack"), "create " + Quoted(home / "games/new/mygame")}) {
    SCOPED_TRACE(command);
    std::filesystem::remove(home / "pakpassword.txt");
    const auto result = RunAndCapture(Cli(home, command));
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_TRUE(result.out.starts_with(announced)) << result.out;
    const auto password = platform::ReadFileBytes(home / "pakpassword.txt");
    ASSERT_TRUE(password);
    EXPECT_EQ(password->size(), 16u);
  }
  EXPECT_TRUE(std::filesystem::exists(home / "games/new/mygame.exe"));
  EXPECT_TRUE(std::filesystem::exists(home / "games/new/game.pak"));
}

TEST(CliList, ReportsADamagedPack) {
  TempFolder home;
  home.Write("bad.pak", Bytes{3, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c', 9, 0, 0, 0, 9, 0, 0, 0, 'x'});
  const auto result = RunAndCapture(Cli(home, "list " + Quoted(home / "bad.pak")));
  EXPECT_EQ(result.status, 1);
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 2u) << result.out;
  EXPECT_EQ(lines[0], "   1  (password)                      3          3");
  EXPECT_EQ(lines[1], "Error: " + (home / "bad.pak").string() + ": entry 2: pack cut short");
  EXPECT_EQ(RunAndCapture(Cli(home, "list " + Quoted(home / "none.pak"))).status, 1);
}

TEST(CliCompress, RoundTripsAFileAndRefusesWhatDoesNotCompress) {
  TempFolder home;
  std::string text;
  for (int i = 0; i < 300; ++i) text += "level " + std::to_string(i % 20) + " door\n";
  home.Write("in", text);
  for (const char* level : {"", "--level 0 ", "--level 4 "}) {
    SCOPED_TRACE(level);
    const auto packed = RunAndCapture(
        Cli(home, std::string("compress ") + level + Quoted(home / "in") + " " + Quoted(home / "in.jc")));
    ASSERT_EQ(packed.status, 0) << packed.out;
    EXPECT_LT(platform::FileSizeByName(home / "in.jc"), static_cast<int64_t>(text.size()) / 4);
    const auto unpacked =
        RunAndCapture(Cli(home, "decompress " + Quoted(home / "in.jc") + " " + Quoted(home / "out")));
    ASSERT_EQ(unpacked.status, 0) << unpacked.out;
    EXPECT_EQ(*platform::ReadFileBytes(home / "out"), Bytes(text.begin(), text.end()));
  }

  Bytes noise(5000);
  std::mt19937 rng(3);
  for (auto& b : noise) b = static_cast<uint8_t>(rng());
  home.Write("noise", noise);
  const auto refused =
      RunAndCapture(Cli(home, "compress " + Quoted(home / "noise") + " " + Quoted(home / "n.jc")));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "Error: " + (home / "noise").string() + " does not compress\n");
  EXPECT_FALSE(std::filesystem::exists(home / "n.jc"));
}

TEST(CliCompress, DecompressRefusesDamagedBlocks) {
  TempFolder home;
  home.Write("in", std::string(4000, 'q') + "tail");
  ASSERT_EQ(RunAndCapture(Cli(home, "compress " + Quoted(home / "in") + " " + Quoted(home / "in.jc"))).status,
            0);
  auto block = *platform::ReadFileBytes(home / "in.jc");
  const auto decompress = [&](const Bytes& bytes) {
    home.Write("bad.jc", bytes);
    return RunAndCapture(Cli(home, "decompress " + Quoted(home / "bad.jc") + " " + Quoted(home / "out")));
  };
  Bytes checksum = block;
  checksum[gamebuild::kBlockChecksumOffset] ^= 1;
  auto result = decompress(checksum);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("checksum mismatch"), std::string::npos) << result.out;
  Bytes cut(block.begin(), block.end() - 4);
  EXPECT_NE(decompress(cut).out.find("corrupt block"), std::string::npos);
  EXPECT_NE(decompress(Bytes{'n', 'o'}).out.find("not a compressed block"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(home / "out"));
}

TEST(CliCompress, UsageErrorsExitTwo) {
  TempFolder home;
  EXPECT_EQ(RunAndCapture(Cli(home, "compress onlyone")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(home, "compress --level -1 a b")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(home, "decompress a")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(home, "list")).status, 2);
  EXPECT_EQ(RunAndCapture(Cli(home, "pack extra")).status, 2);
}

}  // namespace
