#include "runtime/game_records.h"

#include <algorithm>

namespace game {
namespace {

int Int32At(std::span<const uint8_t> bytes, size_t index) {
  const size_t offset = index * 4;
  if (offset + 4 > bytes.size()) return 0;
  const uint32_t v = static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
                     static_cast<uint32_t>(bytes[offset + 2]) << 16 |
                     static_cast<uint32_t>(bytes[offset + 3]) << 24;
  return static_cast<int32_t>(v);
}

int SignedByteAt(std::span<const uint8_t> bytes, size_t offset) {
  return offset < bytes.size() ? static_cast<int8_t>(bytes[offset]) : 0;
}

int KeyOf(int value) {
  return value >= 0 && value < kKeyCount ? value : kNoKey;
}

// A speed of 0 or less would leave the player unable to move; such values
// take the default, and very large ones are capped.
int SpeedOf(int value) {
  return value <= 0 ? 5 : std::min(value, 20);
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

GameSettings DecodeSettings(std::span<const uint8_t> bytes) {
  auto v = [&](size_t number) { return Int32At(bytes, number - 1); };
  GameSettings s;
  s.level_count = v(1);
  s.walk_forward_key = KeyOf(v(2));
  s.walk_forward_mouse = v(3) == 1;
  s.walk_forward_speed = SpeedOf(v(4));
  s.walk_backward_key = KeyOf(v(5));
  s.walk_backward_mouse = v(6) == 1;
  s.walk_backward_speed = SpeedOf(v(7));
  s.step_left_key = KeyOf(v(8));
  s.step_right_key = KeyOf(v(9));
  s.step_speed = SpeedOf(v(10));
  s.turn_left_key = KeyOf(v(11));
  s.turn_right_key = KeyOf(v(12));
  s.turn_mouse = v(13) == 1;
  s.turn_speed = SpeedOf(v(14));
  s.look_up_key = KeyOf(v(15));
  s.look_down_key = KeyOf(v(16));
  s.look_mouse = v(17) == 1;
  s.look_speed = SpeedOf(v(18));
  s.shoot_key = KeyOf(v(19));
  s.open_door_key = KeyOf(v(20));
  s.mouse_sensitivity = std::clamp(v(21), 1, 10);
  s.shader = v(22) == 1;
  s.map_key = KeyOf(v(23));
  s.screen_mode = v(24) == 1   ? ScreenMode::kFullScreen
                  : v(24) == 2 ? ScreenMode::kFullWindow
                               : ScreenMode::kWindow;
  s.red_flash = v(25) == 1;
  s.bright_flash = v(26) == 1;
  return s;
}

std::array<EnemyKind, 5> DecodeEnemySettings(std::span<const uint8_t> bytes) {
  std::array<EnemyKind, 5> kinds{};
  for (size_t k = 0; k < 5; ++k) {
    EnemyKind& e = kinds[k];
    e.power = std::clamp(SignedByteAt(bytes, 15 + k), 0, 40);
    e.can_shoot = SignedByteAt(bytes, k) == 1 && e.power > 0;
    e.speed = std::clamp(SignedByteAt(bytes, 5 + k), 0, 12);
    e.endurance = std::clamp(SignedByteAt(bytes, 10 + k), 1, 40);
  }
  return kinds;
}

WeaponSettings DecodeWeaponSettings(std::span<const uint8_t> bytes) {
  WeaponSettings s;
  for (size_t k = 0; k < 6; ++k) {
    WeaponKind& w = s.weapons[k];
    w.can_shoot = SignedByteAt(bytes, k) == 1;
    w.repetition = std::clamp(SignedByteAt(bytes, 6 + k), 1, 5);
    w.power = std::clamp(SignedByteAt(bytes, 12 + k), 1, 10);
    w.max_ammo = std::clamp(SignedByteAt(bytes, 24 + k), 1, 99);
    w.start_ammo = std::clamp(SignedByteAt(bytes, 18 + k), 0, w.max_ammo);
    w.show_bullet = w.can_shoot && SignedByteAt(bytes, 32 + k) == 1;
  }
  s.select_key = KeyOf(SignedByteAt(bytes, 30));
  s.start_with_weapon1 = SignedByteAt(bytes, 31) == 1;
  return s;
}

std::array<SpriteKind, 10> DecodeSpriteSettings(std::span<const uint8_t> bytes) {
  std::array<SpriteKind, 10> kinds{};
  if (bytes.size() != 30) return kinds;  // the editor's default record
  for (size_t k = 0; k < 10; ++k) {
    kinds[k].collision = SignedByteAt(bytes, k) == 1;
    kinds[k].endurance = std::clamp(SignedByteAt(bytes, 10 + k), 0, 10);
    kinds[k].shoot_through = SignedByteAt(bytes, 20 + k) == 1;
  }
  return kinds;
}

std::array<int, 5> DecodeTreasurePoints(std::span<const uint8_t> bytes) {
  std::array<int, 5> points{};
  for (size_t k = 0; k < 5; ++k) points[k] = std::clamp(Int32At(bytes, k), 0, 9000);
  return points;
}

WallAnimation DecodeWallAnimation(std::span<const uint8_t> bytes) {
  WallAnimation a;
  for (size_t r = 0; r < 10; ++r) a.rows[r] = Int32At(bytes, r) == 1;
  a.speed = std::clamp(Int32At(bytes, 10), 1, 10);
  return a;
}

PackSizes DecodePackSizes(std::span<const uint8_t> bytes) {
  PackSizes p;
  p.ammo = std::clamp(SignedByteAt(bytes, 0), 1, 99);
  p.health = std::clamp(SignedByteAt(bytes, 1), 1, 100);
  return p;
}

bool DecodeMidiEnabled(std::span<const uint8_t> bytes) {
  return SignedByteAt(bytes, 0) == 1;
}

std::string FirstLine(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    if (b == 13 || b == 10 || b == 0) break;
    text.push_back(static_cast<char>(b));
  }
  return text;
}

std::string DecodeCheatCode(std::span<const uint8_t> bytes) {
  return Trimmed(FirstLine(bytes));
}

std::string DecodeInfoText(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes)
    if (b != 0) text.push_back(static_cast<char>(b));
  return Trimmed(text) == "empty" ? std::string{} : text;
}

}  // namespace game
