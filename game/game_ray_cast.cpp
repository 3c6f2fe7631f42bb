#include "game_ray_cast.h"

#include <algorithm>
#include <cmath>

namespace game {
namespace {

float DoorOpennessAt(const DoorOpenness* door_open, int x, int y) {
  if (!door_open || !LevelMap::Inside(x, y)) return 0.f;
  return (*door_open)[static_cast<size_t>(y * kMapSize + x)];
}

// The hit on the door plane inside cell (mx, my) between the ray lengths
// t_enter and t_exit, if the ray meets the closed part of the door.
bool HitDoor(const LevelMap& map, const DoorOpenness* door_open, int mx, int my, double px, double py,
             double dx, double dy, double t_enter, double t_exit, WallHit& hit) {
  const bool spans_we = DoorSpansWestEast(map, mx, my);
  const double along = spans_we ? dy : dx;
  if (along == 0) return false;
  const double t = spans_we ? (my + 0.5 - py) / dy : (mx + 0.5 - px) / dx;
  if (t < t_enter || t > t_exit || t < 0) return false;
  const double across = spans_we ? px + t * dx - mx : py + t * dy - my;
  const double open = DoorOpennessAt(door_open, mx, my);
  if (across < open || across >= 1.0) return false;
  hit = {t, mx, my, CellKind::kDoor, std::clamp(across - open, 0.0, 0.999999), true};
  return true;
}

}  // namespace

bool DoorSpansWestEast(const LevelMap& map, int x, int y) {
  return map.KindAt(x - 1, y) == CellKind::kWall && map.KindAt(x + 1, y) == CellKind::kWall;
}

WallHit CastRay(const LevelMap& map, const DoorOpenness* door_open, double px, double py, double dx,
                double dy, double max_distance) {
  int mx = static_cast<int>(std::floor(px));
  int my = static_cast<int>(std::floor(py));
  const double delta_x = dx == 0 ? 1e30 : std::abs(1.0 / dx);
  const double delta_y = dy == 0 ? 1e30 : std::abs(1.0 / dy);
  const int step_x = dx < 0 ? -1 : 1;
  const int step_y = dy < 0 ? -1 : 1;
  double side_x = dx < 0 ? (px - mx) * delta_x : (mx + 1.0 - px) * delta_x;
  double side_y = dy < 0 ? (py - my) * delta_y : (my + 1.0 - py) * delta_y;
  int side = -1;  // -1 the start cell, 0 entered across a vertical line, 1 across a horizontal one
  WallHit hit;
  for (int steps = 0; steps < 4 * kMapSize; ++steps) {
    const double t_enter = side < 0 ? 0.0 : side == 0 ? side_x - delta_x : side_y - delta_y;
    if (t_enter > max_distance) break;
    const CellKind kind = map.KindAt(mx, my);
    if (kind == CellKind::kDoor) {
      if (HitDoor(map, door_open, mx, my, px, py, dx, dy, t_enter, std::min(side_x, side_y), hit)) return hit;
    } else if (kind != CellKind::kEmpty && side >= 0) {
      double u;
      if (side == 0) {
        const double f = py + t_enter * dy - my;
        u = dx > 0 ? f : 1.0 - f;
      } else {
        const double f = px + t_enter * dx - mx;
        u = dy > 0 ? 1.0 - f : f;
      }
      return {t_enter, mx, my, kind, std::clamp(u, 0.0, 0.999999), true};
    }
    if (side_x < side_y) {
      side_x += delta_x;
      mx += step_x;
      side = 0;
    } else {
      side_y += delta_y;
      my += step_y;
      side = 1;
    }
  }
  hit.distance = max_distance;
  return hit;
}

}  // namespace game
