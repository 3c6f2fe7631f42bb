// The `spritesettings` record: layout, repair of a wrongly sized file, "use" checks.
#include "config/sprite_settings.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using config::SpriteSettings;
using testing_support::TempFolder;

SpriteSettings Sample() {
  SpriteSettings s;
  s.collision = {true, false, true, false, true, false, true, false, true, false};
  s.endurance = {0, 1, 2, 3, 4, 5, 6, 7, 10, -1};
  s.shoot_through = {false, false, true, true, false, false, true, true, false, true};
  return s;
}

const platform::Bytes kSampleBytes = {
    1, 0, 1, 0, 1, 0, 1, 0, 1,  0,    // collision
    0, 1, 2, 3, 4, 5, 6, 7, 10, 255,  // endurance, -1 as 255
    0, 0, 1, 1, 0, 0, 1, 1, 0,  1,    // shoot through
};

const platform::Bytes kDefaultBytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0,
                                       0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(SpriteSettingsRecord, TenCollisionsTenEndurancesTenShootThroughs) {
  EXPECT_EQ(config::Encode(config::kSpriteSettingsRecord, Sample()), kSampleBytes);
  EXPECT_EQ(config::Decode(config::kSpriteSettingsRecord, kSampleBytes), Sample());
  EXPECT_EQ(config::Encode(config::kSpriteSettingsRecord, config::Defaults(config::kSpriteSettingsRecord)),
            kDefaultBytes);
}

TEST(SpriteSettingsRecord, AFileNotOf30BytesIsReplacedByTheDefault) {
  platform::ScriptedPrompter prompter;
  for (const size_t size : {0, 29, 31}) {
    SCOPED_TRACE(size);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    if (size > 0) home.Write("twksys/spritesettings", platform::Bytes(size, 7));
    EXPECT_EQ(config::Load(config::kSpriteSettingsRecord, workspace, prompter),
              config::Defaults(config::kSpriteSettingsRecord));
    EXPECT_EQ(*workspace.Read("spritesettings"), kDefaultBytes);
  }
  TempFolder home;
  const platform::Workspace workspace(home.path());
  home.Write("twksys/spritesettings", kSampleBytes);
  EXPECT_EQ(config::Load(config::kSpriteSettingsRecord, workspace, prompter), Sample());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(SpriteSettingsRecord, ARenewalThatCannotBeWrittenIsReported) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  std::filesystem::create_directory(workspace.Folder() / "spritesettings");
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(config::Load(config::kSpriteSettingsRecord, workspace, prompter), std::nullopt);
  EXPECT_EQ(prompter.shown,
            (std::vector<platform::Message>{
                {"cannot write to file " + workspace.PathOf("spritesettings").string(), "Error"}}));
}

TEST(SpriteSettingsRecord, UseAcceptsEnduranceUpToTenWithNoLowerLimit) {
  const std::pair<int64_t, bool> cases[] = {{10, true}, {11, false}, {0, true}, {-1, true}, {300, false}};
  for (const auto& [endurance, accepted] : cases) {
    SCOPED_TRACE(endurance);
    TempFolder home;
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    SpriteSettings s = Sample();
    s.endurance[4] = endurance;
    EXPECT_EQ(config::Use(config::kSpriteSettingsRecord, workspace, s, prompter), accepted);
    if (accepted) {
      EXPECT_EQ(config::Load(config::kSpriteSettingsRecord, workspace, prompter)->endurance[4], endurance);
    } else {
      EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Sprite- Settings out of range", "Error"}}));
      EXPECT_FALSE(workspace.Exists("spritesettings"));
    }
  }
}

TEST(SpriteSettingsRecord, AFileThatCannotBeWrittenIsReportedAfterAcceptance) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  std::filesystem::create_directory(workspace.Folder() / "spritesettings");
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(config::Use(config::kSpriteSettingsRecord, workspace, Sample(), prompter));
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"Cannot save Sprite Settings", "Error"}}));
  EXPECT_EQ(config::Load(config::kSpriteSettingsRecord, workspace, prompter), std::nullopt);
}

}  // namespace
