// The points of the five treasures: `Treasuresettings`, five 32-bit integers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr int kTreasures = 5;
inline constexpr size_t kTreasureSettingsSize = 20;
inline constexpr int64_t kDefaultTreasurePoints = 1000;

struct TreasureSettings {
  std::array<int64_t, kTreasures> points{};
  bool operator==(const TreasureSettings&) const = default;
};

TreasureSettings DefaultTreasureSettings();
TreasureSettings DecodeTreasureSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeTreasureSettings(const TreasureSettings& settings);

// Every value 1 to 9000.
bool TreasureSettingsInRange(const TreasureSettings& settings);

std::optional<TreasureSettings> LoadTreasureSettings(const platform::Workspace& workspace);

// "use": a value outside 1 to 9000 is reported ("Treasure- Settings out of
// range") and false returned; otherwise the file is written and true
// returned, a failed write being reported.
bool UseTreasureSettings(const platform::Workspace& workspace, const TreasureSettings& settings,
                         platform::Prompter& prompter);

}  // namespace config
