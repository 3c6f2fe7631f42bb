// The wall animation settings `wasettings`: eleven signed 32-bit integers,
// the "Animate" state of the ten rows of the wall grid and the speed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr int kAnimatedRows = 10;
inline constexpr size_t kWallAnimSettingsSize = 44;
inline constexpr int64_t kDefaultAnimationSpeed = 5;
inline constexpr int64_t kMaxShownAnimationSpeed = 10;

// Row r of the wall grid holds the walls r, r + 10, r + 20 and r + 30;
// index 0 is row 1. The speed is kept as read or typed, the writer keeps
// its low 32 bits.
struct WallAnimSettings {
  std::array<bool, kAnimatedRows> animate{};
  int64_t speed = kDefaultAnimationSpeed;
  bool operator==(const WallAnimSettings&) const = default;
};

// Integers missing at the end of a short file read as 0; any value other
// than 0 ticks its row.
WallAnimSettings DecodeWallAnimSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeWallAnimSettings(const WallAnimSettings& settings);

// The text of the speed box for a stored speed: values above 10 read "10",
// every other value (0 and negative ones too) is shown as it is.
std::string SpeedBoxText(int64_t speed);
// The speed a box text stands for: its leading number, 0 for an empty text.
int64_t SpeedOfBoxText(const std::string& text);

// Reads `wasettings`; when it cannot be opened shows "Error": "cannot load
// Wall Anim Settings" and gives nothing.
std::optional<WallAnimSettings> LoadWallAnimSettings(const platform::Workspace& workspace,
                                                     platform::Prompter& prompter);

// Writes `wasettings` (replacing it); when it cannot be written shows
// "Error": "cannot save Wall Anim Settings", leaves the old file and gives
// false.
bool SaveWallAnimSettings(const platform::Workspace& workspace, const WallAnimSettings& settings,
                          platform::Prompter& prompter);

}  // namespace config
