// The Play subsystem of enemies: waking and alerting each other, sight, chasing along paths, shooting, and
// dying.
#include <algorithm>
#include <cmath>
#include <deque>

#include "game_entry_index.h"
#include "game_play.h"

namespace game {
namespace {

constexpr int kAlertTics = 20;
// From the enemy's centre to the player's: touching bodies and a little more.
constexpr int64_t kMeleeReach = kEnemyRadius + kPlayerRadius + kFixedOne / 4;

Fixed EnemyStepPerTic(int speed) {
  return speed * kFixedOne / (4 * kTicRate);
}

}  // namespace

void Play::DamageEnemy(int index, int damage) {
  Enemy& e = enemies_[static_cast<size_t>(index)];
  e.health -= damage;
  if (e.health <= 0) {
    e.state = EnemyState::kDying;
    e.timer = 0;
    ++stats_.kills;
    SoundAt(EntryIndex("enemy", e.kind + 1, "diesound"), e.x, e.y);
  } else if (e.state == EnemyState::kIdle) {
    Alert(index);
  }
}

// The enemy calls out; idle enemies that hear it close by and can see it join in.
void Play::Alert(int index) {
  Enemy& caller = enemies_[static_cast<size_t>(index)];
  caller.state = EnemyState::kAlert;
  caller.timer = kAlertTics;
  SoundAt(EntryIndex("enemy", caller.kind + 1, "heysound"), caller.x, caller.y);
  constexpr int64_t kCallReach = 6LL * kFixedOne;
  for (Enemy& other : enemies_) {
    if (other.state != EnemyState::kIdle ||
        DistanceSquared(other.x, other.y, caller.x, caller.y) > kCallReach * kCallReach)
      continue;
    if (!LineOfSight(other.x, other.y, caller.x, caller.y)) continue;
    other.state = EnemyState::kAlert;
    other.timer = kAlertTics;
  }
}

void Play::DamagePlayer(int damage) {
  if (player_.carry.god_mode || damage <= 0) return;
  player_.carry.health = std::max(0, player_.carry.health - damage);
  if (data_->settings.red_flash) red_flash_ = kFlashTics;
}

bool Play::LineOfSight(Fixed x, Fixed y, Fixed tx, Fixed ty) const {
  const double ax = ToDouble(x), ay = ToDouble(y), bx = ToDouble(tx), by = ToDouble(ty);
  const double length = std::hypot(bx - ax, by - ay);
  if (length < 1e-6) return true;
  if (length > kSightCells) return false;
  const WallHit hit = CastRay(map_, &sight_open_, ax, ay, (bx - ax) / length, (by - ay) / length, length);
  return !hit.hit || hit.distance >= length;
}

void Play::UpdateEnemies() {
  for (size_t i = 0; i < enemies_.size(); ++i) UpdateEnemy(static_cast<int>(i));
}

void Play::UpdateEnemy(int index) {
  Enemy& e = enemies_[static_cast<size_t>(index)];
  const EnemyKind& kind = data_->enemies[static_cast<size_t>(e.kind)];
  if (e.cooldown > 0) --e.cooldown;
  switch (e.state) {
    case EnemyState::kDead:
      return;
    case EnemyState::kDying:
      if (++e.timer >= kEnemyDeathTics) e.state = EnemyState::kDead;
      return;
    case EnemyState::kIdle:
      if (LineOfSight(e.x, e.y, player_.x, player_.y)) Alert(index);
      return;
    case EnemyState::kAlert:
      if (--e.timer <= 0) e.state = EnemyState::kChase, e.cooldown = kTicRate / 2 + random_.Below(kTicRate);
      return;
    case EnemyState::kShoot:
      if (--e.timer == kEnemyShootTics / 2) Attack(e, kind);
      if (e.timer <= 0) e.state = EnemyState::kChase;
      return;
    case EnemyState::kChase:
      break;
  }
  const bool sees = LineOfSight(e.x, e.y, player_.x, player_.y);
  const int64_t d2 = DistanceSquared(e.x, e.y, player_.x, player_.y);
  // Enemies that can shoot attack from up to 12 cells away, the others (with
  // some power) in melee, standing next to the player.
  const bool in_reach = kind.can_shoot ? d2 < 12LL * 12 * kFixedOne * kFixedOne
                                       : kind.power > 0 && d2 < kMeleeReach * kMeleeReach;
  if (e.cooldown == 0 && sees && in_reach) {
    e.state = EnemyState::kShoot;
    e.timer = kEnemyShootTics;
    e.cooldown = kTicRate + random_.Below(kTicRate);
    return;
  }
  StepEnemyToward(e, index, sees);
}

// The middle of an attack: a shot that hits by chance, falling with the
// distance, or a blow that hits when the player is still within reach.
void Play::Attack(const Enemy& e, const EnemyKind& kind) {
  SoundAt(EntryIndex("enemy", e.kind + 1, "shootsound"), e.x, e.y);
  const int64_t d2 = DistanceSquared(e.x, e.y, player_.x, player_.y);
  if (!kind.can_shoot) {
    if (d2 < kMeleeReach * kMeleeReach) DamagePlayer(kind.power);
    return;
  }
  const double distance = std::sqrt(static_cast<double>(d2)) / kFixedOne;
  const int chance = static_cast<int>(std::clamp(1.0 - distance / 16.0, 0.2, 0.9) * 256);
  if (random_.Below(256) < chance && LineOfSight(e.x, e.y, player_.x, player_.y)) DamagePlayer(kind.power);
}

void Play::StepEnemyToward(Enemy& e, int index, bool sees_player) {
  const Fixed step = EnemyStepPerTic(data_->enemies[static_cast<size_t>(e.kind)].speed);
  if (step == 0) return;
  // Straight at the player while it is in sight and the way is free; else
  // along the shortest path over the grid, one cell centre at a time.
  const bool reached = e.target_x >= 0 && CellOf(e.x) == e.target_x && CellOf(e.y) == e.target_y &&
                       DistanceSquared(e.x, e.y, CellCentre(e.target_x), CellCentre(e.target_y)) <=
                           static_cast<int64_t>(step) * step;
  if (reached) e.target_x = e.target_y = -1;
  if (e.target_x < 0 && !sees_player) SetPathTarget(e);
  const Fixed tx = e.target_x >= 0 ? CellCentre(e.target_x) : player_.x;
  const Fixed ty = e.target_x >= 0 ? CellCentre(e.target_y) : player_.y;
  const double ddx = ToDouble(tx - e.x), ddy = ToDouble(ty - e.y);
  const double length = std::hypot(ddx, ddy);
  if (length < 1e-6) return;
  const Fixed mx = static_cast<Fixed>(std::lround(ddx / length * std::min<double>(step, length * kFixedOne)));
  const Fixed my = static_cast<Fixed>(std::lround(ddy / length * std::min<double>(step, length * kFixedOne)));
  const Fixed old_x = e.x, old_y = e.y;
  TryMove(e.x, e.y, mx, my, kEnemyRadius, true, index);
  if (e.x != old_x || e.y != old_y) ++e.walk_tics;
  const bool blocked = (mx != 0 && e.x == old_x) || (my != 0 && e.y == old_y);
  if (blocked && e.target_x < 0) SetPathTarget(e);
}

void Play::SetPathTarget(Enemy& e) {
  int nx, ny;
  if (!FindPath(e, nx, ny)) return;
  e.target_x = nx, e.target_y = ny;
  const int door = DoorAt(nx, ny);
  if (door >= 0 && doors_[static_cast<size_t>(door)].state == DoorState::kClosed) {
    doors_[static_cast<size_t>(door)].state = DoorState::kOpening;
    SoundAt(EntryIndex("dooropensound"), CellCentre(nx), CellCentre(ny));
  }
}

// Breadth-first search over the grid from the enemy's cell to the player's;
// gives the first cell of the path. Doors count as passable: enemies open them.
bool Play::FindPath(const Enemy& e, int& next_x, int& next_y) const {
  const int sx = CellOf(e.x), sy = CellOf(e.y), gx = CellOf(player_.x), gy = CellOf(player_.y);
  if (!LevelMap::Inside(sx, sy) || !LevelMap::Inside(gx, gy)) return false;
  std::vector<int> came_from(kMapSize * kMapSize, -1);
  std::deque<int> queue{sy * kMapSize + sx};
  came_from[static_cast<size_t>(sy * kMapSize + sx)] = sy * kMapSize + sx;
  static constexpr int kDx[] = {1, -1, 0, 0}, kDy[] = {0, 0, 1, -1};
  while (!queue.empty()) {
    const int cell = queue.front();
    queue.pop_front();
    const int cx = cell % kMapSize, cy = cell / kMapSize;
    if (cx == gx && cy == gy) {
      int c = cell;
      while (came_from[static_cast<size_t>(c)] != sy * kMapSize + sx) c = came_from[static_cast<size_t>(c)];
      next_x = c % kMapSize, next_y = c / kMapSize;
      return true;
    }
    for (int dir = 0; dir < 4; ++dir) {
      const int nx = cx + kDx[dir], ny = cy + kDy[dir];
      if (!LevelMap::Inside(nx, ny) || came_from[static_cast<size_t>(ny * kMapSize + nx)] >= 0) continue;
      const CellKind k = map_.KindAt(nx, ny);
      if (k == CellKind::kWall || k == CellKind::kExitDoor) continue;
      if (k == CellKind::kEmpty && Blocked(nx, ny, true)) continue;
      came_from[static_cast<size_t>(ny * kMapSize + nx)] = cell;
      queue.push_back(ny * kMapSize + nx);
    }
  }
  return false;
}

}  // namespace game
