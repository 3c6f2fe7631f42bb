#include <gtest/gtest.h>

#include "game_app.h"
#include "game_entry_index.h"
#include "tests/runtime/play_fixture.h"

namespace {

using namespace play_fixture;
constexpr int kReturn = 46, kEscape = 39, kDownKey = 96;

std::unique_ptr<GameData> TwoLevels() {
  auto data = DataOf({"#####", "#P..E", "#####"});
  data->levels.push_back(data->levels[0]);
  data->info_text = "about";
  return data;
}

void FinishLevel(App& app) {
  app.play()->player().x = CellCentre(3);
  app.play()->player().angle = 0;
  app.Tick(Press({sample::kSpace}));
}

TEST(App, LevelsFollowInOrderAndThePlayerKeepsWhatHeCarries) {
  auto data = TwoLevels();
  App app(*data, 1, true);
  app.StartLevel(1);
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  app.play()->player().carry.score = 1234;
  FinishLevel(app);
  EXPECT_EQ(app.screen(), AppScreen::kNextLevel);
  EXPECT_TRUE(Contains(app.TakeSounds(), EntryIndex("nextlevelsound")));
  for (int i = 0; i < 2 * kTicRate && app.screen() == AppScreen::kNextLevel; ++i) app.Tick({});
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  EXPECT_EQ(app.play()->level(), 2);
  EXPECT_EQ(app.play()->player().carry.score, 1234);
  FinishLevel(app);
  EXPECT_EQ(app.screen(), AppScreen::kFinished) << "the finished screen follows the last level";
  EXPECT_TRUE(Contains(app.TakeSounds(), EntryIndex("gamefinishedsound")));
  const auto log = app.TakeLog();
  EXPECT_EQ(log, (std::vector<std::string>{"level 1 loaded", "level 2 loaded", "game finished"}));
}

TEST(App, IntroMenuNewGameAndPause) {
  auto data = TwoLevels();
  App app(*data, 1, true);
  EXPECT_EQ(app.screen(), AppScreen::kIntro);
  app.Tick(Press({kReturn}));
  EXPECT_EQ(app.screen(), AppScreen::kMenu);
  app.Tick(Press({kReturn}));
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  EXPECT_EQ(app.play()->level(), 1);
  app.Tick(Press({kEscape}));
  EXPECT_EQ(app.screen(), AppScreen::kPause);
  const int tic = app.play()->tic();
  app.Tick({});
  EXPECT_EQ(app.play()->tic(), tic) << "play stands still in the pause menu";
  app.Tick(Press({kEscape}));
  EXPECT_EQ(app.screen(), AppScreen::kPlaying);
}

TEST(App, InfoItemOnlyWithAnInfoTextInAWindow) {
  auto data = TwoLevels();
  auto has_info = [](const App& app) {
    const auto items = app.MenuItems();
    return std::find(items.begin(), items.end(), MenuItem::kInfo) != items.end();
  };
  EXPECT_TRUE(has_info(App(*data, 1, true)));
  EXPECT_FALSE(has_info(App(*data, 1, false))) << "no info menu in the full-screen modes";
  data->info_text.clear();
  EXPECT_FALSE(has_info(App(*data, 1, true))) << "an \"empty\" info text hides the menu";

  data->info_text = "about";
  App app(*data, 1, true);
  app.Tick(Press({kReturn}));
  for (int i = 0; i < 5; ++i) app.Tick(Press({kDownKey}));  // below the picture's four items and OPTIONS
  app.Tick(Press({kReturn}));
  EXPECT_TRUE(app.TakeInfoRequest());
  EXPECT_FALSE(app.TakeInfoRequest());
}

TEST(App, LevelMusicOnlyWhenTheGameAsksForIt) {
  auto data = TwoLevels();
  App app(*data, 1, true);
  app.StartLevel(2);
  EXPECT_EQ(app.music().kind, MusicChoice::kMenu);
  data->level_midi = true;
  EXPECT_EQ(app.music(), (MusicChoice{MusicChoice::kLevel, 2}));
  app.Tick(Press({kEscape}));
  EXPECT_EQ(app.music(), (MusicChoice{MusicChoice::kLevel, 2})) << "the pause menu keeps the level's tune";
}

TEST(App, DeathLeadsToTheGameOverScreenAndBackToTheMenu) {
  auto data = TwoLevels();
  App app(*data, 1, true);
  app.StartLevel(1);
  app.play()->player().carry.health = 0;
  app.Tick({});
  EXPECT_EQ(app.screen(), AppScreen::kDying);
  for (int i = 0; i < kDyingTics; ++i) app.Tick({});
  EXPECT_EQ(app.screen(), AppScreen::kGameOver);
  EXPECT_EQ(app.play(), nullptr);
  app.Tick(Press({kEscape}));
  EXPECT_EQ(app.screen(), AppScreen::kMenu);
}

}  // namespace

namespace {

using namespace play_fixture;

TEST(App, SoundScreenSetsTheVolumeWithinItsRange) {
  auto data = DataOf({"####", "#P.#", "####"});
  App app(*data, 1, false);
  app.Tick(Press({46}));                                // intro -> menu
  for (int key : {96, 46}) app.Tick(Press({key}));  // down to "sound"
  ASSERT_EQ(app.screen(), AppScreen::kSound);
  const int start = app.music_volume();
  app.Tick(Press({97}));
  EXPECT_EQ(app.music_volume(), start - 1);
  for (int i = 0; i < 20; ++i) app.Tick(Press({98}));
  EXPECT_EQ(app.music_volume(), 10);
  for (int i = 0; i < 20; ++i) app.Tick(Press({97}));
  EXPECT_EQ(app.music_volume(), 0);
  app.Tick(Press({39}));
  EXPECT_EQ(app.screen(), AppScreen::kMenu);
}

}  // namespace
