// The sizes of the ammunition and health packs: `ammohealthsettings`, the
// pair of bytes written three times.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr size_t kPackSettingsSize = 6;
inline constexpr int64_t kDefaultPackSize = 15;

// Sizes as typed (the writer keeps their low 8 bits).
struct PackSettings {
  int64_t ammo = kDefaultPackSize;
  int64_t health = kDefaultPackSize;
  bool operator==(const PackSettings&) const = default;
};

// Reads bytes 0 and 1 only.
PackSettings DecodePackSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodePackSettings(const PackSettings& settings);

// Ammunition 1 to 99, health 1 to 100.
bool PackSettingsInRange(const PackSettings& settings);

std::optional<PackSettings> LoadPackSettings(const platform::Workspace& workspace);

// "use": sizes out of range are reported ("Ammo or Health- Settings out of
// range") and false returned; otherwise the file is written and true
// returned, a failed write being reported.
bool UsePackSettings(const platform::Workspace& workspace, const PackSettings& settings,
                     platform::Prompter& prompter);

}  // namespace config
