// The five enemy kinds' rules: `enemysettings`, 20 bytes grouped by value.
#pragma once

#include <array>
#include <cstdint>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

inline constexpr int kEnemyKinds = 5;

// Numbers as typed, index 0 for enemy 1.
struct EnemySettings {
  std::array<bool, kEnemyKinds> can_shoot{};
  std::array<int64_t, kEnemyKinds> speed{};
  std::array<int64_t, kEnemyKinds> endurance{};
  std::array<int64_t, kEnemyKinds> power{};
  bool operator==(const EnemySettings&) const = default;
};

// An enemy with power 0 cannot shoot.
inline bool MayShoot(int64_t power) {
  return power != 0;
}

// Clears "Can Shoot" of the kinds with power 0.
void ClearCanShootWithoutPower(EnemySettings& settings);

inline constexpr Field<EnemySettings> kEnemySettingsFields[] = {
    Byte<&EnemySettings::can_shoot>(),
    Byte<&EnemySettings::speed>(AtMost(12)),
    Byte<&EnemySettings::endurance>(Between(1, 40)),
    Byte<&EnemySettings::power>(AtMost(40)),
};

inline constexpr RecordFormat<EnemySettings> kEnemySettingsRecord{
    .file = files::kEnemySettings,
    .fields = kEnemySettingsFields,
    .out_of_range = "Speed- Settings out of range",
    .cannot_save = "Cannot save Enemy Settings",
    .before_use = ClearCanShootWithoutPower,
};

}  // namespace config
