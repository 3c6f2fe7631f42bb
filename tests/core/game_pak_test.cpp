// game.pak: the entry order, the password block, and packs built from a
// complete workspace made in the test.
#include "gamebuild/game_pak.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/parallel_file_entries.h"
#include "gamebuild/password_block.h"
#include "platform/scripted_prompter.h"
#include "tests/support/game_workspace.h"
#include "tests/support/temp_folder.h"

namespace {

using gamebuild::GamePakEntryNames;
using testing_support::TempFolder;
using Bytes = std::vector<uint8_t>;

TEST(GamePakLayout, NamesEveryPosition) {
  const auto& names = GamePakEntryNames();
  ASSERT_EQ(names.size(), 380u);
  const std::pair<int, const char*> positions[] = {
      {1, ""},
      {2, "Version"},
      {3, "Treasuresettings"},
      {6, "midilvl1"},
      {25, "midilvl20"},
      {30, "settings"},
      {35, "impact1sound"},
      {46, "weapon6sound"},
      {53, "reloadsound"},
      {58, "enemy5shootsound"},
      {67, "enemy5diesound"},
      {72, "enemy5heysound"},
      {82, "spr10destroysound"},
      {83, "treasurefoundsound"},
      {86, "bullet1"},
      {87, "bulletexplode1"},
      {97, "bulletexplode6"},
      {100, "specialdoor"},
      {101, "floortex1"},
      {160, "doortex20"},
      {167, "mask"},
      {177, "sprite10"},
      {178, "sprite1b"},
      {217, "sprite10e"},
      {224, "finished"},
      {231, "treasure1sprite"},
      {236, "weapon1bitmap1"},
      {265, "weapon6bitmap5"},
      {266, "tex1"},
      {305, "tex40"},
      {306, "walk_ene1_1"},
      {310, "shoot_ene1_1"},
      {316, "die_ene1_5"},
      {317, "walk_ene2_1"},
      {360, "die_ene5_5"},
      {361, "game1"},
      {380, "game20"},
  };
  for (const auto& [position, name] : positions) EXPECT_EQ(names[position - 1], name) << position;
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 380u);
}

TEST(PasswordBlock, RoundTripsEveryLengthAndByte) {
  std::mt19937 rng(5);
  for (size_t n = 1; n <= gamebuild::kMaxPasswordBytes; ++n) {
    Bytes password(n);
    for (auto& b : password) b = static_cast<uint8_t>(rng());
    password[0] = 0xFF;
    password[n - 1] = 0x80;
    const auto values = gamebuild::EncodePasswordBlock(password);
    const Bytes entry = gamebuild::PasswordBlockBytes(values);
    ASSERT_EQ(entry.size(), 4 * n);
    const auto codes = gamebuild::DecodePasswordBlock(gamebuild::PasswordBlockValues(entry));
    ASSERT_EQ(codes.size(), n);
    for (size_t i = 0; i < n; ++i) EXPECT_EQ(codes[i], static_cast<int8_t>(password[i]));
    EXPECT_TRUE(gamebuild::PasswordMatches(entry, password));
  }
}

TEST(PasswordBlock, ValuesAndComparison) {
  const Bytes password{'A', 0xE9, '\r'};
  EXPECT_EQ(gamebuild::EncodePasswordBlock(password),
            (std::vector<int32_t>{65 * 4096 + 134, -23 * 4096 + 1 + 134, 13 * 4096 + 2 + 134}));
  const Bytes entry = gamebuild::PasswordBlockBytes(gamebuild::EncodePasswordBlock(password));
  EXPECT_EQ(gamebuild::PasswordText(gamebuild::DecodePasswordBlock(gamebuild::PasswordBlockValues(entry))),
            "65-2313");
  EXPECT_FALSE(gamebuild::PasswordMatches(entry, Bytes{'a', 0xE9, '\r'}));  // case counts
  EXPECT_FALSE(gamebuild::PasswordMatches(entry, Bytes{'A', 0xE9}));
  // Values from a damaged pack decode without overflow.
  EXPECT_EQ(gamebuild::DecodePasswordBlock(std::vector<int32_t>{INT32_MIN, INT32_MAX}).size(), 2u);
}

// A complete workspace in a temporary program folder.
class CompleteWorkspace {
 public:
  CompleteWorkspace()
      : made(testing_support::WriteGameWorkspace(home)), files(made.files), password(made.password) {}

  platform::Workspace workspace() const { return platform::Workspace(home.path()); }
  std::filesystem::path pack() const { return home / "twksys/game.pak"; }

  TempFolder home;
  testing_support::GameWorkspace made;
  std::map<std::string, Bytes>& files;
  const std::string& password;
};

TEST(BuildGamePak, StoresAllEntriesOfACompleteWorkspace) {
  CompleteWorkspace folder;
  platform::ScriptedPrompter prompter;
  std::vector<int> progress;
  ASSERT_TRUE(gamebuild::BuildGamePak(folder.workspace(), prompter, [&](int at) { progress.push_back(at); }));
  EXPECT_TRUE(prompter.shown.empty());
  const std::vector<int> expected_progress = {2,   15,  25,  58,  67,  72,  83,  100, 120, 140, 160,
                                              167, 177, 185, 193, 201, 209, 217, 224, 235, 240, 245,
                                              250, 255, 260, 265, 305, 309, 311, 316, 320, 322, 327,
                                              331, 333, 338, 342, 344, 349, 353, 355, 360, 380};
  EXPECT_EQ(progress, expected_progress);

  gamebuild::PackReader reader;
  ASSERT_TRUE(reader.PackOpen(folder.pack()));
  const auto& names = GamePakEntryNames();
  for (size_t i = 0; i < names.size(); ++i) {
    const auto entry = reader.PackNextEntry();
    ASSERT_FALSE(entry.empty()) << "position " << i + 1 << ": " << gamebuild::PackStatusText(reader.Status());
    const Bytes bytes(entry.begin(), entry.end());
    if (i == 0) {
      EXPECT_TRUE(gamebuild::PasswordMatches(bytes, Bytes(folder.password.begin(), folder.password.end())));
      EXPECT_EQ(bytes.size(), 4 * folder.password.size());
    } else {
      EXPECT_EQ(bytes, folder.files[names[i]]) << names[i];
    }
  }
  EXPECT_TRUE(reader.PackNextEntry().empty());
  EXPECT_EQ(reader.Status(), gamebuild::PackStatus::kEnd);
}

TEST(BuildGamePak, WritesTheSameBytesAsAPackMadeEntryByEntry) {
  CompleteWorkspace folder;
  platform::ScriptedPrompter prompter;
  ASSERT_TRUE(gamebuild::BuildGamePak(folder.workspace(), prompter, nullptr));
  const auto built = platform::ReadFileBytes(folder.pack());
  ASSERT_TRUE(built.has_value());

  const auto one_by_one = folder.home / "one_by_one.pak";
  gamebuild::PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(one_by_one));
  const Bytes password(folder.password.begin(), folder.password.end());
  int stored = writer.PackAddMemory(gamebuild::PasswordBlockBytes(gamebuild::EncodePasswordBlock(password)));
  const auto& names = GamePakEntryNames();
  for (size_t i = 1; i < names.size(); ++i) stored += writer.PackAddFile(folder.workspace().PathOf(names[i]));
  ASSERT_TRUE(writer.PackClose());
  EXPECT_EQ(stored, static_cast<int>(names.size()));
  const auto expected = platform::ReadFileBytes(one_by_one);
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(built->size(), expected->size());
  EXPECT_TRUE(*built == *expected);
}

TEST(ParallelFileEntries, GivesEachFileTheEntryMadeAloneWhateverTheWorkers) {
  TempFolder home;
  std::mt19937 random(7);
  std::vector<std::filesystem::path> paths;
  for (int i = 0; i < 12; ++i) {
    const std::string name = "file" + std::to_string(i);
    Bytes bytes(static_cast<size_t>(i * 3000));  // file0 is empty
    for (size_t b = 0; b < bytes.size(); ++b)
      bytes[b] = static_cast<uint8_t>(i % 3 == 0 ? random() : b / 40);  // noise and runs
    home.Write(name, bytes);
    paths.push_back(home / name);
  }
  paths.insert(paths.begin() + 5, home / "not-there");
  for (const unsigned workers : {1u, 2u, 5u, 64u}) {
    SCOPED_TRACE(workers);
    gamebuild::ParallelFileEntries entries(paths, workers);
    ASSERT_EQ(entries.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
      const auto got = entries.Take(i).stored;
      const auto alone = gamebuild::MakeFileEntry(paths[i]).stored;
      ASSERT_EQ(got.has_value(), alone.has_value()) << paths[i];
      if (!got) continue;
      EXPECT_EQ(got->data_size, alone->data_size);
      EXPECT_TRUE(got->payload == alone->payload) << paths[i];
    }
  }
}

TEST(BuildGamePak, CountsMissingFilesAndLeavesNoPack) {
  struct Case {
    const char* name;
    std::function<void(CompleteWorkspace&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"a sound removed",
       [](CompleteWorkspace& f) { std::filesystem::remove(f.home / "twksys/footstepsound"); },
       "1 Files missing!"},
      {"a level and a texture empty",
       [](CompleteWorkspace& f) {
         f.home.Write("twksys/game20", Bytes{});
         f.home.Write("twksys/tex7", Bytes{});
       },
       "2 Files missing!"},
      {"no password file", [](CompleteWorkspace& f) { std::filesystem::remove(f.home / "pakpassword.txt"); },
       "1 Files missing!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CompleteWorkspace folder;
    folder.home.Write("twksys/game.pak", "an older pack");
    c.damage(folder);
    platform::ScriptedPrompter prompter;
    EXPECT_FALSE(gamebuild::BuildGamePak(folder.workspace(), prompter, nullptr));
    EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{c.message, "Error"}}));
    EXPECT_FALSE(std::filesystem::exists(folder.pack()));
  }
}

TEST(BuildGamePak, RefusesAPasswordTooLongAndLeavesNoPack) {
  TempFolder home;
  home.Write("pakpassword.txt", std::string(22, 'x'));
  home.Write("twksys/game.pak", "an older pack");
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(gamebuild::BuildGamePak(platform::Workspace(home.path()), prompter, nullptr));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Error");
  EXPECT_NE(prompter.shown[0].text.find("too long"), std::string::npos);
  EXPECT_NE(prompter.shown[0].text.find("21"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(home / "twksys/game.pak"));
}

TEST(BuildGamePak, AFileTooLargeForThePackIsNamedAndNotCountedMissing) {
  CompleteWorkspace folder;
  folder.home.Write("twksys/game.pak", "an older pack");
  constexpr uint64_t kLimit = 4000;  // above every file of the workspace
  folder.home.Write("twksys/menumusic", Bytes(kLimit + 1, 7));
  std::filesystem::remove(folder.home / "twksys/footstepsound");
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(gamebuild::BuildGamePak(folder.workspace(), prompter, nullptr, kLimit));
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"menumusic is too large for game.pak", "Error"},
                                                            {"1 Files missing!", "Error"}}));
  EXPECT_FALSE(std::filesystem::exists(folder.pack()));

  folder.home.Write("twksys/footstepsound", "back");
  prompter = {};
  EXPECT_TRUE(gamebuild::BuildGamePak(folder.workspace(), prompter, nullptr, kLimit + 1));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(BuildGamePak, ReportsAPackThatCannotBeCreated) {
  TempFolder home;
  home.Write("pakpassword.txt", "secret");
  std::filesystem::create_directories(home / "twksys/game.pak");  // in the way
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(gamebuild::BuildGamePak(platform::Workspace(home.path()), prompter, nullptr));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Error");
  EXPECT_TRUE(prompter.shown[0].text.starts_with("Can't create the file ")) << prompter.shown[0].text;
}

TEST(VersionRecord, IsFourHundredFiveTwice) {
  EXPECT_EQ(gamebuild::VersionRecord(), (Bytes{0x95, 1, 0, 0, 0x95, 1, 0, 0}));
}

}  // namespace
