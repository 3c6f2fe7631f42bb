// The settings records of game.pak, decoded into the values the game plays by.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "config/key_list.h"

namespace game {

// Key-list indexes (0 = no key, 1 and 2 the mouse buttons, 3..103 keys).
constexpr int kKeyCount = config::kKeyCount;
constexpr int kNoKey = 0;
constexpr int kMouseLeft = 1;
constexpr int kMouseRight = 2;

enum class ScreenMode { kWindow, kFullScreen, kFullWindow };

struct GameSettings {
  int level_count = 1;
  int walk_forward_key = 0;
  bool walk_forward_mouse = false;
  int walk_forward_speed = 5;
  int walk_backward_key = 0;
  bool walk_backward_mouse = false;
  int walk_backward_speed = 5;
  int step_left_key = 0;
  int step_right_key = 0;
  int step_speed = 5;
  int turn_left_key = 0;
  int turn_right_key = 0;
  bool turn_mouse = false;
  int turn_speed = 5;
  int look_up_key = 0;
  int look_down_key = 0;
  bool look_mouse = false;
  int look_speed = 5;
  int shoot_key = 0;
  int open_door_key = 0;
  int mouse_sensitivity = 5;
  bool shader = false;
  int map_key = 0;
  ScreenMode screen_mode = ScreenMode::kWindow;
  bool red_flash = false;
  bool bright_flash = false;
};

struct EnemyKind {
  bool can_shoot = false;
  int speed = 0;      // 0..12
  int endurance = 1;  // hit points
  int power = 0;      // damage of one hit
};

struct WeaponKind {
  bool can_shoot = false;
  int repetition = 5;  // 1..5, higher is faster
  int power = 5;
  int start_ammo = 0;
  int max_ammo = 1;
  bool show_bullet = false;
};

struct WeaponSettings {
  std::array<WeaponKind, 6> weapons{};
  int select_key = 0;
  bool start_with_weapon1 = false;
};

struct SpriteKind {
  bool collision = true;
  int endurance = 0;  // 0: bullets cannot destroy it
  bool shoot_through = false;
};

struct WallAnimation {
  std::array<bool, 10> rows{};  // row r animates textures r, r + 10, r + 20, r + 30
  int speed = 5;
};

// Each decoder reads the record through its editor decoder (values past the
// end of a short record read as 0) and brings values outside their ranges
// into them for play.
GameSettings DecodeSettings(std::span<const uint8_t> bytes);
std::array<EnemyKind, 5> DecodeEnemySettings(std::span<const uint8_t> bytes);
WeaponSettings DecodeWeaponSettings(std::span<const uint8_t> bytes);
std::array<SpriteKind, 10> DecodeSpriteSettings(std::span<const uint8_t> bytes);
std::array<int, 5> DecodeTreasurePoints(std::span<const uint8_t> bytes);
WallAnimation DecodeWallAnimation(std::span<const uint8_t> bytes);
struct PackSizes {
  int ammo = 15;
  int health = 15;
};
PackSizes DecodePackSizes(std::span<const uint8_t> bytes);
bool DecodeMidiEnabled(std::span<const uint8_t> bytes);

// The God Mode code: the first line without the padding spaces.
std::string DecodeCheatCode(std::span<const uint8_t> bytes);
// The info text, or "" when it is "empty" (or missing).
std::string DecodeInfoText(std::span<const uint8_t> bytes);

}  // namespace game
