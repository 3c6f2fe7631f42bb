// Time for a platform layer's main loop: tics at the simulation's steady rate while frames come as often as
// the display shows them, and where each frame falls between two tics.
#pragma once

#include <chrono>

namespace game {

class TicClock {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kMaxCatchUp = 5;  // tics run at once after a stall; the rest are dropped

  // The first tic is due at `start`.
  explicit TicClock(Clock::time_point start) : next_tic_(start) {}

  // The number of tics due by `now` since the last call.
  int TakeDueTics(Clock::time_point now);
  // Where `now` lies between the last tic taken (0) and the next one due (1).
  double Fraction(Clock::time_point now) const;

 private:
  Clock::time_point next_tic_;
};

// Holds frames to `rate` a second where the display does not (no vertical sync).
class FrameLimiter {
 public:
  using Clock = std::chrono::steady_clock;
  explicit FrameLimiter(int rate);

  // When the next frame may be drawn, `now` being the end of this one.
  Clock::time_point NextFrame(Clock::time_point now);

 private:
  Clock::duration period_;
  Clock::time_point next_{};
};

}  // namespace game
