// The info text and the pack password.
#include <gtest/gtest.h>

#include "config/info_text.h"
#include "config/pack_password.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;
using Messages = std::vector<platform::Message>;

TEST(InfoTextRecord, TextsUnderFiveCharactersAreStoredAsEmpty) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "empty"}, {"abcd", "empty"}, {"abcde", "abcde"}, {"two\nlines", "two\nlines"}};
  for (const auto& [typed, stored] : cases) EXPECT_EQ(config::InfoTextToStore(typed), stored) << typed;
}

TEST(InfoTextRecord, IsReadWholeWithoutZeroBytes) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  EXPECT_EQ(config::LoadText(config::kInfoTextRecord, workspace), std::nullopt);
  home.Write("twksys/InfoText", std::string("line one\r\nline\0two", 18));
  EXPECT_EQ(config::LoadText(config::kInfoTextRecord, workspace), "line one\r\nlinetwo");
}

TEST(TextRecords, AreStoredByTheirRuleAndAFailedWriteIsReported) {
  struct Case {
    const config::TextRecord& record;
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {config::kGameTitleRecord, "ab", "   ab"},
      {config::kCheatRecord, "godmode", "godmode"},
      {config::kInfoTextRecord, "abc", "empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record.file);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    ASSERT_TRUE(config::SaveText(c.record, workspace, c.typed, prompter));
    const auto bytes = *workspace.Read(c.record.file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.stored);

    EXPECT_TRUE(prompter.shown.empty());

    TempFolder blocked;  // a folder in the place of the file cannot be replaced, even by root
    blocked.Write(std::string("twksys/") + c.record.file + "/inside", platform::Bytes{});
    const platform::Workspace there(blocked.path());
    EXPECT_FALSE(config::SaveText(c.record, there, c.typed, prompter));
    EXPECT_EQ(prompter.shown,
              (Messages{{"cannot write to file " + there.PathOf(c.record.file).string(), "Error"}}));
  }
}

TEST(PackPassword, TrimmedAndBetweenFourAnd21Characters) {
  struct Case {
    std::string typed;
    std::optional<std::string> stored;  // nothing when refused
    const char* message;
  };
  const Case cases[] = {
      {"  abcd  ", "abcd", nullptr},
      {"abc  ", std::nullopt, "invalid Password"},
      {"      ", std::nullopt, "invalid Password"},
      {"AbCd", "AbCd", nullptr},
      {"\tabc", "\tabc", nullptr},  // only spaces are trimmed
      {std::string(21, 'x'), std::string(21, 'x'), nullptr},
      {" " + std::string(22, 'x'), std::nullopt, "Password too long (max 21 chars)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("'" + c.typed + "'");
    TempFolder home;
    const platform::Workspace workspace(home.path());
    home.Write("pakpassword.txt", "OLDPASSWORD");
    platform::ScriptedPrompter prompter;
    EXPECT_EQ(config::UsePackPassword(workspace, c.typed, prompter), c.stored.has_value());
    if (c.stored) {
      EXPECT_TRUE(prompter.shown.empty());
      const auto bytes = *platform::ReadFileBytes(workspace.PasswordFile());
      EXPECT_EQ(std::string(bytes.begin(), bytes.end()), *c.stored);
    } else {
      EXPECT_EQ(prompter.shown, (Messages{{c.message, "Error"}}));
      EXPECT_EQ(config::LoadPackPassword(workspace), "OLDPASSWORD");
    }
  }
}

TEST(PackPassword, AFailedWriteIsReportedAndRefused) {
  TempFolder home;
  const platform::Workspace missing(home / "missing");  // no program folder to write into
  platform::ScriptedPrompter prompter;
  EXPECT_FALSE(config::UsePackPassword(missing, "AbCd", prompter));
  EXPECT_EQ(prompter.shown, (Messages{{"cannot write to file " + missing.PasswordFile().string(), "Error"}}));
}

TEST(PackPassword, ReadsTheFirstLine) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  EXPECT_EQ(config::LoadPackPassword(workspace), std::nullopt);
  home.Write("pakpassword.txt", "Secret\r\nignored");
  EXPECT_EQ(config::LoadPackPassword(workspace), "Secret");
}

}  // namespace
