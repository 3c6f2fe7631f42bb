#include <gtest/gtest.h>

#include "game_play_view.h"
#include "game_tic_clock.h"
#include "tests/runtime/play_fixture.h"

namespace {

using namespace play_fixture;
using sample::kCtrl, sample::kRight, sample::kSpace, sample::kUp;

constexpr int kSouthAngle = kAngleSteps / 4;

void ExpectSameEye(const Eye& a, const Eye& b, const std::string& where) {
  EXPECT_EQ(a.x, b.x) << where;
  EXPECT_EQ(a.y, b.y) << where;
  EXPECT_EQ(a.angle, b.angle) << where;
  EXPECT_EQ(a.pitch, b.pitch) << where;
}

Eye EyeOf(const Player& p) {
  return {ToDouble(p.x), ToDouble(p.y), double(p.angle), double(p.pitch)};
}

std::vector<std::pair<double, double>> SpritePlaces(const Scene& scene) {
  std::vector<std::pair<double, double>> places;
  for (const RenderSprite& s : scene.sprites) places.emplace_back(s.x, s.y);
  return places;
}

// The player opens a door, turns, walks and fires shown bullets while an enemy runs at him: a frame at
// fraction 0 shows the state the tic began with, at fraction 1 the state it left.
TEST(PlayMotion, FramesAtFractionZeroAndOneShowTheTicStatesExactly) {
  auto data = DataOf({"##########",  //
                      "#P......e#",  //
                      "#D########",  //
                      "#.########",  //
                      "##########"});
  data->settings.turn_mouse = data->settings.look_mouse = false;
  data->weapons.weapons[0] = {true, 5, 1, 50, 50, true};
  data->enemies[0] = {false, 6, 1000, 0};
  Play play(*data, 1, NewGameCarry(data->weapons), 3);
  play.player().angle = kSouthAngle;
  play.enemies()[0].state = EnemyState::kChase;
  const std::vector<TicInput> inputs = {Holding({kRight}), Holding({kUp, kCtrl}),
                                        Holding({sample::kPageUp, sample::kLeft, kCtrl})};
  int bullet_tics = 0;
  for (int tic = 0; tic < 60; ++tic) {
    const std::string where = "tic " + std::to_string(tic);
    if (tic == 4) play.player().angle = 0;  // from the door to the enemy
    const Eye before = EyeOf(play.player());
    const auto sprites_before = SpritePlaces(BuildScene(play));
    const DoorOpenness doors_before = play.door_open();
    const size_t bullets_before = play.bullets().size();
    play.Tick(tic < 4 ? Press({kSpace}) : inputs[static_cast<size_t>(tic / 4 % 3)]);

    ExpectSameEye(EyeAt(play, {0}), before, where);
    ExpectSameEye(EyeAt(play, {1}), EyeOf(play.player()), where);
    DoorOpenness doors;
    const Scene start = BuildScene(play, 0, &doors);
    EXPECT_TRUE(*start.door_open == doors_before) << where;
    const Scene end = BuildScene(play, 1, &doors);
    EXPECT_TRUE(*end.door_open == play.door_open()) << where;
    EXPECT_EQ(SpritePlaces(end), SpritePlaces(BuildScene(play))) << where;
    if (play.bullets().size() == bullets_before) {
      EXPECT_EQ(SpritePlaces(start), sprites_before) << where;
      bullet_tics += bullets_before > 0;
    }
  }
  EXPECT_NE(play.door_open(), DoorOpenness{}) << "the door opened";
  EXPECT_GT(bullet_tics, 3) << "bullets flew";
  EXPECT_NE(play.player().pitch, 0);
}

// The view turns with the mouse before the tic that takes the motion; that tic then starts where the view
// already was, so the view does not jump back or ahead.
TEST(PlayMotion, TheMouseTurnsTheViewAtOnceAndTheNextTicStartsThere) {
  auto data = DataOf({"#######", "#P....#", "#######"});
  data->settings.turn_mouse = data->settings.look_mouse = true;
  data->settings.walk_forward_mouse = data->settings.walk_backward_mouse = false;
  data->settings.mouse_sensitivity = 3;
  Play play(*data, 1, NewGameCarry(data->weapons), 1);
  play.player().angle = 10;
  for (const auto& [dx, dy] : {std::pair{7, -9}, {-40, 16}, {0, 0}, {3000, 0}}) {
    const std::string where = std::to_string(dx) + "," + std::to_string(dy);
    const Eye shown = EyeAt(play, {1, dx, dy});
    TicInput input = Holding({kRight});
    input.mouse_dx = dx, input.mouse_dy = dy;
    const int angle_before = play.player().angle;
    play.Tick(input);
    EXPECT_EQ(shown.angle != angle_before, dx != 0) << where;
    ExpectSameEye(EyeAt(play, {0}), shown, where);
    EXPECT_NE(EyeAt(play, {0.5}).angle, shown.angle) << where << ": the key turns the view over the tic";
    ExpectSameEye(EyeAt(play, {1}), EyeOf(play.player()), where);
  }
}

TEST(TicClock, TicsKeepTheirRateAndFramesFallBetweenThem) {
  using namespace std::chrono;
  const TicClock::Clock::time_point t0{seconds(100)};
  const auto tic = nanoseconds(1'000'000'000 / kTicRate);
  TicClock clock(t0);
  EXPECT_EQ(clock.TakeDueTics(t0), 1) << "the first tic at once";
  EXPECT_DOUBLE_EQ(clock.Fraction(t0), 0);
  EXPECT_EQ(clock.TakeDueTics(t0 + tic / 2), 0);
  EXPECT_NEAR(clock.Fraction(t0 + tic / 2), 0.5, 1e-6);
  EXPECT_EQ(clock.TakeDueTics(t0 + tic), 1);
  EXPECT_NEAR(clock.Fraction(t0 + tic + tic / 4), 0.25, 1e-6);
  EXPECT_EQ(clock.TakeDueTics(t0 + 3 * tic + tic / 2), 2) << "a late frame runs the tics it missed";
  EXPECT_NEAR(clock.Fraction(t0 + 3 * tic + tic / 2), 0.5, 1e-6);
  const auto stalled = t0 + 30 * tic;
  EXPECT_EQ(clock.TakeDueTics(stalled), TicClock::kMaxCatchUp) << "a long stall is not made up";
  EXPECT_DOUBLE_EQ(clock.Fraction(stalled), 1);
  EXPECT_EQ(clock.TakeDueTics(stalled + tic / 10), 1) << "and play goes on from there";
  EXPECT_EQ(clock.TakeDueTics(stalled + tic / 10 + tic / 2), 0);
}

// Without vertical sync the limiter spaces frames at the display's rate, and a late frame is not made up.
TEST(FrameLimiter, FramesComeAtTheRateAndALateOneDoesNotBunchTheNext) {
  using namespace std::chrono;
  const FrameLimiter::Clock::time_point t0{seconds(100)};
  const auto period = duration_cast<FrameLimiter::Clock::duration>(nanoseconds(1'000'000'000 / 144));
  FrameLimiter limiter(144);
  EXPECT_EQ(limiter.NextFrame(t0), t0) << "the first frame at once";
  EXPECT_EQ(limiter.NextFrame(t0 + milliseconds(1)), t0 + period) << "a quick frame waits";
  EXPECT_EQ(limiter.NextFrame(t0 + 2 * period - microseconds(10)), t0 + 2 * period);
  const auto late = t0 + 10 * period;
  EXPECT_EQ(limiter.NextFrame(late), late) << "a slow frame is followed at once";
  EXPECT_EQ(limiter.NextFrame(late + microseconds(100)), late + period) << "then the rate again";
}

}  // namespace
