// The sizes of the ammunition and health packs: `ammohealthsettings`, the
// pair of bytes written three times and read from the first pair.
#pragma once

#include <cstdint>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

// Sizes as typed.
struct PackSettings {
  int64_t ammo = 0;
  int64_t health = 0;
  bool operator==(const PackSettings&) const = default;
};

// New: 15 each; "use" accepts ammunition 1 to 99 and health 1 to 100.
inline constexpr Field<PackSettings> kPackSettingsFields[] = {
    Byte<&PackSettings::ammo>(Between(1, 99), 15),
    Byte<&PackSettings::health>(Between(1, 100), 15),
};

inline constexpr RecordFormat<PackSettings> kPackSettingsRecord{
    .file = files::kAmmoHealthSettings,
    .fields = kPackSettingsFields,
    .copies = 3,
    .out_of_range = "Ammo or Health- Settings out of range",
    .cannot_save = "Cannot save Healt and Ammo- Settings",
};

}  // namespace config
