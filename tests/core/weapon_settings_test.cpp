// The `weaponsettings` record, its Can Shoot rule and its "use" checks.
#include "config/weapon_settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using config::WeaponSettings;
using testing_support::TempFolder;

WeaponSettings Valid() {
  WeaponSettings s;
  s.can_shoot = {true, true, false, true, true, true};
  s.repetition = {1, 2, 3, 4, 5, 1};
  s.power = {1, 2, 10, 4, 5, 6};
  s.start_ammo = {0, 20, 0, 50, 99, 7};
  s.max_ammo = {1, 99, 1, 10, 99, 8};
  s.weapon_key = 59;  // "= Space"
  s.start_with_weapon1 = true;
  s.show_bullet = {false, true, true, false, false, true};
  return s;
}

TEST(WeaponSettingsRecord, GroupsOfSixThenKeyStartWeaponAndBullets) {
  const platform::Bytes expected = {
      1,  1,  0,  1,  1,  1,  // can shoot
      1,  2,  3,  4,  5,  1,  // repetition
      1,  2,  10, 4,  5,  6,  // power
      0,  20, 0,  50, 99, 7,  // start ammunition
      1,  99, 1,  10, 99, 8,  // maximum ammunition
      59,                     // weapon key
      1,                      // start with weapon 1
      0,  1,  1,  0,  0,  1,  // show bullet
  };
  EXPECT_EQ(config::Encode(config::kWeaponSettingsRecord, Valid()), expected);
  EXPECT_EQ(config::Decode(config::kWeaponSettingsRecord, expected), Valid());
}

TEST(WeaponSettingsRecord, ShortFileReadsZeroPastItsEnd) {
  const auto s = config::Decode(config::kWeaponSettingsRecord, platform::Bytes(31, 1));
  EXPECT_EQ(s.weapon_key, 1);
  EXPECT_FALSE(s.start_with_weapon1);  // offset 31, past the end
  EXPECT_EQ(s.show_bullet, (std::array<bool, 6>{}));
}

TEST(WeaponSettingsRecord, CanShootRuleSetsStartZeroAndMaxOneButKeepsShowBullet) {
  WeaponSettings s = config::Defaults(config::kWeaponSettingsRecord);
  s.can_shoot[1] = true;
  s.show_bullet[0] = true;
  config::ApplyCanShootRule(s);
  EXPECT_EQ(s.start_ammo, (std::array<int64_t, 6>{0, 20, 0, 0, 0, 0}));
  EXPECT_EQ(s.max_ammo, (std::array<int64_t, 6>{1, 99, 1, 1, 1, 1}));
  EXPECT_TRUE(s.show_bullet[0]);
}

TEST(WeaponSettingsRecord, UseChecksTheRangeEdges) {
  struct Case {
    const char* what;
    std::function<void(WeaponSettings&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"repetition 0", [](WeaponSettings& s) { s.repetition[2] = 0; }, false},
      {"repetition 1", [](WeaponSettings& s) { s.repetition[2] = 1; }, true},
      {"repetition 5", [](WeaponSettings& s) { s.repetition[2] = 5; }, true},
      {"repetition 6", [](WeaponSettings& s) { s.repetition[2] = 6; }, false},
      {"power 0", [](WeaponSettings& s) { s.power[5] = 0; }, false},
      {"power 10", [](WeaponSettings& s) { s.power[5] = 10; }, true},
      {"power 11", [](WeaponSettings& s) { s.power[5] = 11; }, false},
      {"start ammunition 0", [](WeaponSettings& s) { s.start_ammo[1] = 0; }, true},
      {"start ammunition 99", [](WeaponSettings& s) { s.start_ammo[1] = 99; }, true},
      {"start ammunition 100", [](WeaponSettings& s) { s.start_ammo[1] = 100; }, false},
      {"max ammunition 0", [](WeaponSettings& s) { s.max_ammo[1] = 0; }, false},
      {"max ammunition 1", [](WeaponSettings& s) { s.max_ammo[1] = 1; }, true},
      {"max ammunition 99", [](WeaponSettings& s) { s.max_ammo[1] = 99; }, true},
      {"max ammunition 100", [](WeaponSettings& s) { s.max_ammo[1] = 100; }, false},
      {"start 50 above max 10", [](WeaponSettings& s) { s.start_ammo[3] = 50, s.max_ammo[3] = 10; }, true},
      {"start 500 on a weapon that cannot shoot", [](WeaponSettings& s) { s.start_ammo[2] = 500; }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    WeaponSettings s = Valid();
    c.change(s);
    EXPECT_EQ(config::Use(config::kWeaponSettingsRecord, workspace, s, prompter), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(prompter.shown.empty());
      EXPECT_EQ(workspace.FileSize("weaponsettings"), 38);
    } else {
      EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Weapon- Settings out of range", "Error"}}));
      EXPECT_FALSE(workspace.Exists("weaponsettings"));
    }
  }
}

TEST(WeaponSettingsRecord, AWeaponThatCannotShootIsStoredWithStartZeroAndMaxOne) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  WeaponSettings s = Valid();
  s.start_ammo[2] = 42;
  s.max_ammo[2] = 42;
  ASSERT_TRUE(config::Use(config::kWeaponSettingsRecord, workspace, s, prompter));
  const auto stored = *config::Load(config::kWeaponSettingsRecord, workspace, prompter);
  EXPECT_EQ(stored.start_ammo[2], 0);
  EXPECT_EQ(stored.max_ammo[2], 1);
  EXPECT_EQ((*workspace.Read("weaponsettings"))[30], 59);
}

TEST(WeaponSettingsRecord, AFileThatCannotBeWrittenIsReportedAfterAcceptance) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  std::filesystem::create_directory(workspace.Folder() / "weaponsettings");
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(config::Use(config::kWeaponSettingsRecord, workspace, Valid(), prompter));
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Cannot save Weapon Settings", "Error"}}));
}

}  // namespace
