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

constexpr int kEmptyClickTics = kTicRate / 3;

int WeaponCooldown(int repetition) {
  return 42 / repetition;
}

// Whether the weapon can fire now: it shoots and has ammunition, or it is a melee weapon.
bool Loaded(const PlayerCarry& c, const WeaponSettings& weapons, int w) {
  const size_t k = static_cast<size_t>(w);
  return c.owned[k] && (!weapons.weapons[k].can_shoot || c.ammo[k] > 0);
}

}  // namespace

void Play::ChooseWeapon(const TicInput& input) {
  PlayerCarry& c = player_.carry;
  int step = 0;
  if (Presses(input, Action::kNextWeapon) || input.wheel < 0) step = 1;
  if (Presses(input, Action::kPreviousWeapon) || input.wheel > 0) step = -1;
  int chosen = c.weapon;
  if (step != 0) {
    const int from = c.weapon >= 0 ? c.weapon : (step > 0 ? 5 : 0);
    for (int k = 1; k <= 6; ++k) {
      const int w = (from + step * k + 12) % 6;
      if (c.owned[static_cast<size_t>(w)]) {
        chosen = w;
        break;
      }
    }
  }
  // The number keys take a weapon in hand, unless the player bound one of them to an action.
  for (int key = kWeaponKeyFirst; key <= kWeaponKeyLast; ++key) {
    const bool bound = std::find(controls_.keys.begin(), controls_.keys.end(), key) != controls_.keys.end();
    if (!bound && input.Pressed(key) && c.owned[static_cast<size_t>(key - kWeaponKeyFirst)])
      chosen = key - kWeaponKeyFirst;
  }
  if (chosen != c.weapon) Sound(EntryIndex("reloadsound"));
  c.weapon = chosen;
}

// The strongest owned weapon that can fire: one with ammunition before a melee weapon.
void Play::TakeBestLoadedWeapon() {
  PlayerCarry& c = player_.carry;
  int best = -1, best_rank = -1;
  for (int w = 0; w < 6; ++w) {
    if (w == c.weapon || !Loaded(c, data_->weapons, w)) continue;
    const WeaponKind& kind = data_->weapons.weapons[static_cast<size_t>(w)];
    const int rank = (kind.can_shoot ? 100 : 0) + kind.power * 8 + w;
    if (rank > best_rank) best = w, best_rank = rank;
  }
  if (best < 0) return;
  c.weapon = best;
  Sound(EntryIndex("reloadsound"));
}

void Play::HandleWeapon(const TicInput& input) {
  PlayerCarry& c = player_.carry;
  if (player_.cooldown > 0) --player_.cooldown;
  if (player_.fire_tics < 1000) ++player_.fire_tics;
  ChooseWeapon(input);
  if (c.weapon < 0 || !Holds(input, Action::kShoot) || player_.cooldown > 0) return;
  const size_t w = static_cast<size_t>(c.weapon);
  const WeaponKind& kind = data_->weapons.weapons[w];
  if (kind.can_shoot && c.ammo[w] <= 0) {
    Sound(kEmptyClickSound);
    player_.cooldown = kEmptyClickTics;
    TakeBestLoadedWeapon();
    return;
  }
  if (kind.can_shoot) --c.ammo[w];
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
    SoundAt(EntryIndex("impact", player_.carry.weapon + 1, "sound"), player_.x + ToFixed(dx * nearest),
            player_.y + ToFixed(dy * nearest));
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
        SoundAt(EntryIndex("impact", b.weapon + 1, "sound"), b.x, b.y);
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
    SoundAt(EntryIndex("spr", prop.kind + 1, "destroysound"), CellCentre(prop.x), CellCentre(prop.y));
  }
}

}  // namespace game
