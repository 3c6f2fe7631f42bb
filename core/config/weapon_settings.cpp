#include "config/weapon_settings.h"

#include "config/record_bytes.h"

namespace config {

WeaponSettings DefaultWeaponSettings() {
  WeaponSettings s;
  s.repetition.fill(5);
  s.power.fill(5);
  s.start_ammo.fill(20);
  s.max_ammo.fill(99);
  return s;
}

WeaponSettings DecodeWeaponSettings(std::span<const uint8_t> bytes) {
  WeaponSettings s;
  for (size_t w = 0; w < kWeapons; ++w) {
    s.can_shoot[w] = SignedByteAt(bytes, w) != 0;
    s.repetition[w] = SignedByteAt(bytes, 6 + w);
    s.power[w] = SignedByteAt(bytes, 12 + w);
    s.start_ammo[w] = SignedByteAt(bytes, 18 + w);
    s.max_ammo[w] = SignedByteAt(bytes, 24 + w);
    s.show_bullet[w] = SignedByteAt(bytes, 32 + w) != 0;
  }
  s.weapon_key = SignedByteAt(bytes, 30);
  s.start_with_weapon1 = SignedByteAt(bytes, 31) != 0;
  return s;
}

platform::Bytes EncodeWeaponSettings(const WeaponSettings& s) {
  platform::Bytes out;
  out.reserve(kWeaponSettingsSize);
  for (const bool b : s.can_shoot) AppendByte(out, b ? 1 : 0);
  for (const auto v : s.repetition) AppendByte(out, v);
  for (const auto v : s.power) AppendByte(out, v);
  for (const auto v : s.start_ammo) AppendByte(out, v);
  for (const auto v : s.max_ammo) AppendByte(out, v);
  AppendByte(out, s.weapon_key);
  AppendByte(out, s.start_with_weapon1 ? 1 : 0);
  for (const bool b : s.show_bullet) AppendByte(out, b ? 1 : 0);
  return out;
}

void ApplyCanShootRule(WeaponSettings& s) {
  for (size_t w = 0; w < kWeapons; ++w) {
    if (s.can_shoot[w]) continue;
    s.start_ammo[w] = kNoShootStartAmmo;
    s.max_ammo[w] = kNoShootMaxAmmo;
  }
}

bool WeaponSettingsInRange(const WeaponSettings& s) {
  for (size_t w = 0; w < kWeapons; ++w) {
    if (s.repetition[w] < 1 || s.repetition[w] > 5) return false;
    if (s.power[w] < 1 || s.power[w] > 10) return false;
    if (s.start_ammo[w] > 99) return false;
    if (s.max_ammo[w] < 1 || s.max_ammo[w] > 99) return false;
  }
  return true;
}

std::optional<WeaponSettings> LoadWeaponSettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("weaponsettings");
  if (!bytes) return std::nullopt;
  return DecodeWeaponSettings(*bytes);
}

bool UseWeaponSettings(const platform::Workspace& workspace, WeaponSettings settings,
                       platform::Prompter& prompter) {
  ApplyCanShootRule(settings);
  if (!WeaponSettingsInRange(settings)) {
    prompter.Show({"Weapon- Settings out of range", "Error"});
    return false;
  }
  if (!workspace.Write("weaponsettings", EncodeWeaponSettings(settings))) {
    prompter.Show({"Cannot save Weapon Settings", "Error"});
  }
  return true;
}

}  // namespace config
