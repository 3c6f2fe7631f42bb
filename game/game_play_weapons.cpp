// The Play subsystem of weapons: choosing and firing them, shots that hit at once, bullets that fly, and
// props they damage.
#include <algorithm>
#include <cmath>

#include "game_entry_index.h"
#include "game_play.h"

namespace game {
namespace {

constexpr Fixed kBulletStep = kFixedOne / 10;  // four steps a tic
constexpr int kBulletSubsteps = 4;
constexpr int kExplosionTics = 10;
constexpr double kHitWidth = 0.35;
constexpr double kMeleeRange = 1.2;

int WeaponCooldown(int repetition) {
  return 42 / repetition;
}

}  // namespace

void Play::HandleWeapon(const TicInput& input) {
  PlayerCarry& c = player_.carry;
  if (player_.cooldown > 0) --player_.cooldown;
  if (player_.fire_tics < 1000) ++player_.fire_tics;
  if (input.Pressed(data_->weapons.select_key)) {
    for (int step = 1; step <= 6; ++step) {
      const int w = (c.weapon + step + 6) % 6;
      if (c.owned[static_cast<size_t>(w)]) {
        if (w != c.weapon) Sound(EntryIndex("reloadsound"));
        c.weapon = w;
        break;
      }
    }
  }
  if (c.weapon < 0 || !input.Held(data_->settings.shoot_key) || player_.cooldown > 0) return;
  const size_t w = static_cast<size_t>(c.weapon);
  const WeaponKind& kind = data_->weapons.weapons[w];
  if (kind.can_shoot) {
    if (c.ammo[w] <= 0) return;
    --c.ammo[w];
  }
  player_.cooldown = WeaponCooldown(kind.repetition);
  player_.fire_tics = 0;
  Sound(EntryIndex("weapon", c.weapon + 1, "sound"));
  if (kind.show_bullet) {
    Bullet b;
    b.weapon = c.weapon;
    b.dx = FixedMul(kBulletStep, FixedCos(player_.angle));
    b.dy = FixedMul(kBulletStep, FixedSin(player_.angle));
    b.x = player_.x + 3 * b.dx;
    b.y = player_.y + 3 * b.dy;
    bullets_.push_back(b);
  } else {
    FireHitscan(kind, !kind.can_shoot);
  }
}

void Play::FireHitscan(const WeaponKind& weapon, bool melee) {
  const double px = ToDouble(player_.x), py = ToDouble(player_.y);
  const double angle = AngleToRadians(player_.angle);
  const double dx = std::cos(angle), dy = std::sin(angle);
  const WallHit wall = CastRay(map_, &door_open_, px, py, dx, dy, kSightCells * 2.0);
  double nearest = std::min(wall.hit ? wall.distance : 1e9, melee ? kMeleeRange : 1e9);
  int enemy_hit = -1;
  Prop* prop_hit = nullptr;
  for (size_t i = 0; i < enemies_.size(); ++i) {
    const Enemy& e = enemies_[i];
    if (e.state == EnemyState::kDying || e.state == EnemyState::kDead) continue;
    const double rx = ToDouble(e.x) - px, ry = ToDouble(e.y) - py;
    const double along = rx * dx + ry * dy;
    if (along > 0 && along < nearest && std::abs(rx * dy - ry * dx) < kHitWidth)
      nearest = along, enemy_hit = static_cast<int>(i);
  }
  for (Prop& p : props_) {
    const SpriteKind& k = data_->sprites[static_cast<size_t>(p.kind)];
    if (p.destroyed || !k.collision || k.shoot_through) continue;
    const double rx = p.x + 0.5 - px, ry = p.y + 0.5 - py;
    const double along = rx * dx + ry * dy;
    if (along > 0 && along < nearest && std::abs(rx * dy - ry * dx) < 0.5)
      nearest = along, prop_hit = &p, enemy_hit = -1;
  }
  if (enemy_hit >= 0) {
    DamageEnemy(enemy_hit, weapon.power);
  } else if (prop_hit) {
    DamageProp(*prop_hit, weapon.power);
  }
  const bool wall_in_reach = wall.hit && (!melee || wall.distance <= kMeleeRange);
  if (enemy_hit >= 0 || prop_hit || wall_in_reach)
    Sound(EntryIndex("impact", player_.carry.weapon + 1, "sound"));
}

void Play::UpdateBullets() {
  for (Bullet& b : bullets_) {
    b.from_x = b.x, b.from_y = b.y;
    if (b.explode_tics > 0) {
      if (--b.explode_tics == 0) b.done = true;
      continue;
    }
    const int power = data_->weapons.weapons[static_cast<size_t>(b.weapon)].power;
    for (int step = 0; step < kBulletSubsteps && b.explode_tics == 0; ++step) {
      b.x += b.dx;
      b.y += b.dy;
      bool hit = false;
      for (size_t i = 0; i < enemies_.size() && !hit; ++i) {
        const Enemy& e = enemies_[i];
        if (e.state == EnemyState::kDying || e.state == EnemyState::kDead) continue;
        if (DistanceSquared(b.x, b.y, e.x, e.y) < static_cast<int64_t>(kEnemyRadius) * kEnemyRadius) {
          DamageEnemy(static_cast<int>(i), power);
          hit = true;
        }
      }
      const int cx = CellOf(b.x), cy = CellOf(b.y);
      for (Prop& p : props_) {
        if (hit || p.destroyed || p.x != cx || p.y != cy) continue;
        if (!data_->sprites[static_cast<size_t>(p.kind)].collision) continue;
        DamageProp(p, power);
        hit = true;
      }
      const CellKind kind = map_.KindAt(cx, cy);
      if (kind == CellKind::kWall || kind == CellKind::kExitDoor ||
          (kind == CellKind::kDoor && doors_[static_cast<size_t>(DoorAt(cx, cy))].open < kFixedOne / 2))
        hit = true;
      if (hit) {
        b.x -= b.dx;
        b.y -= b.dy;
        b.explode_tics = kExplosionTics;
        Sound(EntryIndex("impact", b.weapon + 1, "sound"));
      }
    }
  }
  std::erase_if(bullets_, [](const Bullet& b) { return b.done; });
}

void Play::DamageProp(Prop& prop, int damage) {
  const int endurance = data_->sprites[static_cast<size_t>(prop.kind)].endurance;
  if (endurance <= 0) return;
  prop.hits += damage;
  if (prop.hits >= endurance) {
    prop.destroyed = true;
    Sound(EntryIndex("spr", prop.kind + 1, "destroysound"));
  }
}

}  // namespace game
