#include "game_records.h"

#include <algorithm>

#include "config/enemy_settings.h"
#include "config/game_settings.h"
#include "config/info_text.h"
#include "config/midi_settings.h"
#include "config/pack_settings.h"
#include "config/sprite_settings.h"
#include "config/text_record.h"
#include "config/treasure_settings.h"
#include "config/wall_anim_settings.h"
#include "config/weapon_settings.h"

namespace game {
namespace {

int KeyOf(int64_t value) {
  return value >= 0 && value < kKeyCount ? static_cast<int>(value) : kNoKey;
}

// A speed of 0 or less would leave the player unable to move; such values
// take the default, and very large ones are capped.
int SpeedOf(int64_t value) {
  return value <= 0 ? 5 : static_cast<int>(std::min<int64_t>(value, 20));
}

int Clamped(int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

GameSettings DecodeSettings(std::span<const uint8_t> bytes) {
  const config::GameSettings c = config::Decode(config::kGameSettingsRecord, bytes);
  GameSettings s;
  s.level_count = static_cast<int>(c.max_levels);
  s.walk_forward_key = KeyOf(c.walk_forward_key);
  s.walk_forward_mouse = c.walk_forward_mouse == 1;
  s.walk_forward_speed = SpeedOf(c.walk_forward_speed);
  s.walk_backward_key = KeyOf(c.walk_backward_key);
  s.walk_backward_mouse = c.walk_backward_mouse == 1;
  s.walk_backward_speed = SpeedOf(c.walk_backward_speed);
  s.step_left_key = KeyOf(c.move_left_key);
  s.step_right_key = KeyOf(c.move_right_key);
  s.step_speed = SpeedOf(c.sideways_speed);
  s.turn_left_key = KeyOf(c.turn_left_key);
  s.turn_right_key = KeyOf(c.turn_right_key);
  s.turn_mouse = c.turn_mouse == 1;
  s.turn_speed = SpeedOf(c.turn_speed);
  s.look_up_key = KeyOf(c.look_up_key);
  s.look_down_key = KeyOf(c.look_down_key);
  s.look_mouse = c.look_mouse == 1;
  s.look_speed = SpeedOf(c.look_speed);
  s.shoot_key = KeyOf(c.shoot_key);
  s.open_door_key = KeyOf(c.open_door_key);
  s.mouse_sensitivity = Clamped(c.mouse_sensitivity, 1, 10);
  s.shader = c.use_shader == 1;
  s.map_key = KeyOf(c.show_map_key);
  s.screen_mode = c.screen_mode == 1   ? ScreenMode::kFullScreen
                  : c.screen_mode == 2 ? ScreenMode::kFullWindow
                                       : ScreenMode::kWindow;
  s.red_flash = c.red_screen_when_hit == 1;
  s.bright_flash = c.bright_screen_on_item == 1;
  return s;
}

std::array<EnemyKind, 5> DecodeEnemySettings(std::span<const uint8_t> bytes) {
  const config::EnemySettings c = config::Decode(config::kEnemySettingsRecord, bytes);
  std::array<EnemyKind, 5> kinds{};
  for (size_t k = 0; k < kinds.size(); ++k) {
    EnemyKind& e = kinds[k];
    e.power = Clamped(c.power[k], 0, 40);
    e.can_shoot = c.can_shoot[k] && e.power > 0;
    e.speed = Clamped(c.speed[k], 0, 12);
    e.endurance = Clamped(c.endurance[k], 1, 40);
  }
  return kinds;
}

WeaponSettings DecodeWeaponSettings(std::span<const uint8_t> bytes) {
  const config::WeaponSettings c = config::Decode(config::kWeaponSettingsRecord, bytes);
  WeaponSettings s;
  for (size_t k = 0; k < s.weapons.size(); ++k) {
    WeaponKind& w = s.weapons[k];
    w.can_shoot = c.can_shoot[k];
    w.repetition = Clamped(c.repetition[k], 1, 5);
    w.power = Clamped(c.power[k], 1, 10);
    w.max_ammo = Clamped(c.max_ammo[k], 1, 99);
    w.start_ammo = Clamped(c.start_ammo[k], 0, w.max_ammo);
    w.show_bullet = w.can_shoot && c.show_bullet[k];
  }
  s.select_key = KeyOf(c.weapon_key);
  s.start_with_weapon1 = c.start_with_weapon1;
  return s;
}

std::array<SpriteKind, 10> DecodeSpriteSettings(std::span<const uint8_t> bytes) {
  std::array<SpriteKind, 10> kinds{};
  if (bytes.size() != config::RecordSize(config::kSpriteSettingsRecord))
    return kinds;  // the editor's default record
  const config::SpriteSettings c = config::Decode(config::kSpriteSettingsRecord, bytes);
  for (size_t k = 0; k < kinds.size(); ++k) {
    kinds[k].collision = c.collision[k];
    kinds[k].endurance = Clamped(c.endurance[k], 0, 10);
    kinds[k].shoot_through = c.shoot_through[k];
  }
  return kinds;
}

std::array<int, 5> DecodeTreasurePoints(std::span<const uint8_t> bytes) {
  const config::TreasureSettings c = config::Decode(config::kTreasureSettingsRecord, bytes);
  std::array<int, 5> points{};
  for (size_t k = 0; k < points.size(); ++k) points[k] = Clamped(c.points[k], 0, 9000);
  return points;
}

WallAnimation DecodeWallAnimation(std::span<const uint8_t> bytes) {
  const config::WallAnimSettings c = config::Decode(config::kWallAnimSettingsRecord, bytes);
  WallAnimation a;
  a.rows = c.animate;
  a.speed = Clamped(c.speed, 1, 10);
  return a;
}

PackSizes DecodePackSizes(std::span<const uint8_t> bytes) {
  const config::PackSettings c = config::Decode(config::kPackSettingsRecord, bytes);
  return {Clamped(c.ammo, 1, 99), Clamped(c.health, 1, 100)};
}

bool DecodeMidiEnabled(std::span<const uint8_t> bytes) {
  return config::Decode(config::kMidiSettingsRecord, bytes).use_midi_music;
}

std::string DecodeCheatCode(std::span<const uint8_t> bytes) {
  return Trimmed(config::FirstLine(bytes));
}

std::string DecodeInfoText(std::span<const uint8_t> bytes) {
  const std::string text = config::DecodeInfoText(bytes);
  return Trimmed(text) == "empty" ? std::string{} : text;
}

}  // namespace game
