// The `enemysettings` record and its "use" checks.
#include "config/enemy_settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using config::EnemySettings;
using testing_support::TempFolder;

EnemySettings Valid() {
  EnemySettings s;
  s.can_shoot = {true, false, true, false, true};
  s.speed = {0, 3, 6, 9, 12};
  s.endurance = {1, 10, 20, 30, 40};
  s.power = {1, 2, 3, 4, 40};
  return s;
}

TEST(EnemySettingsRecord, GroupsEachValueByEnemyKind) {
  const platform::Bytes expected = {1, 0, 1, 0, 1, 0, 3, 6, 9, 12, 1, 10, 20, 30, 40, 1, 2, 3, 4, 40};
  EXPECT_EQ(config::Encode(config::kEnemySettingsRecord, Valid()), expected);
  EXPECT_EQ(config::Decode(config::kEnemySettingsRecord, expected), Valid());
}

TEST(EnemySettingsRecord, BytesAreLow8BitsReadBackSigned) {
  EnemySettings s = Valid();
  s.power[2] = 300;  // 300 = 0x12C
  s.speed[0] = -2;
  const auto bytes = config::Encode(config::kEnemySettingsRecord, s);
  EXPECT_EQ(bytes[17], 0x2C);
  EXPECT_EQ(bytes[5], 0xFE);
  EXPECT_EQ(config::Decode(config::kEnemySettingsRecord, bytes).speed[0], -2);
  EnemySettings shorter;
  shorter.can_shoot = {true, true, true, false, false};
  EXPECT_EQ(config::Decode(config::kEnemySettingsRecord, platform::Bytes{1, 1, 1}), shorter);
}

TEST(EnemySettingsRecord, UseChecksTheRangeEdges) {
  struct Case {
    const char* what;
    std::function<void(EnemySettings&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"speed 12", [](EnemySettings& s) { s.speed[1] = 12; }, true},
      {"speed 13", [](EnemySettings& s) { s.speed[1] = 13; }, false},
      {"speed -5 (no lower test)", [](EnemySettings& s) { s.speed[1] = -5; }, true},
      {"endurance 0", [](EnemySettings& s) { s.endurance[2] = 0; }, false},
      {"endurance 1", [](EnemySettings& s) { s.endurance[2] = 1; }, true},
      {"endurance 40", [](EnemySettings& s) { s.endurance[2] = 40; }, true},
      {"endurance 41", [](EnemySettings& s) { s.endurance[2] = 41; }, false},
      {"power 0", [](EnemySettings& s) { s.power[3] = 0; }, true},
      {"power 40", [](EnemySettings& s) { s.power[3] = 40; }, true},
      {"power 41 in the last column", [](EnemySettings& s) { s.power[4] = 41; }, false},
      {"power 41 in the first column", [](EnemySettings& s) { s.power[0] = 41; }, false},
      {"speed 256 (low byte 0)", [](EnemySettings& s) { s.speed[0] = 256; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    EnemySettings s = Valid();
    c.change(s);
    EXPECT_EQ(config::Use(config::kEnemySettingsRecord, workspace, s, prompter), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(prompter.shown.empty());
      EXPECT_EQ(workspace.FileSize("enemysettings"), 20);
    } else {
      EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Speed- Settings out of range", "Error"}}));
      EXPECT_FALSE(workspace.Exists("enemysettings"));
    }
  }
}

TEST(EnemySettingsRecord, PowerZeroIsStoredWithoutCanShoot) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  EnemySettings s = Valid();
  s.power[0] = 0;
  ASSERT_TRUE(config::Use(config::kEnemySettingsRecord, workspace, s, prompter));
  const auto bytes = *workspace.Read("enemysettings");
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[2], 1);
}

TEST(EnemySettingsRecord, AFileThatCannotBeWrittenIsReportedAfterAcceptance) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  std::filesystem::create_directory(workspace.Folder() / "enemysettings");
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(config::Use(config::kEnemySettingsRecord, workspace, Valid(), prompter));
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Cannot save Enemy Settings", "Error"}}));
}

}  // namespace
