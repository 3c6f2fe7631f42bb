// The wall animation settings `wasettings`: eleven signed 32-bit integers,
// the "Animate" state of the ten rows of the wall grid and the speed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

inline constexpr int kAnimatedRows = 10;
inline constexpr int64_t kDefaultAnimationSpeed = 5;
inline constexpr int64_t kMaxShownAnimationSpeed = 10;

// Row r of the wall grid holds the walls r, r + 10, r + 20 and r + 30;
// index 0 is row 1. The speed is kept as read or typed.
struct WallAnimSettings {
  std::array<bool, kAnimatedRows> animate{};
  int64_t speed = 0;
  bool operator==(const WallAnimSettings&) const = default;
};

// New: no row animated, speed 5. Any value other than 0 ticks its row.
inline constexpr Field<WallAnimSettings> kWallAnimSettingsFields[] = {
    Int32<&WallAnimSettings::animate>(),
    Int32<&WallAnimSettings::speed>({}, kDefaultAnimationSpeed),
};

// A file that cannot be read shows "cannot load Wall Anim Settings"; one
// that cannot be written "cannot save Wall Anim Settings" (the old file
// stays).
inline constexpr RecordFormat<WallAnimSettings> kWallAnimSettingsRecord{
    .file = files::kWallAnimSettings,
    .fields = kWallAnimSettingsFields,
    .cannot_load = "cannot load Wall Anim Settings",
    .cannot_save = "cannot save Wall Anim Settings",
};

// The text of the speed box for a stored speed: values above 10 read "10",
// every other value (0 and negative ones too) is shown as it is.
std::string SpeedBoxText(int64_t speed);
// The speed a box text stands for: its leading number, 0 for an empty text.
int64_t SpeedOfBoxText(const std::string& text);

}  // namespace config
