// The single-instance lock, the default pack password and the file-type patterns.
#include <gtest/gtest.h>

#include <regex>

#include "config/pack_password.h"
#include "platform/file_patterns.h"
#include "platform/instance_lock.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

using testing_support::TempFolder;

TEST(InstanceLock, OnlyOneHolderAtATime) {
  TempFolder folder;
  {
    platform::InstanceLock first(folder.path(), "lock");
    platform::InstanceLock second(folder.path(), "lock");
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(second.Held());
  }
  platform::InstanceLock again(folder.path(), "lock");
  EXPECT_TRUE(again.Held());
  platform::InstanceLock nowhere(folder / "missing", "lock");
  EXPECT_FALSE(nowhere.Held());
}

TEST(DefaultPassword, SixteenCapitalsWithZTwiceAsLikely) {
  std::mt19937 random(1234);
  std::array<int, 26> counts{};
  for (int i = 0; i < 4000; ++i) {
    const std::string password = config::MakeDefaultPassword(random);
    ASSERT_TRUE(std::regex_match(password, std::regex("[A-Z]{16}"))) << password;
    for (char c : password) ++counts[static_cast<size_t>(c - 'A')];
  }
  // 64,000 letters: 2,370 expected for each of A to Y, 4,740 for Z.
  for (int i = 0; i < 25; ++i) EXPECT_NEAR(counts[static_cast<size_t>(i)], 2370, 300) << char('A' + i);
  EXPECT_NEAR(counts[25], 4740, 400);
}

TEST(DefaultPassword, ShortOrMissingFilesAreReplacedLongerOnesKept) {
  struct Case {
    std::optional<std::string> content;
    bool replaced;
  };
  const Case cases[] = {
      {std::nullopt, true}, {"", true}, {"ABC", true}, {"abcd", false}, {"my secret", false}};
  for (const Case& c : cases) {
    TempFolder folder;
    if (c.content) folder.Write("pakpassword.txt", *c.content);
    platform::ScriptedPrompter prompter;
    std::mt19937 random(7);
    EXPECT_TRUE(config::EnsurePackPassword(platform::Workspace(folder.path()), prompter, random));
    const auto bytes = platform::ReadFileBytes(folder / "pakpassword.txt");
    ASSERT_TRUE(bytes);
    const std::string now(bytes->begin(), bytes->end());
    if (c.replaced) {
      EXPECT_TRUE(std::regex_match(now, std::regex("[A-Z]{16}"))) << now;
      ASSERT_EQ(prompter.shown.size(), 1u);
      EXPECT_EQ(
          prompter.shown[0],
          (platform::Message{
              "A default GamePak password has been set!\r\nTo change it got to Menu <Settings>", "Info"}));
    } else {
      EXPECT_EQ(now, *c.content);
      EXPECT_TRUE(prompter.shown.empty());
    }
  }
}

TEST(DefaultPassword, AFailedWriteIsReportedInsteadOfAnnounced) {
  TempFolder folder;
  const platform::Workspace missing(folder / "missing");  // no program folder to write into
  platform::ScriptedPrompter prompter;
  std::mt19937 random(7);
  EXPECT_FALSE(config::EnsurePackPassword(missing, prompter, random));
  EXPECT_EQ(
      prompter.shown,
      (std::vector<platform::Message>{{"cannot write to file " + missing.PasswordFile().string(), "Error"}}));
}

TEST(FilePatterns, ListsSplitIntoNamesAndPatterns) {
  using platform::FilePattern;
  EXPECT_EQ(platform::ParseFilePatterns(platform::kPicturePatterns),
            (std::vector<FilePattern>{
                {"Bitmap (*.bmp)", "*.bmp"}, {"PNG (*.png)", "*.png"}, {"TGA (*.tga)", "*.tga"}}));
  EXPECT_EQ(platform::ParseFilePatterns("Ico (*.ico)|*.ico"),
            (std::vector<FilePattern>{{"Ico (*.ico)", "*.ico"}}));
  EXPECT_EQ(platform::ParseFilePatterns("Pictures|*.bmp;*.png"),
            (std::vector<FilePattern>{{"Pictures", "*.bmp;*.png"}}));
  EXPECT_EQ(platform::ParseFilePatterns("Wave (*.wav)"),
            (std::vector<FilePattern>{{"Wave (*.wav)", "*.wav"}}));
  EXPECT_EQ(platform::ParseFilePatterns("All|"), (std::vector<FilePattern>{{"All", "*"}}));
  EXPECT_TRUE(platform::ParseFilePatterns("").empty());
}
