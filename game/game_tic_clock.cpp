#include "game_tic_clock.h"

#include <algorithm>

#include "game_play.h"

namespace game {
namespace {

constexpr TicClock::Clock::duration kTicLength =
    std::chrono::duration_cast<TicClock::Clock::duration>(std::chrono::nanoseconds(1'000'000'000 / kTicRate));

}  // namespace

int TicClock::TakeDueTics(Clock::time_point now) {
  int tics = 0;
  while (now >= next_tic_ && tics < kMaxCatchUp) {
    next_tic_ += kTicLength;
    ++tics;
  }
  if (tics == kMaxCatchUp && now >= next_tic_) next_tic_ = now;
  return tics;
}

double TicClock::Fraction(Clock::time_point now) const {
  const auto since_last = now - (next_tic_ - kTicLength);
  return std::clamp(std::chrono::duration<double>(since_last) / kTicLength, 0.0, 1.0);
}

FrameLimiter::FrameLimiter(int rate)
    : period_(std::chrono::duration_cast<Clock::duration>(
          std::chrono::nanoseconds(1'000'000'000 / std::max(rate, 1)))) {}

FrameLimiter::Clock::time_point FrameLimiter::NextFrame(Clock::time_point now) {
  next_ = std::max(next_ + period_, now);
  return next_;
}

}  // namespace game
