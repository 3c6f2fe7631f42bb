// The simulation of one level at a fixed tic rate: player, doors, items, props, enemies and shots.
// One class; its subsystems live in game_play_*.cpp.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "game_controls.h"
#include "platform/byte_io.h"
#include "game_data.h"
#include "game_fixed.h"
#include "game_ray_cast.h"

namespace game {

constexpr int kTicRate = 35;  // tics per second
constexpr int kMaxHealth = 100;
constexpr int kFlashTics = 8;    // how long the screen flashes red when hit, bright on a pickup
constexpr int kSightCells = 24;  // how far enemies see; shots that hit at once reach twice as far

// The input of one tic, in key-list indexes.
struct TicInput {
  std::bitset<kKeyCount> held;     // keys and mouse buttons down during the tic
  std::bitset<kKeyCount> pressed;  // went down since the last tic
  int mouse_dx = 0, mouse_dy = 0;  // pixels moved since the last tic
  int wheel = 0;                   // notches turned since the last tic, away from the player positive
  PadInput pad;

  bool Held(int key) const { return key != kNoKey && held.test(static_cast<size_t>(key)); }
  bool Pressed(int key) const { return key != kNoKey && pressed.test(static_cast<size_t>(key)); }
};

// What the player takes from one level to the next.
struct PlayerCarry {
  int health = kMaxHealth;
  int score = 0;
  std::array<bool, 6> owned{};
  std::array<int, 6> ammo{};
  int weapon = -1;  // 0..5, -1 empty hands
  bool god_mode = false;
};

PlayerCarry NewGameCarry(const WeaponSettings& weapons);
void WriteCarry(platform::ByteWriter& out, const PlayerCarry& carry);
bool ReadCarry(platform::ByteReader& in, PlayerCarry& carry);  // false when cut short or out of range

// Sounds the game makes itself, beside the entry positions of the pack's sounds.
constexpr int kEmptyClickSound = -1;  // a weapon without ammunition
constexpr int kPlayerDeathSound = -2;

// A sound started during a tic: the entry position of its wave (or one of the
// game's own sounds above), heard from where it happened when it is placed.
struct SoundEvent {
  int sound = 0;
  bool placed = false;
  Fixed x = 0, y = 0;
  bool operator==(const SoundEvent&) const = default;
};

// What the player did in a level, against what the level holds.
struct LevelStats {
  int kills = 0, enemies = 0;
  int treasures = 0, treasure_total = 0;
  bool operator==(const LevelStats&) const = default;
};

constexpr Fixed kPlayerRadius = kFixedOne / 4;

struct Player {
  Fixed x = 0, y = 0;
  int angle = 0;
  int pitch = 0;  // horizon shift in 1/200 of the view height, positive looks up
  PlayerCarry carry;
  bool has_key = false;
  int cooldown = 0;      // tics until the weapon can fire again
  int fire_tics = 1000;  // tics since the last shot, for the weapon animation
  int step_counter = 0;  // tics of walking, for footsteps
};

enum class DoorState : uint8_t { kClosed, kOpening, kOpen, kClosing };

struct Door {
  int x = 0, y = 0;
  Fixed open = 0;  // 0 closed .. kFixedOne open
  DoorState state = DoorState::kClosed;
  int timer = 0;
};

constexpr int kDoorMoveTics = 24;
constexpr int kDoorStayTics = 105;

struct Item {
  ThingKind kind;
  int number;
  int x, y;  // cell
  bool taken = false;
};

struct Prop {
  int kind;  // 0..9
  int x, y;  // cell
  int hits = 0;
  bool destroyed = false;
};

constexpr Fixed kEnemyRadius = kFixedOne * 3 / 10;

enum class EnemyState : uint8_t { kIdle, kAlert, kChase, kShoot, kDying, kDead };

struct Enemy {
  int kind = 0;  // 0..4
  Fixed x = 0, y = 0;
  int health = 1;
  EnemyState state = EnemyState::kIdle;
  int timer = 0;
  int walk_tics = 0;
  int cooldown = 0;
  int target_x = -1, target_y = -1;  // next cell of the path, -1 for none
};

constexpr int kEnemyDeathTics = 25;  // five frames of five tics
constexpr int kEnemyShootTics = 12;  // two frames, the shot between them

struct Bullet {
  int weapon = 0;
  Fixed x = 0, y = 0, dx = 0, dy = 0;
  Fixed from_x = 0, from_y = 0;  // where the last tic found it (or fired it), for the frames between tics
  int explode_tics = 0;          // > 0 while the explosion shows
  bool done = false;
};

enum class Outcome { kPlaying, kLevelDone, kDied };

constexpr int kMaxPitch = 60;

// Where the player, the enemies and the doors stood when the last tic began, with that tic's mouse turning
// and looking already made: the mouse turns the view at once, and the frames drawn until the next tic move
// everything else from here to where the tic left it.
struct TicStart {
  Fixed x = 0, y = 0;
  int angle = 0, pitch = 0;
  std::vector<std::array<Fixed, 2>> enemies;  // positions, by enemy
  std::vector<Fixed> doors;                   // openness, by door
};

class Play {
 public:
  Play(const GameData& data, int level, const PlayerCarry& carry, uint32_t seed);

  void Tick(const TicInput& input);
  // Puts the player in the middle of cell (x, y), facing `degrees` clockwise from east.
  void PlacePlayer(int x, int y, int degrees);

  // The sounds started since the last call.
  std::vector<SoundEvent> TakeSounds();

  // The bindings and mouse settings the tics read; the author's until set.
  const Controls& controls() const { return controls_; }
  void set_controls(const Controls& controls) { controls_ = controls; }

  // Angle steps turned and pitch looked for mouse motion (dx, dy), as a tic makes them.
  int MouseTurn(int mouse_dx) const;
  int MouseLook(int mouse_dy) const;

  const GameData& data() const { return *data_; }
  int level() const { return level_; }
  const LevelMap& map() const { return map_; }
  const Player& player() const { return player_; }
  Player& player() { return player_; }
  const std::vector<Door>& doors() const { return doors_; }
  const std::vector<Item>& items() const { return items_; }
  const std::vector<Prop>& props() const { return props_; }
  const std::vector<Enemy>& enemies() const { return enemies_; }
  std::vector<Enemy>& enemies() { return enemies_; }
  const std::vector<Bullet>& bullets() const { return bullets_; }
  const DoorOpenness& door_open() const { return door_open_; }
  const TicStart& tic_start() const { return tic_start_; }
  Outcome outcome() const { return outcome_; }
  int tic() const { return tic_; }
  bool show_map() const { return show_map_; }
  int red_flash() const { return red_flash_; }
  int bright_flash() const { return bright_flash_; }
  bool level_has_key() const { return level_has_key_; }
  const LevelStats& stats() const { return stats_; }
  // Whether the player has seen the cell (x, y): the automap shows only those.
  bool Seen(int x, int y) const {
    return LevelMap::Inside(x, y) && seen_.test(static_cast<size_t>(y * kMapSize + x));
  }

  // The state of the simulation, for saves (game_play_save.cpp): read into a
  // play just made for the same level of the same game; false when the bytes
  // do not fit it (the play is then unusable).
  void WriteState(platform::ByteWriter& out) const;
  bool ReadState(platform::ByteReader& in);

  // Whether an enemy at (x, y) sees the point (tx, ty): walls and doors that
  // are not open halfway block the line.
  bool LineOfSight(Fixed x, Fixed y, Fixed tx, Fixed ty) const;
  // Door index of a cell, or -1.
  int DoorAt(int x, int y) const;
  // A digest of the whole state, equal for equal states.
  uint64_t Digest() const;

 private:
  // Collision and movement (game_play_movement.cpp).
  bool Blocked(int cx, int cy, bool for_enemy) const;
  bool Collides(Fixed x, Fixed y, Fixed radius, bool for_enemy, int ignore_enemy = -1) const;
  void TryMove(Fixed& x, Fixed& y, Fixed dx, Fixed dy, Fixed radius, bool for_enemy, int self);
  void MovePlayer(const TicInput& input);
  bool Holds(const TicInput& input, Action action) const;
  bool Presses(const TicInput& input, Action action) const;
  // The automap (game_play_automap.cpp).
  void RevealSeenCells();
  // Doors (game_play_doors.cpp).
  void UseDoor();
  void UpdateDoors();
  void RefreshDoorOpen();
  // Pickups (game_play_pickups.cpp).
  void PickUpItems();
  // Weapons (game_play_weapons.cpp).
  void HandleWeapon(const TicInput& input);
  void ChooseWeapon(const TicInput& input);
  void TakeBestLoadedWeapon();
  void FireHitscan(const WeaponKind& weapon, bool melee);
  void UpdateBullets();
  void DamageProp(Prop& prop, int damage);
  // Enemies (game_play_enemies.cpp).
  void UpdateEnemies();
  void UpdateEnemy(int index);
  void Attack(const Enemy& enemy, const EnemyKind& kind);
  void StepEnemyToward(Enemy& enemy, int index, bool sees_player);
  void SetPathTarget(Enemy& enemy);
  bool FindPath(const Enemy& enemy, int& next_x, int& next_y) const;
  void DamageEnemy(int index, int damage);
  void Alert(int index);
  void DamagePlayer(int damage);
  // The cheat code (game_play.cpp).
  void CheckCheat(const TicInput& input);
  void Sound(int sound) { sounds_.push_back({sound}); }
  void SoundAt(int sound, Fixed x, Fixed y) { sounds_.push_back({sound, true, x, y}); }
  void MarkTicStart();

  const GameData* data_;
  int level_;
  LevelMap map_;
  Player player_;
  std::vector<Door> doors_;
  std::vector<int> door_index_;  // per cell, -1 for none
  std::vector<Item> items_;
  std::vector<Prop> props_;
  std::vector<Enemy> enemies_;
  std::vector<Bullet> bullets_;
  DoorOpenness door_open_{};
  DoorOpenness sight_open_{};  // doors block the view until open halfway
  TicStart tic_start_;
  std::vector<SoundEvent> sounds_;
  Controls controls_;
  LevelStats stats_;
  std::bitset<kMapSize * kMapSize> seen_;
  std::string typed_;
  Random random_;
  Outcome outcome_ = Outcome::kPlaying;
  int tic_ = 0;
  bool show_map_ = false;
  bool level_has_key_ = false;
  int red_flash_ = 0;
  int bright_flash_ = 0;
};

}  // namespace game
