// The `wasettings` record: layout, short files, the speed box text, and the
// messages of a failed load or save.
#include "config/wall_anim_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using config::WallAnimSettings;
using testing_support::TempFolder;
using Messages = std::vector<platform::Message>;

platform::Bytes Int32s(std::initializer_list<int32_t> values) {
  platform::Bytes out;
  for (const int32_t v : values) {
    const auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(u >> (8 * k)));
  }
  return out;
}

TEST(WallAnimSettingsRecord, TenRowStatesThenTheSpeedAsLittleEndianIntegers) {
  WallAnimSettings s;
  s.animate[0] = true;
  s.animate[9] = true;
  s.speed = 7;
  const auto bytes = config::Encode(config::kWallAnimSettingsRecord, s);
  EXPECT_EQ(bytes, Int32s({1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 7}));
  EXPECT_EQ(config::Decode(config::kWallAnimSettingsRecord, bytes), s);

  s.speed = -2;  // kept as typed; the writer keeps the low 32 bits
  EXPECT_EQ(config::Encode(config::kWallAnimSettingsRecord, s), Int32s({1, 0, 0, 0, 0, 0, 0, 0, 0, 1, -2}));
  s.speed = 0x1'0000'0003;
  EXPECT_EQ(
      config::Decode(config::kWallAnimSettingsRecord, config::Encode(config::kWallAnimSettingsRecord, s))
          .speed,
      3);
}

TEST(WallAnimSettingsRecord, MissingIntegersOfAShortFileReadAsZero) {
  const std::pair<platform::Bytes, WallAnimSettings> cases[] = {
      {{}, {{}, 0}},
      {Int32s({1, 1}), {{true, true}, 0}},
      // a last integer cut short keeps the bytes it has
      {[] {
         auto b = Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0102});
         b.pop_back();
         b.pop_back();
         return b;
       }(),
       {{}, 0x0102}},
      {Int32s({5, 0, -1, 0, 0, 0, 0, 0, 0, 0, 4}), {{true, false, true}, 4}},  // any value but 0 ticks
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(bytes.size());
    EXPECT_EQ(config::Decode(config::kWallAnimSettingsRecord, bytes), expected);
  }
}

TEST(WallAnimSettingsRecord, OnlySpeedsAboveTenAreShownAsTen) {
  const std::pair<int64_t, const char*> cases[] = {{25, "10"}, {11, "10"}, {10, "10"},        {5, "5"},
                                                   {0, "0"},   {-3, "-3"}, {2147483647, "10"}};
  for (const auto& [speed, text] : cases) EXPECT_EQ(config::SpeedBoxText(speed), text) << speed;
  EXPECT_EQ(config::SpeedOfBoxText(""), 0);
  EXPECT_EQ(config::SpeedOfBoxText("12"), 12);
  EXPECT_EQ(config::SpeedOfBoxText("007"), 7);
}

TEST(WallAnimSettingsFile, LoadsWhatWasSavedAndReadsNoMoreThanTheRecord) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  WallAnimSettings s;
  s.animate[3] = true;
  s.speed = 9;
  ASSERT_TRUE(config::Save(config::kWallAnimSettingsRecord, workspace, s, prompter));
  EXPECT_EQ(workspace.FileSize("wasettings"), 44);
  EXPECT_EQ(config::Load(config::kWallAnimSettingsRecord, workspace, prompter), s);

  auto longer = Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 99, 99});
  home.Write("twksys/wasettings", longer);
  EXPECT_EQ(config::Load(config::kWallAnimSettingsRecord, workspace, prompter)->speed, 3);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(WallAnimSettingsFile, AMissingFileIsReportedAndSavingCreatesIt) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(config::Load(config::kWallAnimSettingsRecord, workspace, prompter), std::nullopt);
  EXPECT_EQ(prompter.shown, (Messages{{"cannot load Wall Anim Settings", "Error"}}));

  EXPECT_TRUE(config::Save(config::kWallAnimSettingsRecord, workspace,
                           config::Defaults(config::kWallAnimSettingsRecord), prompter));
  EXPECT_EQ(*workspace.Read("wasettings"), Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST(WallAnimSettingsFile, AFailedSaveIsReportedAndTheOldFileStays) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  // A folder in the place of the file: it cannot be read as a record nor replaced.
  std::filesystem::create_directories(home / "twksys/wasettings/inside");
  EXPECT_FALSE(config::Save(config::kWallAnimSettingsRecord, workspace,
                            config::Defaults(config::kWallAnimSettingsRecord), prompter));
  EXPECT_TRUE(std::filesystem::is_directory(home / "twksys/wasettings/inside"));
  EXPECT_EQ(config::Load(config::kWallAnimSettingsRecord, workspace, prompter), std::nullopt);
  EXPECT_EQ(prompter.shown, (Messages{{"cannot save Wall Anim Settings", "Error"},
                                      {"cannot load Wall Anim Settings", "Error"}}));
}

}  // namespace
