#include "game_play.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "game_entry_positions.h"

namespace game {
namespace {

constexpr Fixed kPlayerRadius = kFixedOne / 4;
constexpr Fixed kEnemyRadius = kFixedOne * 3 / 10;
constexpr Fixed kPickupReach = kFixedOne / 2;
constexpr Fixed kBulletStep = kFixedOne / 10;  // four steps a tic
constexpr int kBulletSubsteps = 4;
constexpr int kExplosionTics = 10;
constexpr int kMaxPitch = 60;
constexpr int kAlertTics = 20;
constexpr int kFlashTics = 8;
constexpr double kHitWidth = 0.35;
constexpr double kMeleeRange = 1.2;
constexpr int kSightCells = 24;

// Cells walked per tic for a speed setting, angle steps turned per tic, and so on.
Fixed WalkPerTic(int speed) {
  return speed * kFixedOne * 6 / (10 * kTicRate);
}
int TurnPerTic(int speed) {
  return speed * 24 * kAngleSteps / (360 * kTicRate);
}
Fixed EnemyStepPerTic(int speed) {
  return speed * kFixedOne / (4 * kTicRate);
}
int WeaponCooldown(int repetition) {
  return 42 / repetition;
}

bool Held(const TicInput& input, int key) {
  return key != kNoKey && input.held.test(static_cast<size_t>(key));
}
bool Pressed(const TicInput& input, int key) {
  return key != kNoKey && input.pressed.test(static_cast<size_t>(key));
}

// The letter or digit of a key-list index, or 0.
char CharOfKey(int key) {
  if (key >= 3 && key <= 11) return static_cast<char>('1' + key - 3);
  if (key == 12) return '0';
  if (key >= 13 && key <= 38) return static_cast<char>('A' + key - 13);
  if (key == 59) return ' ';
  return 0;
}

int64_t DistanceSquared(Fixed ax, Fixed ay, Fixed bx, Fixed by) {
  const int64_t dx = ax - bx, dy = ay - by;
  return dx * dx + dy * dy;
}

}  // namespace

PlayerCarry NewGameCarry(const WeaponSettings& weapons) {
  PlayerCarry carry;
  if (weapons.start_with_weapon1) {
    carry.owned[0] = true;
    carry.ammo[0] = weapons.weapons[0].start_ammo;
    carry.weapon = 0;
  }
  return carry;
}

Play::Play(const GameData& data, int level, const PlayerCarry& carry, uint32_t seed)
    : data_(&data), level_(level), map_(data.levels.at(static_cast<size_t>(level - 1))), random_(seed) {
  player_.x = CellCentre(map_.start_x);
  player_.y = CellCentre(map_.start_y);
  player_.carry = carry;
  // Face the longest free line from the start.
  int best = -1;
  for (int quarter = 0; quarter < 4; ++quarter) {
    static constexpr int kDx[] = {1, 0, -1, 0}, kDy[] = {0, 1, 0, -1};
    int run = 0;
    while (run < kMapSize && map_.KindAt(map_.start_x + kDx[quarter] * (run + 1),
                                         map_.start_y + kDy[quarter] * (run + 1)) == CellKind::kEmpty)
      ++run;
    if (run > best) best = run, player_.angle = quarter * kAngleSteps / 4;
  }
  door_index_.assign(kMapSize * kMapSize, -1);
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (map_.KindAt(x, y) == CellKind::kDoor) {
        door_index_[static_cast<size_t>(y * kMapSize + x)] = static_cast<int>(doors_.size());
        doors_.push_back({x, y});
      }
  for (const PlacedThing& t : map_.things) {
    if (t.kind == ThingKind::kSprite) {
      props_.push_back({t.number - 1, t.x, t.y});
    } else if (t.kind == ThingKind::kEnemy) {
      Enemy e;
      e.kind = t.number - 1;
      e.x = CellCentre(t.x);
      e.y = CellCentre(t.y);
      e.health = data.enemies[static_cast<size_t>(e.kind)].endurance;
      enemies_.push_back(e);
    } else {
      if (t.kind == ThingKind::kKey) level_has_key_ = true;
      items_.push_back({t.kind, t.number, t.x, t.y});
    }
  }
  RefreshDoorOpen();
}

std::vector<int> Play::TakeSounds() {
  std::vector<int> taken;
  taken.swap(sounds_);
  return taken;
}

int Play::DoorAt(int x, int y) const {
  return LevelMap::Inside(x, y) ? door_index_[static_cast<size_t>(y * kMapSize + x)] : -1;
}

void Play::RefreshDoorOpen() {
  for (const Door& d : doors_) {
    const size_t cell = static_cast<size_t>(d.y * kMapSize + d.x);
    door_open_[cell] = static_cast<float>(ToDouble(d.open));
    sight_open_[cell] = d.open >= kFixedOne / 2 ? 1.f : 0.f;
  }
}

void Play::Tick(const TicInput& input) {
  if (outcome_ != Outcome::kPlaying) return;
  ++tic_;
  if (red_flash_ > 0) --red_flash_;
  if (bright_flash_ > 0) --bright_flash_;
  CheckCheat(input);
  if (Pressed(input, data_->settings.map_key)) show_map_ = !show_map_;
  MovePlayer(input);
  if (Pressed(input, data_->settings.open_door_key)) UseDoor();
  UpdateDoors();
  RefreshDoorOpen();
  PickUpItems();
  HandleWeapon(input);
  UpdateBullets();
  UpdateEnemies();
  RefreshDoorOpen();
  if (player_.carry.health <= 0) outcome_ = Outcome::kDied;
}

bool Play::Blocked(int cx, int cy, bool for_enemy) const {
  switch (map_.KindAt(cx, cy)) {
    case CellKind::kWall:
    case CellKind::kExitDoor:
      return true;
    case CellKind::kDoor:
      return doors_[static_cast<size_t>(DoorAt(cx, cy))].open < kFixedOne;
    default:
      break;
  }
  for (const Prop& p : props_)
    if (p.x == cx && p.y == cy && !p.destroyed && data_->sprites[static_cast<size_t>(p.kind)].collision)
      return true;
  (void)for_enemy;
  return false;
}

bool Play::Collides(Fixed x, Fixed y, Fixed radius, bool for_enemy, int ignore_enemy) const {
  for (int cy = CellOf(y - radius); cy <= CellOf(y + radius); ++cy)
    for (int cx = CellOf(x - radius); cx <= CellOf(x + radius); ++cx)
      if (Blocked(cx, cy, for_enemy)) return true;
  if (for_enemy) {
    const int64_t reach = static_cast<int64_t>(radius + kPlayerRadius);
    if (DistanceSquared(x, y, player_.x, player_.y) < reach * reach) return true;
  }
  for (size_t i = 0; i < enemies_.size(); ++i) {
    const Enemy& e = enemies_[i];
    if (static_cast<int>(i) == ignore_enemy || e.state == EnemyState::kDying || e.state == EnemyState::kDead)
      continue;
    const int64_t reach = static_cast<int64_t>(radius + kEnemyRadius);
    if (DistanceSquared(x, y, e.x, e.y) < reach * reach) return true;
  }
  return false;
}

void Play::TryMove(Fixed& x, Fixed& y, Fixed dx, Fixed dy, Fixed radius, bool for_enemy, int self) {
  if (dx != 0 && !Collides(x + dx, y, radius, for_enemy, self)) x += dx;
  if (dy != 0 && !Collides(x, y + dy, radius, for_enemy, self)) y += dy;
}

void Play::MovePlayer(const TicInput& input) {
  const GameSettings& s = data_->settings;
  Player& p = player_;
  int turn = 0;
  if (Held(input, s.turn_left_key)) turn -= TurnPerTic(s.turn_speed);
  if (Held(input, s.turn_right_key)) turn += TurnPerTic(s.turn_speed);
  if (s.turn_mouse) turn += input.mouse_dx * s.mouse_sensitivity * 2;
  p.angle = NormalAngle(p.angle + turn);

  int look = 0;
  if (Held(input, s.look_up_key)) look += s.look_speed;
  if (Held(input, s.look_down_key)) look -= s.look_speed;
  const bool mouse_walks = s.walk_forward_mouse || s.walk_backward_mouse;
  if (s.look_mouse && !mouse_walks) look -= input.mouse_dy * s.mouse_sensitivity / 4;
  p.pitch = std::clamp(p.pitch + look, -kMaxPitch, kMaxPitch);

  Fixed forward = 0, sideways = 0;
  if (Held(input, s.walk_forward_key)) forward += WalkPerTic(s.walk_forward_speed);
  if (Held(input, s.walk_backward_key)) forward -= WalkPerTic(s.walk_backward_speed);
  if (s.walk_forward_mouse && input.mouse_dy < 0)
    forward += std::min(-input.mouse_dy * s.mouse_sensitivity * kFixedOne / 2000,
                        4 * WalkPerTic(s.walk_forward_speed));
  if (s.walk_backward_mouse && input.mouse_dy > 0)
    forward -= std::min(input.mouse_dy * s.mouse_sensitivity * kFixedOne / 2000,
                        4 * WalkPerTic(s.walk_backward_speed));
  if (Held(input, s.step_left_key)) sideways -= WalkPerTic(s.step_speed);
  if (Held(input, s.step_right_key)) sideways += WalkPerTic(s.step_speed);
  if (forward == 0 && sideways == 0) {
    p.step_counter = 0;
    return;
  }
  const Fixed c = FixedCos(p.angle), sn = FixedSin(p.angle);
  const Fixed dx = FixedMul(forward, c) - FixedMul(sideways, sn);
  const Fixed dy = FixedMul(forward, sn) + FixedMul(sideways, c);
  TryMove(p.x, p.y, dx, dy, kPlayerRadius, false, -1);
  if (p.step_counter++ % 14 == 0) Sound(entry::kFootstepSound);
}

void Play::UseDoor() {
  const Fixed c = FixedCos(player_.angle), s = FixedSin(player_.angle);
  for (Fixed reach : {kFixedOne / 2, kFixedOne, kFixedOne * 3 / 2}) {
    const int cx = CellOf(player_.x + FixedMul(reach, c));
    const int cy = CellOf(player_.y + FixedMul(reach, s));
    const CellKind kind = map_.KindAt(cx, cy);
    if (kind == CellKind::kExitDoor) {
      if (level_has_key_ && !player_.has_key) {
        Sound(entry::kSireneSound);
      } else {
        Sound(entry::kNextLevelSound);
        outcome_ = Outcome::kLevelDone;
      }
      return;
    }
    if (kind == CellKind::kDoor) {
      Door& d = doors_[static_cast<size_t>(DoorAt(cx, cy))];
      if (d.state == DoorState::kClosed || d.state == DoorState::kClosing) {
        d.state = DoorState::kOpening;
        Sound(entry::kDoorOpenSound);
      }
      return;
    }
    if (kind == CellKind::kWall) return;
  }
}

void Play::UpdateDoors() {
  const Fixed step = kFixedOne / kDoorMoveTics + 1;
  for (Door& d : doors_) {
    switch (d.state) {
      case DoorState::kOpening:
        d.open = std::min(kFixedOne, d.open + step);
        if (d.open == kFixedOne) d.state = DoorState::kOpen, d.timer = kDoorStayTics;
        break;
      case DoorState::kOpen: {
        if (--d.timer > 0) break;
        // Anything standing in the doorway keeps the door open.
        bool occupied = CellOf(player_.x) == d.x && CellOf(player_.y) == d.y;
        for (const Enemy& e : enemies_) occupied = occupied || (CellOf(e.x) == d.x && CellOf(e.y) == d.y);
        occupied = occupied || Collides(CellCentre(d.x), CellCentre(d.y), kFixedOne / 2 - 1, true);
        if (occupied) {
          d.timer = kTicRate;
        } else {
          d.state = DoorState::kClosing;
          Sound(entry::kDoorCloseSound);
        }
        break;
      }
      case DoorState::kClosing:
        d.open = std::max(0, d.open - step);
        if (d.open == 0) d.state = DoorState::kClosed;
        break;
      case DoorState::kClosed:
        break;
    }
  }
}

void Play::PickUpItems() {
  PlayerCarry& c = player_.carry;
  const WeaponSettings& ws = data_->weapons;
  for (Item& item : items_) {
    if (item.taken) continue;
    const int64_t reach = kPickupReach;
    if (DistanceSquared(player_.x, player_.y, CellCentre(item.x), CellCentre(item.y)) >= reach * reach)
      continue;
    int sound = -1;
    switch (item.kind) {
      case ThingKind::kHealth:
        if (c.health >= kMaxHealth) continue;
        c.health = std::min(kMaxHealth, c.health + data_->packs.health);
        sound = entry::kHealthFoundSound;
        break;
      case ThingKind::kAmmo: {
        bool used = false;
        for (size_t w = 0; w < 6; ++w) {
          const WeaponKind& k = ws.weapons[w];
          if (!c.owned[w] || !k.can_shoot || c.ammo[w] >= k.max_ammo) continue;
          c.ammo[w] = std::min(k.max_ammo, c.ammo[w] + data_->packs.ammo);
          used = true;
        }
        if (!used) continue;
        sound = entry::kAmmoFoundSound;
        break;
      }
      case ThingKind::kWeapon: {
        const size_t w = static_cast<size_t>(item.number - 1);
        const WeaponKind& k = ws.weapons[w];
        if (c.owned[w] && (!k.can_shoot || c.ammo[w] >= k.max_ammo)) continue;
        c.ammo[w] = c.owned[w] ? std::min(k.max_ammo, c.ammo[w] + k.start_ammo) : k.start_ammo;
        if (!c.owned[w]) c.weapon = static_cast<int>(w);
        c.owned[w] = true;
        sound = entry::kWeaponFoundSound;
        break;
      }
      case ThingKind::kKey:
        player_.has_key = true;
        sound = entry::kKeyFoundSound;
        break;
      case ThingKind::kTreasure:
        c.score += data_->treasure_points[static_cast<size_t>(item.number - 1)];
        sound = entry::kTreasureFoundSound;
        break;
      default:
        continue;
    }
    item.taken = true;
    Sound(sound);
    if (data_->settings.bright_flash) bright_flash_ = kFlashTics;
  }
}

void Play::HandleWeapon(const TicInput& input) {
  PlayerCarry& c = player_.carry;
  if (player_.cooldown > 0) --player_.cooldown;
  if (player_.fire_tics < 1000) ++player_.fire_tics;
  if (Pressed(input, data_->weapons.select_key)) {
    for (int step = 1; step <= 6; ++step) {
      const int w = (c.weapon + step + 6) % 6;
      if (c.owned[static_cast<size_t>(w)]) {
        if (w != c.weapon) Sound(entry::kReloadSound);
        c.weapon = w;
        break;
      }
    }
  }
  if (c.weapon < 0 || !Held(input, data_->settings.shoot_key) || player_.cooldown > 0) return;
  const size_t w = static_cast<size_t>(c.weapon);
  const WeaponKind& kind = data_->weapons.weapons[w];
  if (kind.can_shoot) {
    if (c.ammo[w] <= 0) return;
    --c.ammo[w];
  }
  player_.cooldown = WeaponCooldown(kind.repetition);
  player_.fire_tics = 0;
  Sound(entry::kWeaponSound + c.weapon);
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
  if (enemy_hit >= 0 || prop_hit || wall_in_reach) Sound(entry::kImpactSound + player_.carry.weapon);
}

void Play::UpdateBullets() {
  for (Bullet& b : bullets_) {
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
        Sound(entry::kImpactSound + b.weapon);
      }
    }
  }
  std::erase_if(bullets_, [](const Bullet& b) { return b.done; });
}

void Play::DamageEnemy(int index, int damage) {
  Enemy& e = enemies_[static_cast<size_t>(index)];
  e.health -= damage;
  if (e.health <= 0) {
    e.state = EnemyState::kDying;
    e.timer = 0;
    Sound(entry::kEnemyDieSound + e.kind);
  } else if (e.state == EnemyState::kIdle) {
    Alert(index);
  }
}

// The enemy calls out; idle enemies that hear it close by and can see it join in.
void Play::Alert(int index) {
  Enemy& caller = enemies_[static_cast<size_t>(index)];
  caller.state = EnemyState::kAlert;
  caller.timer = kAlertTics;
  Sound(entry::kEnemyHeySound + caller.kind);
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

void Play::DamageProp(Prop& prop, int damage) {
  const int endurance = data_->sprites[static_cast<size_t>(prop.kind)].endurance;
  if (endurance <= 0) return;
  prop.hits += damage;
  if (prop.hits >= endurance) {
    prop.destroyed = true;
    Sound(entry::kSpriteDestroySound + prop.kind);
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
      if (--e.timer == kEnemyShootTics / 2) {
        Sound(entry::kEnemyShootSound + e.kind);
        const double distance =
            std::sqrt(static_cast<double>(DistanceSquared(e.x, e.y, player_.x, player_.y))) / kFixedOne;
        const int chance = static_cast<int>(std::clamp(1.0 - distance / 16.0, 0.2, 0.9) * 256);
        if (random_.Below(256) < chance && LineOfSight(e.x, e.y, player_.x, player_.y))
          DamagePlayer(kind.power);
      }
      if (e.timer <= 0) e.state = EnemyState::kChase;
      return;
    case EnemyState::kChase:
      break;
  }
  const bool sees = LineOfSight(e.x, e.y, player_.x, player_.y);
  const int64_t d2 = DistanceSquared(e.x, e.y, player_.x, player_.y);
  // Only enemies that can shoot attack, from up to 12 cells away.
  if (e.cooldown == 0 && sees && kind.can_shoot && d2 < 12LL * 12 * kFixedOne * kFixedOne) {
    e.state = EnemyState::kShoot;
    e.timer = kEnemyShootTics;
    e.cooldown = kTicRate + random_.Below(kTicRate);
    return;
  }
  StepEnemyToward(e, index, sees);
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
    Sound(entry::kDoorOpenSound);
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

void Play::CheckCheat(const TicInput& input) {
  const std::string& code = data_->cheat_code;
  if (code.empty()) return;
  for (int key = 0; key < kKeyCount; ++key) {
    const char ch = Pressed(input, key) ? CharOfKey(key) : 0;
    if (!ch) continue;
    typed_.push_back(ch);
    if (typed_.size() > code.size()) typed_.erase(0, typed_.size() - code.size());
    std::string wanted = code;
    for (char& c : wanted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (typed_ == wanted) {
      player_.carry.god_mode = !player_.carry.god_mode;
      typed_.clear();
    }
  }
}

uint64_t Play::Digest() const {
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](int64_t v) {
    h ^= static_cast<uint64_t>(v);
    h *= 1099511628211ull;
  };
  const PlayerCarry& c = player_.carry;
  for (int64_t v :
       {int64_t{player_.x}, int64_t{player_.y}, int64_t{player_.angle}, int64_t{player_.pitch},
        int64_t{c.health}, int64_t{c.score}, int64_t{c.weapon}, int64_t{c.god_mode}, int64_t{player_.has_key},
        int64_t{player_.cooldown}, int64_t{tic_}, int64_t{random_.state()}, int64_t{show_map_}})
    mix(v);
  for (size_t w = 0; w < 6; ++w) mix(c.ammo[w] * 2 + c.owned[w]);
  for (const Door& d : doors_) mix(d.open), mix(static_cast<int>(d.state)), mix(d.timer);
  for (const Item& i : items_) mix(i.taken);
  for (const Prop& p : props_) mix(p.hits), mix(p.destroyed);
  for (const Enemy& e : enemies_)
    for (int64_t v : {int64_t{e.x}, int64_t{e.y}, int64_t{e.health}, int64_t{static_cast<int>(e.state)},
                      int64_t{e.timer}, int64_t{e.cooldown}})
      mix(v);
  for (const Bullet& b : bullets_) mix(b.x), mix(b.y), mix(b.explode_tics);
  return h;
}

}  // namespace game
