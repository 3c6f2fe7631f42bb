// The player's side of play: melee enemies, empty weapons, choosing weapons,
// running, the gamepad, what the automap reveals, the level statistics, and
// how sounds are heard.
#include <gtest/gtest.h>

#include "game_entry_index.h"
#include "game_play.h"
#include "game_sounds.h"
#include "tests/runtime/play_fixture.h"

namespace {

using namespace play_fixture;
using sample::kCtrl, sample::kUp;

Play Start(const GameData& data, int angle = 0, uint32_t seed = 7) {
  Play play(data, 1, NewGameCarry(data.weapons), seed);
  play.player().angle = angle;
  return play;
}

TEST(PlayEnemies, EnemiesThatCannotShootStrikeWhenNextToThePlayer) {
  for (int power : {7, 0}) {
    auto data = DataOf({"########", "#P....e#", "########"});
    data->enemies[0] = {false, 8, 10, power};
    Play play = Start(*data);
    RunTics(play, 10 * kTicRate);
    const Enemy& e = play.enemies()[0];
    EXPECT_LT(ToDouble(e.x - play.player().x), 1.0) << "the enemy came up to the player";
    if (power > 0) {
      EXPECT_LT(play.player().carry.health, kMaxHealth);
      EXPECT_EQ((kMaxHealth - play.player().carry.health) % power, 0) << "each blow takes the enemy's power";
      EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("enemy1shootsound")));
    } else {
      EXPECT_EQ(play.player().carry.health, kMaxHealth) << "an enemy of power 0 is harmless";
    }
  }
}

TEST(PlayEnemies, AMeleeBlowMissesAPlayerWhoSteppedAway) {
  auto data = DataOf({"##########", "#P......e#", "##########"});
  data->enemies[0] = {false, 0, 10, 9};
  Play play = Start(*data);
  play.player().x = CellCentre(7) + kFixedOne / 4;  // within the standing enemy's reach
  Enemy& e = play.enemies()[0];
  e.state = EnemyState::kChase;
  for (int tic = 0; tic < 3 * kTicRate && e.state != EnemyState::kShoot; ++tic) play.Tick({});
  ASSERT_EQ(e.state, EnemyState::kShoot) << "the enemy raised its arm";
  play.player().x = CellCentre(4);  // out of reach before the blow lands
  RunTics(play, kEnemyShootTics);
  EXPECT_EQ(play.player().carry.health, kMaxHealth);
}

TEST(PlayWeapons, AnEmptyWeaponClicksAndTakesTheBestLoadedWeapon) {
  auto data = DataOf({"#####", "#P..#", "#####"});
  data->weapons.weapons[0] = {true, 5, 2, 0, 99, false};
  data->weapons.weapons[1] = {true, 5, 6, 0, 99, false};
  data->weapons.weapons[2] = {true, 5, 9, 0, 99, false};
  data->weapons.weapons[3] = {false, 5, 10, 0, 1, false};  // melee, strongest, but ranged comes first
  Play play = Start(*data);
  PlayerCarry& c = play.player().carry;
  c.owned = {true, true, true, true, false, false};
  c.ammo = {0, 5, 0, 0, 0, 0};
  c.weapon = 0;
  play.TakeSounds();
  play.Tick(Holding({kCtrl}));
  EXPECT_TRUE(Contains(play.TakeSounds(), kEmptyClickSound));
  EXPECT_EQ(c.weapon, 1) << "weapon 3 is stronger but empty";
  EXPECT_EQ(c.ammo[1], 5) << "the click fires nothing";
  RunTics(play, kTicRate, Holding({kCtrl}));
  EXPECT_LT(c.ammo[1], 5) << "held fire goes on with the new weapon";
  RunTics(play, 10 * kTicRate, Holding({kCtrl}));
  EXPECT_EQ(c.ammo[1], 0);
  EXPECT_EQ(c.weapon, 3) << "with no ammunition left, the melee weapon";
}

TEST(PlayWeapons, NumberKeysWheelAndCycleKeyChooseAmongOwnedWeapons) {
  auto data = DataOf({"#####", "#P..#", "#####"});
  Play play = Start(*data);
  PlayerCarry& c = play.player().carry;
  c.owned = {true, false, true, true, false, true};
  c.weapon = 0;
  struct Step {
    const char* what;
    TicInput input;
    int weapon;
  };
  TicInput wheel_down, wheel_up;
  wheel_down.wheel = -1;
  wheel_up.wheel = 2;
  const Step steps[] = {{"key 3", Press({kWeaponKeyFirst + 2}), 2},
                        {"key 2, not owned", Press({kWeaponKeyFirst + 1}), 2},
                        {"wheel down", wheel_down, 3},
                        {"wheel up", wheel_up, 2},
                        {"cycle key", Press({sample::kTab}), 3},
                        {"cycle key again", Press({sample::kTab}), 5},
                        {"and round", Press({sample::kTab}), 0}};
  for (const Step& s : steps) {
    play.Tick(s.input);
    EXPECT_EQ(c.weapon, s.weapon) << s.what;
  }
  Controls controls = play.controls();
  controls.Key(Action::kShoot) = kWeaponKeyFirst + 2;  // the player put shooting on "3"
  play.set_controls(controls);
  play.Tick(Press({kWeaponKeyFirst + 2}));
  EXPECT_EQ(c.weapon, 0) << "a number key bound to an action does not choose a weapon";
}

TEST(PlayMovement, RunDoublesTheWalkAndThePadSteers) {
  auto data = DataOf({"##########################", "#P.......................#", "##########################"});
  auto walked = [&](const TicInput& input) {
    Play play = Start(*data);
    const Fixed x = play.player().x;
    RunTics(play, 10, input);
    return play.player().x - x;
  };
  const Fixed walk = walked(Holding({kUp}));
  EXPECT_GT(walk, 0);
  EXPECT_EQ(walked(Holding({kUp, kLeftShiftKey})), 2 * walk);
  TicInput stick;
  stick.pad.move_y = -kPadAxisMax;
  EXPECT_EQ(walked(stick), walk) << "a full stick walks like the key";
  stick.pad.move_y = -kPadDeadZone;
  EXPECT_EQ(walked(stick), 0) << "inside the dead zone";
  stick.pad.move_y = -kPadAxisMax;
  stick.pad.left_trigger = kPadAxisMax;
  EXPECT_EQ(walked(stick), 2 * walk) << "the left trigger runs";

  Play play = Start(*data);
  TicInput turn;
  turn.pad.look_x = kPadAxisMax;
  play.Tick(turn);
  EXPECT_GT(play.player().angle, 0);
  TicInput fire;
  fire.pad.right_trigger = kPadAxisMax;
  const int ammo = play.player().carry.ammo[0];
  play.Tick(fire);
  EXPECT_EQ(play.player().carry.ammo[0], ammo - 1) << "the right trigger shoots";
}

TEST(PlayMouse, InvertedMouseLooksTheOtherWay) {
  auto data = DataOf({"#####", "#P..#", "#####"});
  data->settings.look_mouse = true;
  for (bool invert : {false, true}) {
    Play play = Start(*data);
    Controls controls = play.controls();
    controls.invert_mouse = invert;
    play.set_controls(controls);
    TicInput input;
    input.mouse_dy = -20;  // mouse pushed forward
    play.Tick(input);
    EXPECT_EQ(play.player().pitch > 0, !invert) << invert;
  }
}

TEST(PlayAutomap, RevealsWhatThePlayerHasSeenAndNotBehindClosedDoors) {
  auto data = DataOf({"###########",  //
                      "#P...D....#",  //
                      "#.#########",  //
                      "#.#.......#",  //
                      "###########"});
  Play play = Start(*data, 0);
  EXPECT_TRUE(play.Seen(4, 1));
  EXPECT_TRUE(play.Seen(5, 1)) << "the closed door itself";
  EXPECT_FALSE(play.Seen(7, 1)) << "behind the closed door";
  EXPECT_FALSE(play.Seen(1, 3)) << "behind the player";
  EXPECT_FALSE(play.Seen(5, 3)) << "behind a wall";
  play.player().x = CellCentre(4);
  play.Tick(Press({sample::kSpace}));
  RunTics(play, kDoorMoveTics);
  EXPECT_TRUE(play.Seen(8, 1)) << "through the open door";
  play.player().x = CellCentre(1);
  play.player().angle = kAngleSteps / 4;  // south
  play.Tick({});
  EXPECT_TRUE(play.Seen(1, 3));
  EXPECT_TRUE(play.Seen(7, 1)) << "once seen stays seen";
}

TEST(PlayStats, KillsAndTreasuresAgainstTheLevelsTotals) {
  auto data = DataOf({"#########", "#P$$..ee#", "#########"});
  data->enemies[0] = {false, 0, 1, 0};
  Play play = Start(*data);
  EXPECT_EQ(play.stats(), (LevelStats{0, 2, 0, 2}));
  play.player().x = CellCentre(2);
  play.Tick(Holding({kCtrl}));
  EXPECT_EQ(play.stats(), (LevelStats{1, 2, 1, 2}));
}

TEST(SoundGains, FallWithDistanceAndComeFromTheirSide) {
  const Fixed x = CellCentre(10), y = CellCentre(10);
  auto at = [&](double dx, double dy) {
    return HearSound({0, true, x + ToFixed(dx), y + ToFixed(dy)}, x, y, 0);  // facing east
  };
  EXPECT_EQ(HearSound({0}, x, y, 0), SoundGains{}) << "the player's own sounds";
  EXPECT_EQ(at(1, 0), (SoundGains{255, 255, 255})) << "close ahead";
  EXPECT_EQ(at(kSoundSilentFrom + 1, 0).volume, 0);
  const SoundGains half = at((kSoundFullWithin + kSoundSilentFrom) / 2, 0);
  EXPECT_NEAR(half.volume, 128, 1);
  const SoundGains south = at(0, 5), north = at(0, -5);
  EXPECT_EQ(south.right, 255) << "south is on the right of a player facing east";
  EXPECT_LT(south.left, 128);
  EXPECT_EQ(north.left, 255);
  EXPECT_EQ(north.right, south.left);
  EXPECT_EQ(HearSound({0, true, x, y + ToFixed(5)}, x, y, kAngleSteps / 4), at(5, 0))
      << "turned to face it, it is ahead";
}

}  // namespace
