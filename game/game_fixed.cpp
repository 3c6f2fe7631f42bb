#include "game_fixed.h"

#include <array>
#include <cmath>
#include <numbers>

namespace game {
namespace {

// One table of sines for the whole run, made once and never changed.
const std::array<Fixed, kAngleSteps>& SineTable() {
  static const std::array<Fixed, kAngleSteps> table = [] {
    std::array<Fixed, kAngleSteps> t{};
    for (int i = 0; i < kAngleSteps; ++i)
      t[static_cast<size_t>(i)] = static_cast<Fixed>(std::lround(std::sin(AngleToRadians(i)) * kFixedOne));
    return t;
  }();
  return table;
}

}  // namespace

double AngleToRadians(int angle) {
  return NormalAngle(angle) * (2.0 * std::numbers::pi / kAngleSteps);
}

Fixed FixedSin(int angle) {
  return SineTable()[static_cast<size_t>(NormalAngle(angle))];
}

Fixed FixedCos(int angle) {
  return SineTable()[static_cast<size_t>(NormalAngle(angle + kAngleSteps / 4))];
}

}  // namespace game
