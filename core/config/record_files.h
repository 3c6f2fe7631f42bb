// The workspace file of each settings record and text, named once here for
// the records, the pack layout, the game and the default workspace.
#pragma once

namespace config::files {

inline constexpr const char* kSettings = "settings";
inline constexpr const char* kGameTitle = "gametitle";
inline constexpr const char* kCheat = "cheat";
inline constexpr const char* kEnemySettings = "enemysettings";
inline constexpr const char* kWeaponSettings = "weaponsettings";
inline constexpr const char* kSpriteSettings = "spritesettings";
inline constexpr const char* kTreasureSettings = "Treasuresettings";
inline constexpr const char* kAmmoHealthSettings = "ammohealthsettings";
inline constexpr const char* kWallAnimSettings = "wasettings";
inline constexpr const char* kMidiSettings = "MidiSettings";
inline constexpr const char* kInfoText = "InfoText";
inline constexpr const char* kVersion = "Version";

}  // namespace config::files
