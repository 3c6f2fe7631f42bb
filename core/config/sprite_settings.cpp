#include "config/sprite_settings.h"

#include "config/record_bytes.h"

namespace config {

SpriteSettings DefaultSpriteSettings() {
  SpriteSettings s;
  s.collision.fill(true);
  return s;
}

SpriteSettings DecodeSpriteSettings(std::span<const uint8_t> bytes) {
  SpriteSettings s;
  for (size_t i = 0; i < kSprites; ++i) {
    s.collision[i] = SignedByteAt(bytes, i) != 0;
    s.endurance[i] = SignedByteAt(bytes, 10 + i);
    s.shoot_through[i] = SignedByteAt(bytes, 20 + i) != 0;
  }
  return s;
}

platform::Bytes EncodeSpriteSettings(const SpriteSettings& s) {
  platform::Bytes out;
  out.reserve(kSpriteSettingsSize);
  for (const bool b : s.collision) AppendByte(out, b ? 1 : 0);
  for (const auto v : s.endurance) AppendByte(out, v);
  for (const bool b : s.shoot_through) AppendByte(out, b ? 1 : 0);
  return out;
}

bool SpriteSettingsInRange(const SpriteSettings& s) {
  for (const auto v : s.endurance) {
    if (v > 10) return false;
  }
  return true;
}

std::optional<SpriteSettings> LoadSpriteSettings(const platform::Workspace& workspace) {
  if (workspace.FileSize("spritesettings") != static_cast<int64_t>(kSpriteSettingsSize)) {
    workspace.Write("spritesettings", EncodeSpriteSettings(DefaultSpriteSettings()));
  }
  const auto bytes = workspace.Read("spritesettings");
  if (!bytes) return std::nullopt;
  return DecodeSpriteSettings(*bytes);
}

bool UseSpriteSettings(const platform::Workspace& workspace, const SpriteSettings& settings,
                       platform::Prompter& prompter) {
  if (!SpriteSettingsInRange(settings)) {
    prompter.Show({"Sprite- Settings out of range", "Error"});
    return false;
  }
  if (!workspace.Write("spritesettings", EncodeSpriteSettings(settings))) {
    prompter.Show({"Cannot save Sprite Settings", "Error"});
  }
  return true;
}

}  // namespace config
