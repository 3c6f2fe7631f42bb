// The Windows game under Wine beside the Linux game, both written by
// `tarnwick-cli create` from the starter workspace with an icon: the same
// frames and state for the same input, the same messages for unusable packs,
// and the author's icon as resources that the icon tools of the desktop read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gamebuild/game_icon.h"
#include "gamebuild/pe_image.h"
#include "gamebuild/windows_game_icon.h"
#include "platform/files.h"
#include "tests/runtime/icon_fixture.h"
#include "tests/support/pack_edit.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::PackWithEntry;
using testing_support::RunAndCapture;
using testing_support::TempFolder;

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// How Wine's programs see a path of this system: on drive Z:.
std::string Windows(const fs::path& path) {
  return Quoted("Z:" + path.string());
}

// Built without wine64 or icoutils, the tests that need them skip and say so.
bool Have(const char* program) {
  return program[0] != '\0';
}
constexpr const char* kNoWine = "wine64 is not installed (scripts/install-deps installs it)";
constexpr const char* kNoWrestool = "wrestool is not installed (icoutils; scripts/install-deps installs it)";

icon_fixture::Bytes ChosenIcon() {
  using icon_fixture::Dib;
  return icon_fixture::IcoFile(
      {{16, 4, Dib(16, 4)}, {32, 8, Dib(32, 8)}, {32, 32, Dib(32, 32)}, {48, 32, Dib(48, 32)}});
}

// A run's exit status, its standard output and its error output apart.
struct GameRun {
  int status = -1;
  std::string out, err;
};

class WindowsGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new TempFolder;
    const auto made = RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " " + Quoted(home_->path()));
    ASSERT_EQ(made.status, 0) << made.out;
    home_->Write("pakpassword.txt", std::string("starter"));
    home_->Write("game.ico", ChosenIcon());
    fs::create_directories(home_->path() / "out");
    const auto created = RunAndCapture(std::string(TARNWICK_CLI) + " --home " + Quoted(home_->path()) +
                                       " create " + Quoted(home_->path() / "out" / "starter") + " --icon " +
                                       Quoted(home_->path() / "game.ico"));
    ASSERT_EQ(created.status, 0) << created.out;
  }
  static void TearDownTestSuite() {
    delete home_;
    home_ = nullptr;
  }

  static fs::path Folder() { return home_->path() / "out"; }

  // Runs a game with `options`; the Windows game under Wine.
  static GameRun Start(const fs::path& game, bool windows, const std::string& options) {
    const fs::path out = home_->path() / "run.out", err = home_->path() / "run.err";
    const std::string command = windows ? std::string(TARNWICK_WINE) + " " + Windows(game)
                                        : "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + Quoted(game);
    GameRun run;
    run.status = RunAndCapture(command + " " + options + " >" + Quoted(out) + " 2>" + Quoted(err)).status;
    run.out = Text(out);
    run.err = Text(err);
    return run;
  }

  static std::string Text(const fs::path& file) {
    const auto bytes = platform::ReadFileBytes(file);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string{};
  }

  static TempFolder* home_;
};

TempFolder* WindowsGame::home_ = nullptr;

std::string LineStartingWith(const std::string& text, const std::string& start) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with(start)) return line;
  }
  return "(no line starting with " + start + ")";
}

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

TEST_F(WindowsGame, PlaysTheStarterGameLikeTheLinuxGame) {
  if (!Have(TARNWICK_WINE)) GTEST_SKIP() << kNoWine;
  home_->Write("walk.txt", std::string("# forward, turn, open doors, shoot, strafe, then the map\n"
                                       "1 80 W\n"
                                       "81 110 Right\n"
                                       "111 111 Space\n"
                                       "120 170 W\n"
                                       "150 160 Mouse left\n"
                                       "171 190 A\n"
                                       "mouse 180 40 -3\n"
                                       "195 200 M\n"));
  const fs::path walk = home_->path() / "walk.txt";
  const GameRun linux_run = Start(Folder() / "starter", false,
                                  "--level 1 --frames 200 --script " + Quoted(walk) + " --screenshot " +
                                      Quoted(home_->path() / "linux.bmp"));
  const GameRun windows_run = Start(Folder() / "starter.exe", true,
                                    "--level 1 --frames 200 --script " + Windows(walk) + " --screenshot " +
                                        Windows(home_->path() / "windows.bmp"));
  ASSERT_EQ(linux_run.status, 0) << linux_run.out << linux_run.err;
  ASSERT_EQ(windows_run.status, 0) << windows_run.out << windows_run.err;
  const std::string digest = LineStartingWith(linux_run.out, "state digest ");
  EXPECT_NE(digest, "state digest none");
  EXPECT_EQ(LineStartingWith(windows_run.out, "state digest "), digest);
  EXPECT_EQ(LineStartingWith(windows_run.out, "level 1 loaded"), "level 1 loaded");
  EXPECT_EQ(LineStartingWith(windows_run.out, "50 sounds loaded"), "50 sounds loaded")
      << "every wave decodes";
  const auto linux_frame = platform::ReadFileBytes(home_->path() / "linux.bmp");
  const auto windows_frame = platform::ReadFileBytes(home_->path() / "windows.bmp");
  ASSERT_TRUE(linux_frame && windows_frame);
  EXPECT_TRUE(*linux_frame == *windows_frame) << "the last frames differ";
}

TEST_F(WindowsGame, UnusablePacksGiveTheLinuxGamesMessagesAndStatuses) {
  if (!Have(TARNWICK_WINE)) GTEST_SKIP() << kNoWine;
  const platform::Bytes pack = platform::ReadFileBytes(Folder() / "game.pak").value();
  TempFolder scratch;
  const struct {
    const char* what;
    std::optional<platform::Bytes> pack;
  } cases[] = {
      {"no pack", std::nullopt},
      {"version 404",
       PackWithEntry(Folder() / "game.pak", 1, {0x94, 0x01, 0, 0, 0x95, 0x01, 0, 0}, scratch / "a")},
      {"cut in its last entry", platform::Bytes(pack.begin(), pack.end() - 5)},
      {"a damaged picture", PackWithEntry(Folder() / "game.pak", 120, {'B', 'M', 1, 2, 3}, scratch / "b")},
  };
  for (const auto& c : cases) {
    TempFolder place;
    for (const char* game : {"starter", "starter.exe"}) fs::copy_file(Folder() / game, place / game);
    if (c.pack) place.Write("game.pak", *c.pack);
    const GameRun linux_run = Start(place / "starter", false, "--frames 1");
    const GameRun windows_run = Start(place / "starter.exe", true, "--frames 1");
    EXPECT_NE(linux_run.status, 0) << c.what;
    EXPECT_EQ(windows_run.status, linux_run.status) << c.what;
    EXPECT_EQ(FirstLine(windows_run.err), FirstLine(linux_run.err)) << c.what << "\n" << windows_run.err;
  }
}

TEST_F(WindowsGame, CarriesTheChosenIconAsResources) {
  if (!Have(TARNWICK_WRESTOOL)) GTEST_SKIP() << kNoWrestool;
  const auto chosen = gamebuild::ParseIconFile(ChosenIcon());
  ASSERT_TRUE(chosen);
  const fs::path extracted = home_->path() / "extracted.ico";
  const CommandResult wrestool = RunAndCapture(std::string(TARNWICK_WRESTOOL) + " -x -t14 -n1 -o " +
                                               Quoted(extracted) + " " + Quoted(Folder() / "starter.exe"));
  ASSERT_EQ(wrestool.status, 0) << wrestool.out;
  const auto extracted_bytes = platform::ReadFileBytes(extracted);
  ASSERT_TRUE(extracted_bytes);
  EXPECT_EQ(gamebuild::ParseIconFile(*extracted_bytes), chosen);

  const auto game = platform::ReadFileBytes(Folder() / "starter.exe").value();
  EXPECT_EQ(gamebuild::ReadIconResources(game), chosen);
  const auto image = gamebuild::ReadPeImage(game);
  ASSERT_TRUE(image);
  EXPECT_EQ(platform::ByteView(game).U32Or0(image->checksum_offset),
            gamebuild::PeChecksum(game, image->checksum_offset));
  // The icon tool lists the group and its images, and the manifest stayed.
  const CommandResult listed =
      RunAndCapture(std::string(TARNWICK_WRESTOOL) + " -l " + Quoted(Folder() / "starter.exe"));
  EXPECT_NE(listed.out.find("--type=14 --name=1"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("--type=3 --name=4"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("--type=24 --name=1"), std::string::npos) << listed.out;
  EXPECT_EQ(listed.out.find("--type=10"), std::string::npos) << listed.out;
}

// The checksum GNU ld writes into the runtime is the one ours computes.
TEST(WindowsRuntime, ChecksumAsTheLinkerWroteIt) {
  const auto runtime = platform::ReadFileBytes(TARNWICK_WINDOWS_GAME).value();
  const auto image = gamebuild::ReadPeImage(runtime);
  ASSERT_TRUE(image);
  const uint32_t stored = platform::ByteView(runtime).U32Or0(image->checksum_offset);
  EXPECT_NE(stored, 0u);
  EXPECT_EQ(stored, gamebuild::PeChecksum(runtime, image->checksum_offset));
}

}  // namespace

// A headless run plays with the default options and keeps nothing: the
// folder APPDATA names stays empty. Wine sets APPDATA itself, so the game is
// started from Wine's command interpreter after it names the folder.
TEST_F(WindowsGame, HeadlessRunKeepsNothingWhereAppDataPoints) {
  if (!Have(TARNWICK_WINE)) GTEST_SKIP() << kNoWine;
  TempFolder scratch;
  const fs::path roaming = scratch / "roaming";
  fs::create_directories(roaming);
  auto backslashed = [](const fs::path& path) {
    std::string text = "Z:" + path.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
  };
  auto with_appdata = [&](const std::string& command) {
    return std::string(TARNWICK_WINE) + " cmd /c " +
           Quoted("set APPDATA=" + backslashed(roaming) + "&& " + command);
  };
  const CommandResult shown = RunAndCapture(with_appdata("set APPDATA"));
  ASSERT_NE(shown.out.find("APPDATA=" + backslashed(roaming)), std::string::npos) << shown.out;

  const fs::path out = scratch / "run.out";
  const CommandResult run = RunAndCapture(
      with_appdata(backslashed(Folder() / "starter.exe") + " --level 1 --frames 100") + " >" + Quoted(out));
  const std::string printed = Text(out);
  ASSERT_EQ(run.status, 0) << printed << run.out;
  EXPECT_NE(LineStartingWith(printed, "state digest "), "state digest none") << printed;
  EXPECT_TRUE(fs::is_empty(roaming)) << fs::directory_iterator(roaming)->path();
}
