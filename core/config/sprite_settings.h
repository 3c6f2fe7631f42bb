// The ten sprites' rules: `spritesettings`, 30 bytes, renewed with the new
// record whenever its size is not 30.
#pragma once

#include <array>
#include <cstdint>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

inline constexpr int kSprites = 10;

// Endurance as typed, index 0 for sprite 1.
struct SpriteSettings {
  std::array<bool, kSprites> collision{};
  std::array<int64_t, kSprites> endurance{};
  std::array<bool, kSprites> shoot_through{};
  bool operator==(const SpriteSettings&) const = default;
};

// New: collision on, endurance 0, shoot-through off for every sprite. The
// endurance has no lower limit (a negative one is stored as its low 8 bits).
inline constexpr Field<SpriteSettings> kSpriteSettingsFields[] = {
    Byte<&SpriteSettings::collision>({}, 1),
    Byte<&SpriteSettings::endurance>(AtMost(10)),
    Byte<&SpriteSettings::shoot_through>(),
};

inline constexpr RecordFormat<SpriteSettings> kSpriteSettingsRecord{
    .file = files::kSpriteSettings,
    .fields = kSpriteSettingsFields,
    .out_of_range = "Sprite- Settings out of range",
    .cannot_save = "Cannot save Sprite Settings",
    .renew_wrong_size = true,
};

}  // namespace config
