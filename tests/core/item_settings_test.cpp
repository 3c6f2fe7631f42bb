// The `Treasuresettings` and `ammohealthsettings` records and their "use" checks.
#include <gtest/gtest.h>

#include "config/pack_settings.h"
#include "config/treasure_settings.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;
using Messages = std::vector<platform::Message>;

TEST(TreasureSettingsRecord, FiveLittleEndianIntegers) {
  config::TreasureSettings s;
  s.points = {1, 9000, 256, 1000, -1};
  const platform::Bytes expected = {1, 0, 0,    0, 0x28, 0x23, 0,    0,    0,    1,
                                    0, 0, 0xE8, 3, 0,    0,    0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(config::Encode(config::kTreasureSettingsRecord, s), expected);
  EXPECT_EQ(config::Decode(config::kTreasureSettingsRecord, expected), s);
  EXPECT_EQ(config::Decode(config::kTreasureSettingsRecord, platform::Bytes{5, 0, 0, 0}).points,
            (std::array<int64_t, 5>{5, 0, 0, 0, 0}));
}

TEST(TreasureSettingsRecord, UseAcceptsOneTo9000AndReportsTheRest) {
  const std::pair<int64_t, bool> cases[] = {{1, true}, {9000, true}, {0, false}, {9001, false}, {-5, false}};
  for (const auto& [points, accepted] : cases) {
    SCOPED_TRACE(points);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    auto s = config::Defaults(config::kTreasureSettingsRecord);
    s.points[3] = points;
    EXPECT_EQ(config::Use(config::kTreasureSettingsRecord, workspace, s, prompter), accepted);
    if (accepted) {
      EXPECT_EQ(config::Load(config::kTreasureSettingsRecord, workspace, prompter), s);
      EXPECT_EQ(workspace.FileSize("Treasuresettings"), 20);
    } else {
      EXPECT_EQ(prompter.shown, (Messages{{"Treasure- Settings out of range", "Error"}}));
      EXPECT_FALSE(workspace.Exists("Treasuresettings"));
    }
  }
}

TEST(TreasureSettingsRecord, ReplacesTheFileWhateverTheCaseOfItsName) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  home.Write("twksys/treasuresettings", platform::Bytes(20, 0));
  platform::ScriptedPrompter prompter;
  ASSERT_TRUE(config::Use(config::kTreasureSettingsRecord, workspace,
                          config::Defaults(config::kTreasureSettingsRecord), prompter));
  EXPECT_EQ(config::Decode(config::kTreasureSettingsRecord,
                           *platform::ReadFileBytes(home / "twksys/treasuresettings")),
            config::Defaults(config::kTreasureSettingsRecord));
}

TEST(PackSettingsRecord, ThePairWrittenThreeTimesAndReadFromTheFirstTwoBytes) {
  EXPECT_EQ(config::Encode(config::kPackSettingsRecord, {20, 50}), (platform::Bytes{20, 50, 20, 50, 20, 50}));
  EXPECT_EQ(config::Decode(config::kPackSettingsRecord, platform::Bytes{20, 50, 1, 2, 3, 4}),
            (config::PackSettings{20, 50}));
  EXPECT_EQ(config::Decode(config::kPackSettingsRecord, platform::Bytes{0xFF}),
            (config::PackSettings{-1, 0}));
}

TEST(PackSettingsRecord, UseChecksAmmoOneTo99AndHealthOneTo100) {
  struct Case {
    int64_t ammo, health;
    bool accepted;
  };
  const Case cases[] = {{99, 100, true},  {1, 1, true},   {100, 50, false},
                        {50, 101, false}, {0, 50, false}, {50, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ammo << "/" << c.health);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    EXPECT_EQ(config::Use(config::kPackSettingsRecord, workspace, {c.ammo, c.health}, prompter), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(workspace.FileSize("ammohealthsettings"), 6);
    } else {
      EXPECT_EQ(prompter.shown, (Messages{{"Ammo or Health- Settings out of range", "Error"}}));
      EXPECT_FALSE(workspace.Exists("ammohealthsettings"));
    }
  }
}

TEST(ItemSettingsRecords, FilesThatCannotBeWrittenAreReportedAfterAcceptance) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  std::filesystem::create_directory(workspace.Folder() / "Treasuresettings");
  std::filesystem::create_directory(workspace.Folder() / "ammohealthsettings");
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(config::Use(config::kTreasureSettingsRecord, workspace,
                          config::Defaults(config::kTreasureSettingsRecord), prompter));
  EXPECT_TRUE(config::Use(config::kPackSettingsRecord, workspace, {15, 15}, prompter));
  EXPECT_EQ(prompter.shown, (Messages{{"Cannot save Treasure Settings", "Error"},
                                      {"Cannot save Healt and Ammo- Settings", "Error"}}));
}

}  // namespace
