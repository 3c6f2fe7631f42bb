// The six weapons' rules, the weapon key and the start weapon:
// `weaponsettings`, 38 bytes.
#pragma once

#include <array>
#include <cstdint>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

inline constexpr int kWeapons = 6;

// Numbers as typed, index 0 for weapon 1.
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

// A weapon that cannot shoot carries start ammunition 0 and maximum 1.
inline constexpr int64_t kNoShootStartAmmo = 0;
inline constexpr int64_t kNoShootMaxAmmo = 1;
void ApplyCanShootRule(WeaponSettings& settings);

// A new dialog shows repetition 5, power 5, start ammunition 20, maximum 99,
// every box clear and the key "= empty".
inline constexpr Field<WeaponSettings> kWeaponSettingsFields[] = {
    Byte<&WeaponSettings::can_shoot>(),
    Byte<&WeaponSettings::repetition>(Between(1, 5), 5),
    Byte<&WeaponSettings::power>(Between(1, 10), 5),
    Byte<&WeaponSettings::start_ammo>(AtMost(99), 20),
    Byte<&WeaponSettings::max_ammo>(Between(1, 99), 99),
    Byte<&WeaponSettings::weapon_key>(),
    Byte<&WeaponSettings::start_with_weapon1>(),
    Byte<&WeaponSettings::show_bullet>(),
};

inline constexpr RecordFormat<WeaponSettings> kWeaponSettingsRecord{
    .file = files::kWeaponSettings,
    .fields = kWeaponSettingsFields,
    .out_of_range = "Weapon- Settings out of range",
    .cannot_save = "Cannot save Weapon Settings",
    .before_use = ApplyCanShootRule,
};

}  // namespace config
