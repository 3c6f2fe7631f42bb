// The player's options file: written and read back unchanged, a damaged file
// gives the defaults and one message, and where the file lives.
#include <gtest/gtest.h>

#include "game_keys.h"
#include "player_options.h"
#include "tests/runtime/play_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace game;

PlayerOptions Changed(const PlayerOptions& defaults) {
  PlayerOptions o = defaults;
  o.controls.Key(Action::kShoot) = KeyByName("Mouse left");
  o.controls.Key(Action::kRun) = kNoKey;
  o.controls.Key(Action::kWalkForward) = KeyByName("W");
  o.controls.mouse_sensitivity = 9;
  o.controls.invert_mouse = true;
  o.music_volume = 0;
  o.effects_volume = 10;
  o.fullscreen = !defaults.fullscreen;
  o.window_width = 2560, o.window_height = 1080;
  o.fov_degrees = 61.3;
  o.render_scale_percent = 50;
  return o;
}

TEST(PlayerOptions, TheFileRoundTripsEveryOption) {
  auto data = play_fixture::DataOf({"####", "#P.#", "####"});
  const PlayerOptions defaults = DefaultOptions(*data);
  EXPECT_EQ(defaults.controls, AuthorControls(data->settings, data->weapons));
  const PlayerOptions changed = Changed(defaults);
  ASSERT_NE(changed.controls.Key(Action::kShoot), defaults.controls.Key(Action::kShoot));
  std::string problem;
  EXPECT_EQ(ParseOptions(FormatOptions(changed), defaults, problem), changed) << problem;
  EXPECT_EQ(ParseOptions(FormatOptions(defaults), changed, problem), defaults) << problem;
  EXPECT_EQ(ParseOptions("# nothing but a comment\n\n", changed, problem), changed)
      << "missing lines keep the defaults given";

  testing_support::TempFolder folder;
  const auto file = folder.path() / "Ember Keep" / kOptionsFileName;
  std::string message;
  EXPECT_EQ(LoadOptions(file, defaults, message), defaults) << "no file yet";
  EXPECT_EQ(message, "");
  ASSERT_TRUE(SaveOptions(file, changed)) << "the game's folder is made";
  EXPECT_EQ(LoadOptions(file, defaults, message), changed);
  EXPECT_EQ(message, "");
}

TEST(PlayerOptions, ADamagedFileGivesTheDefaultsAndOneMessage) {
  auto data = play_fixture::DataOf({"####", "#P.#", "####"});
  const PlayerOptions defaults = DefaultOptions(*data);
  const std::string good = FormatOptions(Changed(defaults));
  struct Case {
    std::string text, problem;
  };
  const Case cases[] = {
      {"music_volume = 11\n", "line 1: \"11\" is not a value of music_volume"},
      {"music_volume = 5x\n", "line 1: \"5x\" is not a value of music_volume"},
      {"\nfov_degrees = 200\n", "line 2: \"200\" is not a value of fov_degrees"},
      {"render_scale_percent = 49\n", "line 1: \"49\" is not a value of render_scale_percent"},
      {"key_shoot = Not a key\n", "line 1: \"Not a key\" is not a value of key_shoot"},
      {"window_width 800\n", "line 1: unknown option \"window_width 800\""},
      {"colour = red\n", "line 1: unknown option \"colour\""},
      {good.substr(0, good.size() / 2) + "\x01\xff\n", ""},
  };
  testing_support::TempFolder folder;
  const auto file = folder.path() / kOptionsFileName;
  for (const Case& c : cases) {
    folder.Write(kOptionsFileName, good + c.text);
    std::string message;
    EXPECT_EQ(LoadOptions(file, defaults, message), defaults) << c.text;
    EXPECT_EQ(message.rfind("The options file " + file.string() + " is damaged (", 0), 0u) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << "one line";
    if (!c.problem.empty()) {
      const int lines = static_cast<int>(std::count(good.begin(), good.end(), '\n'));
      std::string problem = c.problem;
      problem.replace(5, problem.find(':') - 5, std::to_string(lines + std::stoi(c.problem.substr(5))));
      EXPECT_NE(message.find(problem), std::string::npos) << message;
    }
  }
}

TEST(PlayerOptions, TheFolderIsTheGamesOwnInTheUsersConfiguration) {
  EXPECT_EQ(OptionsFolder("/cfg", "/home/ann", "Ember Keep"), std::filesystem::path("/cfg/Ember Keep"));
  EXPECT_EQ(OptionsFolder(nullptr, "/home/ann", "Ember Keep"), std::filesystem::path("/home/ann/.config/Ember Keep"));
  EXPECT_EQ(OptionsFolder("relative", "/home/ann", "X"), std::filesystem::path("/home/ann/.config/X"))
      << "a relative XDG_CONFIG_HOME is ignored";
  EXPECT_EQ(OptionsFolder("/cfg", nullptr, "../a/b"), std::filesystem::path("/cfg/.._a_b"));
  EXPECT_EQ(OptionsFolder("/cfg", nullptr, ".."), std::filesystem::path("/cfg/game"));
  EXPECT_EQ(OptionsFolder(nullptr, nullptr, "X"), std::filesystem::path());
}

}  // namespace
