// The six weapons' rules, the weapon key and the start weapon:
// `weaponsettings`, 38 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr int kWeapons = 6;
inline constexpr size_t kWeaponSettingsSize = 38;

// Numbers as typed (the writer keeps their low 8 bits), index 0 for weapon 1.
struct WeaponSettings {
  std::array<bool, kWeapons> can_shoot{};
  std::array<int64_t, kWeapons> repetition{};
  std::array<int64_t, kWeapons> power{};
  std::array<int64_t, kWeapons> start_ammo{};
  std::array<int64_t, kWeapons> max_ammo{};
  int64_t weapon_key = 0;
  bool start_with_weapon1 = false;
  std::array<bool, kWeapons> show_bullet{};
  bool operator==(const WeaponSettings&) const = default;
};

// What a new dialog shows: repetition 5, power 5, start ammunition 20,
// maximum 99, every box clear, key "= empty".
WeaponSettings DefaultWeaponSettings();

WeaponSettings DecodeWeaponSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeWeaponSettings(const WeaponSettings& settings);

// A weapon that cannot shoot carries start ammunition 0 and maximum 1.
inline constexpr int64_t kNoShootStartAmmo = 0;
inline constexpr int64_t kNoShootMaxAmmo = 1;
void ApplyCanShootRule(WeaponSettings& settings);

// Repetition 1 to 5, power 1 to 10, start ammunition at most 99, maximum
// ammunition 1 to 99.
bool WeaponSettingsInRange(const WeaponSettings& settings);

std::optional<WeaponSettings> LoadWeaponSettings(const platform::Workspace& workspace);

// "use": out-of-range values are reported ("Weapon- Settings out of range")
// and false returned; otherwise the file is written and true returned, a
// failed write being reported.
bool UseWeaponSettings(const platform::Workspace& workspace, WeaponSettings settings,
                       platform::Prompter& prompter);

}  // namespace config
