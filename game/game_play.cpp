// The simulation's set-up, its tic, the cheat code and the state digest.
#include "game_play.h"

#include <cctype>

namespace game {
namespace {

// The letter or digit of a key-list index, or 0.
char CharOfKey(int key) {
  if (key >= 3 && key <= 11) return static_cast<char>('1' + key - 3);
  if (key == 12) return '0';
  if (key >= 13 && key <= 38) return static_cast<char>('A' + key - 13);
  if (key == 59) return ' ';
  return 0;
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
    : data_(&data),
      level_(level),
      map_(data.levels.at(static_cast<size_t>(level - 1))),
      controls_(AuthorControls(data.settings, data.weapons)),
      random_(seed) {
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
      if (t.kind == ThingKind::kTreasure) ++stats_.treasure_total;
      items_.push_back({t.kind, t.number, t.x, t.y});
    }
  }
  stats_.enemies = static_cast<int>(enemies_.size());
  RefreshDoorOpen();
  RevealSeenCells();
  MarkTicStart();
}

void Play::MarkTicStart() {
  tic_start_.x = player_.x;
  tic_start_.y = player_.y;
  tic_start_.angle = player_.angle;
  tic_start_.pitch = player_.pitch;
  tic_start_.enemies.clear();
  for (const Enemy& e : enemies_) tic_start_.enemies.push_back({e.x, e.y});
  tic_start_.doors.clear();
  for (const Door& d : doors_) tic_start_.doors.push_back(d.open);
}

void Play::PlacePlayer(int x, int y, int degrees) {
  player_.x = CellCentre(x);
  player_.y = CellCentre(y);
  player_.angle = NormalAngle(static_cast<int>(static_cast<int64_t>(degrees) * kAngleSteps / 360));
}

std::vector<SoundEvent> Play::TakeSounds() {
  std::vector<SoundEvent> taken;
  taken.swap(sounds_);
  return taken;
}

void Play::Tick(const TicInput& input) {
  if (outcome_ != Outcome::kPlaying) return;
  MarkTicStart();
  ++tic_;
  if (red_flash_ > 0) --red_flash_;
  if (bright_flash_ > 0) --bright_flash_;
  CheckCheat(input);
  if (Presses(input, Action::kShowMap)) show_map_ = !show_map_;
  MovePlayer(input);
  RevealSeenCells();
  if (Presses(input, Action::kOpenDoor)) UseDoor();
  UpdateDoors();
  RefreshDoorOpen();
  PickUpItems();
  HandleWeapon(input);
  UpdateBullets();
  UpdateEnemies();
  RefreshDoorOpen();
  if (player_.carry.health <= 0) {
    outcome_ = Outcome::kDied;
    Sound(kPlayerDeathSound);
  }
}

void Play::CheckCheat(const TicInput& input) {
  const std::string& code = data_->cheat_code;
  if (code.empty()) return;
  for (int key = 0; key < kKeyCount; ++key) {
    const char ch = input.Pressed(key) ? CharOfKey(key) : 0;
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
        int64_t{player_.cooldown}, int64_t{tic_}, int64_t{random_.state()}, int64_t{show_map_},
        int64_t{stats_.kills}, int64_t{stats_.treasures}})
    mix(v);
  const decltype(seen_) word(~0ull);
  for (size_t cell = 0; cell < seen_.size(); cell += 64)
    mix(static_cast<int64_t>(((seen_ >> cell) & word).to_ullong()));
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
