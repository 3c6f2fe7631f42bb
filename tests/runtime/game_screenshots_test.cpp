// Pictures of the game's screens for the closing notes: written to the folder
// named by TARNWICK_SCREENSHOTS (skipped when it is not set).
#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/picture.h"
#include "game_app.h"
#include "game_keys.h"
#include "platform/files.h"
#include "tests/runtime/play_fixture.h"
#include "tests/runtime/starter_game.h"

namespace {

using namespace game;

TicInput Press(const char* name) {
  TicInput input;
  const auto key = static_cast<size_t>(KeyByName(name));
  input.pressed.set(key);
  input.held.set(key);
  return input;
}

void Shoot(App& app, const std::filesystem::path& file) {
  FrameBuffer frame(640, 400);
  app.Draw(frame);
  EXPECT_TRUE(platform::WriteFileAtomic(file, assets::EncodeBmp24(ToPicture(frame)))) << file;
}

TEST(GameScreenshots, LevelStatisticsAndSaveSlots) {
  const char* folder = std::getenv("TARNWICK_SCREENSHOTS");
  if (folder == nullptr) GTEST_SKIP() << "TARNWICK_SCREENSHOTS not set";
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  // The starter's next-level picture over a small level of one enemy and two treasures.
  auto data = play_fixture::DataOf({"#######", "#P$$e.E", "#######"});
  data->levels.push_back(data->levels[0]);
  data->entering_next_level = starter->data.entering_next_level;
  App app(*data, 1, false);
  app.StartLevel(1);
  app.play()->player().x = CellCentre(3);
  for (int tic = 0; tic < 200; ++tic) app.Tick({});
  app.play()->player().x = CellCentre(5);
  app.play()->player().angle = 0;
  app.Tick(Press("Space"));
  ASSERT_EQ(app.screen(), AppScreen::kNextLevel);
  Shoot(app, std::filesystem::path(folder) / "next-level-statistics.bmp");

  testing_support::TempFolder saves;
  App game(starter->data, 1, false);
  game.SetSaveFolder(saves.path());
  game.StartLevel(1);
  for (int tic = 0; tic < 100; ++tic) game.Tick({});
  game.Tick(Press("Escape"));
  for (int k = 0; k < 5; ++k) game.Tick(Press("Down"));
  game.Tick(Press("Return"));
  game.Tick(Press("Return"));  // slot 1
  game.Tick(Press("Escape"));
  for (int k = 0; k < 6; ++k) game.Tick(Press("Down"));
  game.Tick(Press("Return"));
  ASSERT_EQ(game.screen(), AppScreen::kLoadSlots);
  Shoot(game, std::filesystem::path(folder) / "load-game-slots.bmp");
}

}  // namespace
