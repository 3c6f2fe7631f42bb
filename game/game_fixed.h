// Fixed-point numbers and angles of the simulation, and its seeded random numbers.
#pragma once

#include <cstdint>

namespace game {

// Positions and distances in 1/65536 of a cell.
using Fixed = int32_t;
constexpr int kFixedBits = 16;
constexpr Fixed kFixedOne = 1 << kFixedBits;

constexpr Fixed ToFixed(double v) {
  return static_cast<Fixed>(v * kFixedOne);
}
constexpr double ToDouble(Fixed v) {
  return static_cast<double>(v) / kFixedOne;
}
constexpr Fixed FixedMul(Fixed a, Fixed b) {
  return static_cast<Fixed>((static_cast<int64_t>(a) * b) >> kFixedBits);
}
constexpr int CellOf(Fixed v) {
  return v >> kFixedBits;  // arithmetic shift: floor
}
constexpr Fixed CellCentre(int cell) {
  return cell * kFixedOne + kFixedOne / 2;
}

constexpr int64_t DistanceSquared(Fixed ax, Fixed ay, Fixed bx, Fixed by) {
  const int64_t dx = ax - bx, dy = ay - by;
  return dx * dx + dy * dy;
}

// Angles in 1/16384 of a turn; 0 looks east, a quarter turn south.
constexpr int kAngleSteps = 16384;
constexpr int NormalAngle(int a) {
  return a & (kAngleSteps - 1);
}
Fixed FixedCos(int angle);
Fixed FixedSin(int angle);
double AngleToRadians(int angle);

// xorshift32: the same sequence for the same seed on every machine.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // 0 .. n - 1
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  uint32_t state() const { return state_; }

 private:
  uint32_t state_;
};

}  // namespace game
