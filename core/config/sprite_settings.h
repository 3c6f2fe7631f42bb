// The ten sprites' rules: `spritesettings`, 30 bytes, replaced by the default
// record whenever its size is not 30.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr int kSprites = 10;
inline constexpr size_t kSpriteSettingsSize = 30;

// Endurance as typed (the writer keeps its low 8 bits), index 0 for sprite 1.
struct SpriteSettings {
  std::array<bool, kSprites> collision{};
  std::array<int64_t, kSprites> endurance{};
  std::array<bool, kSprites> shoot_through{};
  bool operator==(const SpriteSettings&) const = default;
};

// Collision on, endurance 0, shoot-through off for every sprite.
SpriteSettings DefaultSpriteSettings();

SpriteSettings DecodeSpriteSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeSpriteSettings(const SpriteSettings& settings);

// Endurance at most 10; there is no lower limit (a negative endurance is
// stored as its low 8 bits).
bool SpriteSettingsInRange(const SpriteSettings& settings);

// Writes the default record over a missing or wrongly sized file, then reads
// it; nothing when it still can't be read.
std::optional<SpriteSettings> LoadSpriteSettings(const platform::Workspace& workspace);

// "use": an endurance above 10 is reported ("Sprite- Settings out of range")
// and false returned; otherwise the file is written and true returned, a
// failed write being reported.
bool UseSpriteSettings(const platform::Workspace& workspace, const SpriteSettings& settings,
                       platform::Prompter& prompter);

}  // namespace config
