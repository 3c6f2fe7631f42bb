#include <gtest/gtest.h>

#include "game_entry_index.h"
#include "game_play.h"
#include "game_play_view.h"
#include "tests/runtime/play_fixture.h"

namespace {

using namespace play_fixture;
using sample::kCtrl, sample::kSpace, sample::kTab, sample::kUp, sample::kDown;

constexpr int kEastAngle = 0, kSouthAngle = kAngleSteps / 4;

// The start faces its longest free line; tests set the facing they need.
Play Start(const GameData& data, int angle, uint32_t seed = 7) {
  Play play(data, 1, NewGameCarry(data.weapons), seed);
  play.player().angle = angle;
  return play;
}

// ---- doors -----------------------------------------------------------------------

const std::vector<std::string> kDoorCorridor = {"#######",  //
                                                "#P.D..#",  //
                                                "#######"};

TEST(PlayDoors, OpenStayCloseOnTime) {
  auto data = DataOf(kDoorCorridor);
  Play play = Start(*data, kEastAngle);
  const Door& door = play.doors().at(0);
  play.Tick(Press({kSpace}));
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("dooropensound")));
  EXPECT_EQ(door.state, DoorState::kOpening);
  RunTics(play, kDoorMoveTics - 2);
  EXPECT_LT(door.open, kFixedOne);
  RunTics(play, 1);
  EXPECT_EQ(door.open, kFixedOne);
  EXPECT_EQ(door.state, DoorState::kOpen);
  RunTics(play, kDoorStayTics - 1);
  EXPECT_EQ(door.state, DoorState::kOpen);
  play.TakeSounds();
  RunTics(play, 1);
  EXPECT_EQ(door.state, DoorState::kClosing);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("doorclosesound")));
  RunTics(play, kDoorMoveTics);
  EXPECT_EQ(door.state, DoorState::kClosed);
  EXPECT_EQ(door.open, 0);
}

TEST(PlayDoors, ClosedDoorBlocksAndOpenDoorLetsThrough) {
  auto data = DataOf(kDoorCorridor);
  Play play = Start(*data, kEastAngle);
  RunTics(play, 60, Holding({kUp}));
  EXPECT_LT(play.player().x, 3 * kFixedOne) << "stopped before the closed door";
  play.Tick(Press({kSpace}));
  RunTics(play, kDoorMoveTics);
  RunTics(play, 60, Holding({kUp}));
  EXPECT_GT(play.player().x, 4 * kFixedOne) << "walked through the open door";
}

TEST(PlayDoors, DoorStaysOpenWhileThePlayerStandsInIt) {
  auto data = DataOf(kDoorCorridor);
  Play play = Start(*data, kEastAngle);
  play.Tick(Press({kSpace}));
  RunTics(play, kDoorMoveTics);
  play.player().x = CellCentre(3);  // in the doorway
  RunTics(play, kDoorStayTics + 3 * kTicRate);
  EXPECT_EQ(play.doors()[0].state, DoorState::kOpen);
  play.player().x = CellCentre(5);
  RunTics(play, kTicRate + kDoorMoveTics + 1);
  EXPECT_EQ(play.doors()[0].state, DoorState::kClosed);
}

// ---- pickups ---------------------------------------------------------------------

TEST(PlayPickups, HealthOnlyWhenHurtAndCappedAtHundred) {
  auto data = DataOf({"#####", "#Ph.#", "#####"});
  Play play = Start(*data, kEastAngle);
  play.player().x = CellCentre(2);
  RunTics(play, 1);
  EXPECT_FALSE(play.items()[0].taken) << "full health leaves the pack";
  play.player().carry.health = 90;
  RunTics(play, 1);
  EXPECT_TRUE(play.items()[0].taken);
  EXPECT_EQ(play.player().carry.health, kMaxHealth);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("healthfoundsound")));
}

TEST(PlayPickups, AmmunitionFillsOwnedWeaponsUpToTheirMaximum) {
  auto data = DataOf({"######", "#Paa.#", "######"});
  // Weapon 1 of the sample: shoots, 30 at start, maximum 99; the pack holds 15.
  Play play = Start(*data, kEastAngle);
  ASSERT_TRUE(play.player().carry.owned[0]);
  play.player().carry.ammo[0] = 90;
  play.player().x = CellCentre(2);
  RunTics(play, 1);
  EXPECT_EQ(play.player().carry.ammo[0], 99);
  play.player().x = CellCentre(3);
  RunTics(play, 1);
  EXPECT_FALSE(play.items()[1].taken) << "a full weapon leaves the pack";
}

TEST(PlayPickups, WeaponTreasureAndKey) {
  auto data = DataOf({"#######", "#Pw$k.#", "#######"});
  Play play = Start(*data, kEastAngle);
  for (int x = 2; x <= 4; ++x) {
    play.player().x = CellCentre(x);
    RunTics(play, 1);
  }
  const PlayerCarry& c = play.player().carry;
  EXPECT_TRUE(c.owned[1]);
  EXPECT_EQ(c.weapon, 1) << "a new weapon is taken in hand";
  EXPECT_EQ(c.ammo[1], data->weapons.weapons[1].start_ammo);
  EXPECT_EQ(c.score, 100);
  EXPECT_TRUE(play.player().has_key);
  const auto sounds = play.TakeSounds();
  for (int s :
       {EntryIndex("weaponfoundsound"), EntryIndex("treasurefoundsound"), EntryIndex("keyfoundsound")})
    EXPECT_TRUE(Contains(sounds, s)) << s;
}

// ---- key and next-level door -------------------------------------------------------

TEST(PlayExit, NextLevelDoorWantsTheKeyWhenTheLevelHasOne) {
  auto data = DataOf({"######", "#k.P.E", "######"});
  Play play = Start(*data, kEastAngle);
  play.player().x = CellCentre(4);
  play.Tick(Press({kSpace}));
  EXPECT_EQ(play.outcome(), Outcome::kPlaying);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("sirenesound")));
  play.player().x = CellCentre(1);
  RunTics(play, 1);
  ASSERT_TRUE(play.player().has_key);
  play.player().x = CellCentre(4);
  play.Tick(Press({kSpace}));
  EXPECT_EQ(play.outcome(), Outcome::kLevelDone);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("nextlevelsound")));
}

TEST(PlayExit, LevelWithoutKeyOpensAtOnce) {
  auto data = DataOf({"#####", "#.P.E", "#####"});
  Play play = Start(*data, kEastAngle);
  play.player().x = CellCentre(3);
  play.Tick(Press({kSpace}));
  EXPECT_EQ(play.outcome(), Outcome::kLevelDone);
}

// ---- enemies -----------------------------------------------------------------------

const std::vector<std::string> kEnemyBehindDoor = {"#########",  //
                                                   "#P..D..e#",  //
                                                   "#########"};

TEST(PlayEnemies, SightThroughOpenDoorsOnly) {
  auto data = DataOf(kEnemyBehindDoor);
  Play play = Start(*data, kEastAngle);
  const Enemy& enemy = play.enemies().at(0);
  EXPECT_FALSE(play.LineOfSight(enemy.x, enemy.y, play.player().x, play.player().y));
  RunTics(play, 3 * kTicRate);
  EXPECT_EQ(enemy.state, EnemyState::kIdle) << "a closed door hides the player";

  play.player().x = CellCentre(3);
  play.Tick(Press({kSpace}));
  RunTics(play, kDoorMoveTics);
  EXPECT_TRUE(play.LineOfSight(enemy.x, enemy.y, play.player().x, play.player().y));
  EXPECT_NE(enemy.state, EnemyState::kIdle);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("enemy1heysound")));
}

TEST(PlayEnemies, WallsBlockSightInAnyDirection) {
  auto data = DataOf({"#######", "#P#...#", "#...#e#", "#######"});
  Play play = Start(*data, kEastAngle);
  const Enemy& e = play.enemies()[0];
  EXPECT_FALSE(play.LineOfSight(e.x, e.y, play.player().x, play.player().y));
  EXPECT_TRUE(play.LineOfSight(e.x, e.y, CellCentre(5), CellCentre(1)));
}

struct ShotCase {
  int endurance, power, shots;
};

TEST(PlayEnemies, KilledByTheRightNumberOfShots) {
  const ShotCase cases[] = {{7, 2, 4}, {6, 2, 3}, {1, 10, 1}, {40, 3, 14}, {10, 10, 1}};
  for (const ShotCase& c : cases) {
    SCOPED_TRACE("endurance " + std::to_string(c.endurance) + ", power " + std::to_string(c.power));
    auto data = DataOf({"########", "#P....e#", "########"});
    data->enemies[0] = {false, 0, c.endurance, 0};  // stands still, harmless
    data->weapons.weapons[0] = {true, 5, c.power, 99, 99, false};
    Play play = Start(*data, kEastAngle);
    int shots = 0;
    const Enemy& enemy = play.enemies()[0];
    while (enemy.state != EnemyState::kDying && shots < 100) {
      const int before = play.player().carry.ammo[0];
      play.Tick(Holding({kCtrl}));
      shots += before - play.player().carry.ammo[0];
    }
    EXPECT_EQ(shots, c.shots);
    EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("enemy1diesound")));
    RunTics(play, kEnemyDeathTics);
    EXPECT_EQ(enemy.state, EnemyState::kDead);
  }
}

TEST(PlayEnemies, ShownBulletsFlyHitAndExplode) {
  auto data = DataOf({"##########", "#P......e#", "##########"});
  data->enemies[0] = {false, 0, 5, 0};
  data->weapons.weapons[0] = {true, 1, 5, 10, 10, true};
  Play play = Start(*data, kEastAngle);
  play.Tick(Holding({kCtrl}));
  ASSERT_EQ(play.bullets().size(), 1u);
  RunTics(play, 20 + kEnemyDeathTics);
  EXPECT_EQ(play.enemies()[0].state, EnemyState::kDead);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("impact1sound")));
  EXPECT_TRUE(play.bullets().empty()) << "the explosion is over";
}

TEST(PlayEnemies, ChaseFindsTheWayAroundWalls) {
  auto data = DataOf({"#########",  //
                      "#P......#",  //
                      "#.#####.#",  //
                      "#.#...#.#",  //
                      "#.#.e.#.#",  //
                      "#.##.##.#",  //
                      "#.......#",  //
                      "#########"});
  data->enemies[0] = {false, 8, 10, 0};
  Play play = Start(*data, kEastAngle);
  // Make it chase without needing to see the player first.
  play.enemies()[0].state = EnemyState::kChase;
  RunTics(play, 20 * kTicRate);
  const Enemy& e = play.enemies()[0];
  const double dx = ToDouble(e.x - play.player().x), dy = ToDouble(e.y - play.player().y);
  EXPECT_LT(std::hypot(dx, dy), 1.2) << "enemy at " << ToDouble(e.x) << "," << ToDouble(e.y);
}

TEST(PlayEnemies, ShootingEnemyHurtsThePlayerUnlessGodMode) {
  auto data = DataOf({"#########", "#P.....e#", "#########"});
  data->enemies[0] = {true, 0, 10, 10};
  for (bool god : {false, true}) {
    Play play = Start(*data, kEastAngle, 3);
    if (god) {
      // The code is typed key by key during play.
      for (int key : {13 + 8, 13 + 3, 13 + 3, 13 + 16}) play.Tick(Press({key}));
      ASSERT_TRUE(play.player().carry.god_mode);
    }
    RunTics(play, 10 * kTicRate);
    EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("enemy1shootsound")));
    if (god) {
      EXPECT_EQ(play.player().carry.health, kMaxHealth);
    } else {
      EXPECT_LT(play.player().carry.health, kMaxHealth);
    }
  }
}

TEST(PlayCheat, CodeTogglesGodModeAndOtherTypingDoesNot) {
  auto data = DataOf({"####", "#P.#", "####"});
  Play play = Start(*data, kEastAngle);
  const int I = 13 + 8, D = 13 + 3, Q = 13 + 16, X = 13 + 23;
  for (int key : {I, D, X, Q}) play.Tick(Press({key}));
  EXPECT_FALSE(play.player().carry.god_mode);
  for (int key : {X, I, D, D, Q}) play.Tick(Press({key}));
  EXPECT_TRUE(play.player().carry.god_mode);
  for (int key : {I, D, D, Q}) play.Tick(Press({key}));
  EXPECT_FALSE(play.player().carry.god_mode);
}

// ---- movement and determinism ----------------------------------------------------------

TEST(PlayMovement, WalkingIntoAWallStopsAtTheBodyRadius) {
  auto data = DataOf({"#####", "#P..#", "#####"});
  Play play = Start(*data, kEastAngle);
  RunTics(play, 5 * kTicRate, Holding({kUp}));
  EXPECT_LE(play.player().x, 4 * kFixedOne - kFixedOne / 4);
  EXPECT_GT(play.player().x, 4 * kFixedOne - kFixedOne / 4 - kFixedOne / 8);
  RunTics(play, 5 * kTicRate, Holding({kDown}));
  EXPECT_GE(play.player().x, kFixedOne + kFixedOne / 4);
}

TEST(PlayDeterminism, RenderingBetweenTicsDoesNotChangeTheState) {
  auto data = DataOf(sample::LevelOneRows());
  data->wall_textures[0].present = false;
  const std::vector<TicInput> inputs = {Holding({kUp}),   Holding({kUp, sample::kRight}), Press({kSpace}),
                                        Holding({kCtrl}), Holding({sample::kLeft}),       Press({kTab})};
  Play once = Start(*data, kSouthAngle, 11);
  Play often = Start(*data, kSouthAngle, 11);
  Renderer renderer;
  FrameBuffer frame(160, 100);
  for (int tic = 0; tic < 400; ++tic) {
    const TicInput& input = inputs[static_cast<size_t>(tic / 15) % inputs.size()];
    DrawPlayFrame(once, renderer, frame);
    for (int k = 0; k < 3; ++k) DrawPlayFrame(often, renderer, frame, {}, {k / 3.0, 4 * k, -3 * k});
    once.Tick(input);
    often.Tick(input);
    ASSERT_EQ(once.Digest(), often.Digest()) << "tic " << tic;
  }
}

TEST(PlayDeterminism, SameSeedSameGameDifferentSeedDifferentShots) {
  auto data = DataOf({"#########", "#P.....e#", "#########"});
  data->enemies[0] = {true, 0, 10, 3};
  auto health_after = [&](uint32_t seed) {
    Play play = Start(*data, kEastAngle, seed);
    RunTics(play, 30 * kTicRate);
    return std::make_pair(play.player().carry.health, play.Digest());
  };
  EXPECT_EQ(health_after(5), health_after(5));
  bool any_differs = false;
  for (uint32_t seed = 6; seed < 12; ++seed)
    any_differs = any_differs || health_after(seed) != health_after(5);
  EXPECT_TRUE(any_differs);
}

}  // namespace

namespace {

using namespace play_fixture;

TEST(PlaySprites, DamageStagesAndShootThrough) {
  // Sprite 2 of the sample endures 3; the test weapon's power is 1.
  auto data = DataOf({"########", "#P.t.e.#", "########"});
  data->enemies[0] = {false, 0, 1, 0};
  data->weapons.weapons[0] = {true, 5, 1, 99, 99, false};
  Play play(*data, 1, NewGameCarry(data->weapons), 1);
  play.player().angle = 0;
  auto shoot = [&play] {
    play.Tick(Holding({sample::kCtrl}));
    while (play.player().cooldown > 0) play.Tick({});
  };
  shoot();
  EXPECT_EQ(play.props()[0].hits, 1);
  EXPECT_EQ(play.enemies()[0].health, 1) << "the sprite stops the shot";
  shoot();
  shoot();
  EXPECT_TRUE(play.props()[0].destroyed);
  EXPECT_TRUE(Contains(play.TakeSounds(), EntryIndex("spr2destroysound")));
  shoot();
  EXPECT_NE(play.enemies()[0].state, EnemyState::kIdle) << "a destroyed sprite lets shots through";

  data->sprites[1] = {true, 0, true};  // shoot-through, indestructible
  Play through(*data, 1, NewGameCarry(data->weapons), 1);
  through.player().angle = 0;
  through.Tick(Holding({sample::kCtrl}));
  EXPECT_EQ(through.props()[0].hits, 0);
  EXPECT_EQ(through.enemies()[0].state, EnemyState::kDying);
}

TEST(PlayMouse, TurningFollowsTheMouseOnlyWhenTheGameUsesIt) {
  auto data = DataOf({"#####", "#P..#", "#####"});
  for (bool mouse : {false, true}) {
    data->settings.turn_mouse = mouse;
    data->settings.mouse_sensitivity = 3;
    Play play(*data, 1, NewGameCarry(data->weapons), 1);
    play.player().angle = 0;
    TicInput input;
    input.mouse_dx = 10;
    play.Tick(input);
    EXPECT_EQ(play.player().angle, mouse ? 60 : 0);
  }
}

}  // namespace

namespace {

using namespace play_fixture;

TEST(PlayView, AnimatedWallRowsCycleThroughTheirFourTextures) {
  auto data = DataOf({"####", "#P.#", "####"});
  data->wall_animation.rows[0] = true;  // textures 1, 11, 21, 31
  data->wall_animation.speed = 5;       // five changes a second
  Play play(*data, 1, NewGameCarry(data->weapons), 1);
  auto shown = [&](int texture) {
    return static_cast<int>(BuildScene(play).walls[static_cast<size_t>(texture)] -
                            data->wall_textures.data()) +
           1;
  };
  EXPECT_EQ(shown(1), 1);
  EXPECT_EQ(shown(2), 2);
  const int change = kTicRate / 5;
  RunTics(play, change);
  EXPECT_EQ(shown(1), 11);
  EXPECT_EQ(shown(31), 1);
  EXPECT_EQ(shown(2), 2) << "row 2 is not animated";
  RunTics(play, 2 * change);
  EXPECT_EQ(shown(1), 31);
}

TEST(PlayView, ScreenFlashesFollowTheSettings) {
  for (bool enabled : {false, true}) {
    auto data = DataOf({"#######", "#P$..e#", "#######"});
    data->settings.red_flash = data->settings.bright_flash = enabled;
    data->enemies[0] = {true, 0, 10, 5};
    Play play(*data, 1, NewGameCarry(data->weapons), 1);
    play.player().x = CellCentre(2);
    play.Tick({});
    EXPECT_EQ(play.bright_flash() > 0, enabled) << "after a pickup";
    play.enemies()[0].state = EnemyState::kChase;
    play.enemies()[0].x = CellCentre(3);
    int red = 0;
    for (int i = 0; i < 3 * kTicRate && play.player().carry.health == kMaxHealth; ++i) play.Tick({});
    red = play.red_flash();
    ASSERT_LT(play.player().carry.health, kMaxHealth);
    EXPECT_EQ(red > 0, enabled) << "after a hit";
  }
}

}  // namespace

namespace {

using namespace play_fixture;

TEST(PlayView, DyingEnemyPlaysItsFiveFramesAndStaysOnTheLast) {
  auto data = DataOf({"######", "#P..e#", "######"});
  data->enemies[0] = {false, 0, 1, 0};
  Play play(*data, 1, NewGameCarry(data->weapons), 1);
  play.player().angle = 0;
  play.Tick(Holding({sample::kCtrl}));
  ASSERT_EQ(play.enemies()[0].state, EnemyState::kDying);
  const auto& frames = data->enemy_frames[0];
  auto frame = [&] {
    for (const RenderSprite& s : BuildScene(play).sprites)
      for (int f = 0; f < 11; ++f)
        if (s.texture == &frames[static_cast<size_t>(f)]) return f;
    return -1;
  };
  std::vector<int> seen;
  for (int i = 0; i < kEnemyDeathTics + 10; ++i) {
    if (seen.empty() || seen.back() != frame()) seen.push_back(frame());
    play.Tick({});
  }
  EXPECT_EQ(seen, (std::vector<int>{6, 7, 8, 9, 10}));
}

}  // namespace

namespace {

using namespace play_fixture;

TEST(PlayEnemies, ACallAlertsIdleEnemiesThatCanSeeTheCaller) {
  // Enemy 1 sees the player down the corridor; enemy 2 stands round the corner
  // beside it, out of the player's sight; enemy 3 is far away behind a wall.
  auto data = DataOf({"############",  //
                      "#P....e....#",  //
                      "######.#####",  //
                      "######f#####",  //
                      "############",  //
                      "#.........f#",  //
                      "############"});
  Play play(*data, 1, NewGameCarry(data->weapons), 1);
  const auto& e = play.enemies();
  ASSERT_EQ(e.size(), 3u);
  ASSERT_FALSE(play.LineOfSight(e[1].x, e[1].y, play.player().x, play.player().y));
  play.Tick({});
  EXPECT_EQ(e[0].state, EnemyState::kAlert);
  EXPECT_EQ(e[1].state, EnemyState::kAlert) << "heard the call";
  EXPECT_EQ(e[2].state, EnemyState::kIdle);
}

}  // namespace
