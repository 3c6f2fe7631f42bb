#include "config/enemy_settings.h"

#include "config/record_bytes.h"

namespace config {

EnemySettings DecodeEnemySettings(std::span<const uint8_t> bytes) {
  EnemySettings s;
  for (size_t k = 0; k < kEnemyKinds; ++k) {
    s.can_shoot[k] = SignedByteAt(bytes, k) != 0;
    s.speed[k] = SignedByteAt(bytes, 5 + k);
    s.endurance[k] = SignedByteAt(bytes, 10 + k);
    s.power[k] = SignedByteAt(bytes, 15 + k);
  }
  return s;
}

platform::Bytes EncodeEnemySettings(const EnemySettings& s) {
  platform::Bytes out;
  out.reserve(kEnemySettingsSize);
  for (const bool b : s.can_shoot) AppendByte(out, b ? 1 : 0);
  for (const auto v : s.speed) AppendByte(out, v);
  for (const auto v : s.endurance) AppendByte(out, v);
  for (const auto v : s.power) AppendByte(out, v);
  return out;
}

bool EnemySettingsInRange(const EnemySettings& s) {
  for (size_t k = 0; k < kEnemyKinds; ++k) {
    if (s.speed[k] > 12) return false;
    if (s.endurance[k] < 1 || s.endurance[k] > 40) return false;
    if (s.power[k] > 40) return false;
  }
  return true;
}

std::optional<EnemySettings> LoadEnemySettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("enemysettings");
  if (!bytes) return std::nullopt;
  return DecodeEnemySettings(*bytes);
}

bool UseEnemySettings(const platform::Workspace& workspace, EnemySettings settings,
                      platform::Prompter& prompter) {
  if (!EnemySettingsInRange(settings)) {
    prompter.Show({"Speed- Settings out of range", "Error"});
    return false;
  }
  for (size_t k = 0; k < kEnemyKinds; ++k) {
    if (!MayShoot(settings.power[k])) settings.can_shoot[k] = false;
  }
  if (!workspace.Write("enemysettings", EncodeEnemySettings(settings))) {
    prompter.Show({"Cannot save Enemy Settings", "Error"});
  }
  return true;
}

}  // namespace config
