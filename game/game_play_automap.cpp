// The Play subsystem of the automap: the cells the player has seen, found by
// rays over the field in front of him, cut off where walls and closed doors
// block the view.
#include <cmath>

#include "game_play.h"

namespace game {
namespace {

constexpr int kRays = 48;
constexpr double kHalfSpread = 1.05;  // radians each side of the facing: wider than any view
constexpr double kStep = 0.2;         // cells between the samples along a ray

}  // namespace

void Play::RevealSeenCells() {
  const double px = ToDouble(player_.x), py = ToDouble(player_.y);
  const double facing = AngleToRadians(player_.angle);
  for (int ray = 0; ray < kRays; ++ray) {
    const double angle = facing - kHalfSpread + 2 * kHalfSpread * ray / (kRays - 1);
    const double dx = std::cos(angle), dy = std::sin(angle);
    for (double t = 0; t <= kSightCells; t += kStep) {
      const int x = static_cast<int>(std::floor(px + dx * t)), y = static_cast<int>(std::floor(py + dy * t));
      if (!LevelMap::Inside(x, y)) break;
      const size_t cell = static_cast<size_t>(y * kMapSize + x);
      seen_.set(cell);
      const CellKind kind = map_.KindAt(x, y);
      if (kind == CellKind::kWall || kind == CellKind::kExitDoor || (kind == CellKind::kDoor && sight_open_[cell] < 1))
        break;
    }
  }
}

}  // namespace game
