// Saved games: a save loads back into the same state, play goes on from it
// exactly as it would have, and a save from another game or a damaged one is
// refused with a message.
#include <gtest/gtest.h>

#include "game_app.h"
#include "game_keys.h"
#include "game_save.h"
#include "tests/runtime/starter_game.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace game;

// Input that walks, turns, shoots and opens doors in turn.
TicInput Busy(int tic) {
  TicInput input;
  auto hold = [&input](const char* name) {
    const int key = KeyByName(name);
    input.held.set(static_cast<size_t>(key));
    input.pressed.set(static_cast<size_t>(key));
  };
  if (tic % 40 < 25) hold("Up");
  if (tic % 40 >= 25 && tic % 40 < 31) hold("Left");
  if (tic % 7 == 0) hold("Space");
  input.mouse_dx = tic % 11 == 0 ? 5 : 0;
  input.held.set(static_cast<size_t>(KeyByName("Mouse left")), tic % 3 == 0);
  return input;
}

TEST(Saves, ALoadedSaveHasTheSameDigestAndPlaysOnTheSame) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  Play play(starter->data, 1, NewGameCarry(starter->data.weapons), 99);
  for (int tic = 0; tic < 200; ++tic) play.Tick(Busy(tic));
  PlayerCarry start = NewGameCarry(starter->data.weapons);
  start.score = 77;
  const auto bytes = EncodeSave(play, start);
  std::string problem;
  PlayerCarry loaded_start;
  auto loaded = DecodeSave(starter->data, bytes, loaded_start, problem);
  ASSERT_TRUE(loaded) << problem;
  EXPECT_EQ(loaded->Digest(), play.Digest());
  EXPECT_EQ(loaded_start.score, 77);
  EXPECT_EQ(EncodeSave(*loaded, loaded_start), bytes) << "nothing lost or added";
  for (int tic = 200; tic < 400; ++tic) play.Tick(Busy(tic)), loaded->Tick(Busy(tic));
  EXPECT_EQ(loaded->Digest(), play.Digest()) << "the same game from the save on";
  EXPECT_EQ(ReadSaveSummary(bytes)->tic, 200);
  EXPECT_EQ(SaveName(*ReadSaveSummary(bytes)), "LEVEL 1  TIME 0:05");
}

TEST(Saves, ASaveOfAnotherGameOrADamagedOneIsRefused) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  Play play(starter->data, 1, NewGameCarry(starter->data.weapons), 5);
  for (int tic = 0; tic < 100; ++tic) play.Tick(Busy(tic));
  const auto bytes = EncodeSave(play, play.player().carry);
  PlayerCarry carry;
  std::string problem;
  GameData other = starter->data;
  other.pack_hash ^= 1;
  EXPECT_FALSE(DecodeSave(other, bytes, carry, problem));
  EXPECT_EQ(problem, "this save belongs to another game");
  for (size_t cut = 0; cut < bytes.size(); cut += 97) {
    EXPECT_FALSE(DecodeSave(starter->data, std::span(bytes).first(cut), carry, problem)) << cut;
    EXPECT_EQ(problem, "the save is damaged");
  }
  auto longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(DecodeSave(starter->data, longer, carry, problem));
  auto wrong_level = bytes;
  wrong_level[16] = 99;  // the level, after the name, version and hash
  EXPECT_FALSE(DecodeSave(starter->data, wrong_level, carry, problem));
  EXPECT_EQ(problem, "the save is damaged");
}

TicInput Press(int key) {
  TicInput input;
  input.pressed.set(static_cast<size_t>(key));
  input.held.set(static_cast<size_t>(key));
  return input;
}

TEST(Saves, SaveQuitStartLoadFromThePauseMenuGivesTheSameState) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  testing_support::TempFolder folder;
  App app(starter->data, 3, false);
  app.SetSaveFolder(folder.path() / "Ember Keep");
  const int escape = KeyByName("Escape"), ret = KeyByName("Return"), down = KeyByName("Down");
  app.StartLevel(1);
  for (int tic = 0; tic < 300; ++tic) app.Tick(Busy(tic));
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  const uint64_t saved = app.play()->Digest();
  auto choose = [&](int item) {
    app.Tick(Press(escape));
    ASSERT_EQ(app.screen(), AppScreen::kPause);
    for (int k = 0; k < item; ++k) app.Tick(Press(down));
    app.Tick(Press(ret));
  };
  choose(5);  // SAVE GAME
  ASSERT_EQ(app.screen(), AppScreen::kSaveSlots);
  EXPECT_EQ(app.SlotRows()[2], "3  EMPTY");
  for (int k = 0; k < 2; ++k) app.Tick(Press(down));
  app.Tick(Press(ret));
  ASSERT_EQ(app.screen(), AppScreen::kPlaying) << app.slot_message();
  EXPECT_EQ(app.SlotRows()[2], "3  LEVEL 1  TIME 0:08");
  choose(3);  // QUIT TO MENU
  ASSERT_EQ(app.screen(), AppScreen::kMenu);
  app.Tick(Press(ret));  // NEW GAME
  for (int tic = 0; tic < 50; ++tic) app.Tick(Busy(tic));
  ASSERT_NE(app.play()->Digest(), saved);
  choose(6);  // LOAD GAME
  ASSERT_EQ(app.screen(), AppScreen::kLoadSlots);
  app.Tick(Press(ret));  // slot 1 is empty
  EXPECT_EQ(app.slot_message(), "THE SLOT IS EMPTY");
  for (int k = 0; k < 2; ++k) app.Tick(Press(down));
  app.Tick(Press(ret));
  ASSERT_EQ(app.screen(), AppScreen::kPlaying) << app.slot_message();
  EXPECT_EQ(app.play()->Digest(), saved);
}

}  // namespace
