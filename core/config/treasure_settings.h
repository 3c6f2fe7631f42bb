// The points of the five treasures: `Treasuresettings`, five 32-bit integers.
#pragma once

#include <array>
#include <cstdint>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

inline constexpr int kTreasures = 5;

struct TreasureSettings {
  std::array<int64_t, kTreasures> points{};
  bool operator==(const TreasureSettings&) const = default;
};

// New: 1000 points each; "use" accepts 1 to 9000.
inline constexpr Field<TreasureSettings> kTreasureSettingsFields[] = {
    Int32<&TreasureSettings::points>(Between(1, 9000), 1000),
};

inline constexpr RecordFormat<TreasureSettings> kTreasureSettingsRecord{
    .file = files::kTreasureSettings,
    .fields = kTreasureSettingsFields,
    .out_of_range = "Treasure- Settings out of range",
    .cannot_save = "Cannot save Treasure Settings",
};

}  // namespace config
