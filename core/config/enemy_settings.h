// The five enemy kinds' rules: `enemysettings`, 20 bytes grouped by value.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr int kEnemyKinds = 5;
inline constexpr size_t kEnemySettingsSize = 20;

// Numbers as typed (the writer keeps their low 8 bits), index 0 for enemy 1.
struct EnemySettings {
  std::array<bool, kEnemyKinds> can_shoot{};
  std::array<int64_t, kEnemyKinds> speed{};
  std::array<int64_t, kEnemyKinds> endurance{};
  std::array<int64_t, kEnemyKinds> power{};
  bool operator==(const EnemySettings&) const = default;
};

EnemySettings DecodeEnemySettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeEnemySettings(const EnemySettings& settings);

// An enemy with power 0 cannot shoot.
inline bool MayShoot(int64_t power) {
  return power != 0;
}

// Speed above 12, endurance outside 1 to 40 or power above 40.
bool EnemySettingsInRange(const EnemySettings& settings);

std::optional<EnemySettings> LoadEnemySettings(const platform::Workspace& workspace);

// "use": out-of-range values are reported ("Speed- Settings out of range")
// and false returned; otherwise the file is written (kinds with power 0
// without "Can Shoot") and true returned, a failed write being reported.
bool UseEnemySettings(const platform::Workspace& workspace, EnemySettings settings,
                      platform::Prompter& prompter);

}  // namespace config
