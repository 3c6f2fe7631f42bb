// The `settings`, `gametitle` and `cheat` records and the "use" of the Game Settings dialog.
#include "config/game_settings.h"

#include <gtest/gtest.h>

#include <set>

#include "config/key_list.h"
#include "config/text_record.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using config::GameSettings;
using testing_support::TempFolder;

struct FieldCase {
  const char* name;
  int64_t GameSettings::*field;
  size_t offset;
};

const FieldCase kFields[] = {
    {"max_levels", &GameSettings::max_levels, 0},
    {"walk_forward_key", &GameSettings::walk_forward_key, 4},
    {"walk_forward_mouse", &GameSettings::walk_forward_mouse, 8},
    {"walk_forward_speed", &GameSettings::walk_forward_speed, 12},
    {"walk_backward_key", &GameSettings::walk_backward_key, 16},
    {"walk_backward_mouse", &GameSettings::walk_backward_mouse, 20},
    {"walk_backward_speed", &GameSettings::walk_backward_speed, 24},
    {"move_left_key", &GameSettings::move_left_key, 28},
    {"move_right_key", &GameSettings::move_right_key, 32},
    {"sideways_speed", &GameSettings::sideways_speed, 36},
    {"turn_left_key", &GameSettings::turn_left_key, 40},
    {"turn_right_key", &GameSettings::turn_right_key, 44},
    {"turn_mouse", &GameSettings::turn_mouse, 48},
    {"turn_speed", &GameSettings::turn_speed, 52},
    {"look_up_key", &GameSettings::look_up_key, 56},
    {"look_down_key", &GameSettings::look_down_key, 60},
    {"look_mouse", &GameSettings::look_mouse, 64},
    {"look_speed", &GameSettings::look_speed, 68},
    {"shoot_key", &GameSettings::shoot_key, 72},
    {"open_door_key", &GameSettings::open_door_key, 76},
    {"mouse_sensitivity", &GameSettings::mouse_sensitivity, 80},
    {"use_shader", &GameSettings::use_shader, 84},
    {"show_map_key", &GameSettings::show_map_key, 88},
    {"screen_mode", &GameSettings::screen_mode, 92},
    {"red_screen_when_hit", &GameSettings::red_screen_when_hit, 96},
    {"bright_screen_on_item", &GameSettings::bright_screen_on_item, 100},
};

TEST(GameSettingsRecord, EveryFieldIsOneLittleEndianIntegerAtItsOffset) {
  for (const auto& c : kFields) {
    SCOPED_TRACE(c.name);
    GameSettings settings;
    settings.*c.field = 0x0A0B0C0D;
    platform::Bytes expected(104, 0);
    expected[c.offset + 0] = 0x0D;
    expected[c.offset + 1] = 0x0C;
    expected[c.offset + 2] = 0x0B;
    expected[c.offset + 3] = 0x0A;
    EXPECT_EQ(config::Encode(config::kGameSettingsRecord, settings), expected);
    EXPECT_EQ(config::Decode(config::kGameSettingsRecord, expected), settings);
  }
}

TEST(GameSettingsRecord, KeepsTheLow32BitsAndReadsThemBackSigned) {
  GameSettings settings;
  settings.walk_forward_speed = 0x100000005;  // typed beyond 32 bits
  settings.turn_speed = -1;
  const auto bytes = config::Encode(config::kGameSettingsRecord, settings);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 12, bytes.begin() + 16), (std::vector<uint8_t>{5, 0, 0, 0}));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 52, bytes.begin() + 56),
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  const auto back = config::Decode(config::kGameSettingsRecord, bytes);
  EXPECT_EQ(back.walk_forward_speed, 5);
  EXPECT_EQ(back.turn_speed, -1);
}

TEST(GameSettingsRecord, ShortFilesReadZeroPastTheEndAndLongOnesStopAt26) {
  const platform::Bytes shorter = {7, 0, 0, 0, 3};  // levels 7, then a part of the walk key
  auto settings = config::Decode(config::kGameSettingsRecord, shorter);
  EXPECT_EQ(settings.max_levels, 7);
  EXPECT_EQ(settings.walk_forward_key, 3);
  EXPECT_EQ(settings.bright_screen_on_item, 0);
  EXPECT_EQ(config::Decode(config::kGameSettingsRecord, {}), GameSettings{});

  platform::Bytes longer(120, 0xFF);
  settings = config::Decode(config::kGameSettingsRecord, longer);
  EXPECT_EQ(settings.bright_screen_on_item, -1);
  EXPECT_EQ(config::Encode(config::kGameSettingsRecord, settings).size(), 104u);
}

TEST(GameSettingsRecord, ScreenModeBoxes) {
  using Boxes = config::ScreenModeBoxes;
  EXPECT_EQ(config::ScreenModeToBoxes(0), (Boxes{false, false}));
  EXPECT_EQ(config::ScreenModeToBoxes(1), (Boxes{true, false}));
  EXPECT_EQ(config::ScreenModeToBoxes(2), (Boxes{false, true}));
  EXPECT_EQ(config::ScreenModeToBoxes(7), std::nullopt);
  EXPECT_EQ(config::ScreenModeToBoxes(-1), std::nullopt);
  EXPECT_EQ(config::ScreenModeFromBoxes({false, false}), 0);
  EXPECT_EQ(config::ScreenModeFromBoxes({true, false}), 1);
  EXPECT_EQ(config::ScreenModeFromBoxes({false, true}), 2);
}

TEST(TitleText, ShortTextsAreRightAlignedInFiveCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "     "},      {"ab", "   ab"},          {"abc", "  abc"},
      {"abcde", "abcde"}, {"abcdefgh", "abcdefgh"}, {"  ab", "   ab"},  // leading spaces count as characters
  };
  for (const auto& [typed, stored] : cases)
    EXPECT_EQ(config::PadToFive(typed), stored) << "'" << typed << "'";
}

TEST(TitleText, ReadsTheFirstLineOnly) {
  const auto bytes = [](std::string_view s) { return platform::Bytes(s.begin(), s.end()); };
  EXPECT_EQ(config::FirstLine(bytes("My Game\r\nsecond")), "My Game");
  EXPECT_EQ(config::FirstLine(bytes("one\ntwo")), "one");
  EXPECT_EQ(config::FirstLine(bytes(std::string_view("ab\0cd", 5))), "ab");
  EXPECT_EQ(config::FirstLine(bytes("   ab")), "   ab");
  EXPECT_EQ(config::FirstLine({}), "");
}

TEST(KeyList, Holds104NamesInIndexOrder) {
  const auto& names = config::KeyNames();
  const std::pair<int, std::string_view> spots[] = {
      {0, "= empty"}, {1, "= Mouse left"}, {3, "= 1"},       {12, "= 0"},       {13, "= A"},
      {38, "= Z"},    {39, "= Escape"},    {46, "= Return"}, {60, "= Capital"}, {61, "= F1"},
      {72, "= F12"},  {75, "= Pad0"},      {84, "= Pad9"},   {93, "= Pause"},   {103, "= Delete"},
  };
  for (const auto& [index, name] : spots) EXPECT_EQ(names[index], name) << index;
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 104u);
}

class UseGameSettings : public ::testing::Test {
 protected:
  TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;

  config::GameSettingsForm Form(int64_t levels) {
    config::GameSettingsForm form;
    form.window_title = "ab";
    form.god_mode = "godmode";
    form.settings.max_levels = levels;
    return form;
  }
};

TEST_F(UseGameSettings, AcceptsOneToTwentyLevels) {
  const std::pair<int64_t, bool> cases[] = {{0, false}, {1, true}, {20, true}, {21, false}, {-3, false}};
  for (const auto& [levels, accepted] : cases) {
    SCOPED_TRACE(levels);
    std::filesystem::remove(workspace.PathOf("settings"));
    prompter.shown.clear();
    EXPECT_EQ(config::UseGameSettings(workspace, Form(levels), prompter), accepted);
    EXPECT_EQ(workspace.Exists("settings"), accepted);
    if (accepted) {
      EXPECT_TRUE(prompter.shown.empty());
      EXPECT_EQ(config::Load(config::kGameSettingsRecord, workspace, prompter)->max_levels, levels);
    } else {
      EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"too many levels", "Error"}}));
    }
  }
}

TEST_F(UseGameSettings, WritesThePaddedTitleAndCodeAnd104Bytes) {
  ASSERT_TRUE(config::UseGameSettings(workspace, Form(3), prompter));
  EXPECT_EQ(*workspace.Read("gametitle"), platform::Bytes({' ', ' ', ' ', 'a', 'b'}));
  EXPECT_EQ(config::LoadText(config::kCheatRecord, workspace), "godmode");
  EXPECT_EQ(workspace.FileSize("settings"), 104);
  // Read back and saved again, a padded title stays as it is.
  auto again = Form(3);
  again.window_title = *config::LoadText(config::kGameTitleRecord, workspace);
  ASSERT_TRUE(config::UseGameSettings(workspace, again, prompter));
  EXPECT_EQ(config::LoadText(config::kGameTitleRecord, workspace), "   ab");
}

TEST_F(UseGameSettings, ASettingsFileThatCannotBeWrittenIsReportedAndTheDialogStillCloses) {
  std::filesystem::create_directory(workspace.Folder() / "settings");
  EXPECT_TRUE(config::UseGameSettings(workspace, Form(3), prompter));
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"cannot save settings", "Error"}}));
}

TEST_F(UseGameSettings, MissingFilesLoadAsNothing) {
  EXPECT_EQ(config::Load(config::kGameSettingsRecord, workspace, prompter), std::nullopt);
  EXPECT_EQ(config::LoadText(config::kGameTitleRecord, workspace), std::nullopt);
}

}  // namespace
