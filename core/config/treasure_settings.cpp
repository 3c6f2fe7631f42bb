#include "config/treasure_settings.h"

#include "config/record_bytes.h"

namespace config {

TreasureSettings DefaultTreasureSettings() {
  TreasureSettings s;
  s.points.fill(kDefaultTreasurePoints);
  return s;
}

TreasureSettings DecodeTreasureSettings(std::span<const uint8_t> bytes) {
  TreasureSettings s;
  for (size_t i = 0; i < kTreasures; ++i) s.points[i] = Int32At(bytes, i);
  return s;
}

platform::Bytes EncodeTreasureSettings(const TreasureSettings& s) {
  platform::Bytes out;
  out.reserve(kTreasureSettingsSize);
  for (const auto v : s.points) AppendInt32(out, v);
  return out;
}

bool TreasureSettingsInRange(const TreasureSettings& s) {
  for (const auto v : s.points) {
    if (v < 1 || v > 9000) return false;
  }
  return true;
}

std::optional<TreasureSettings> LoadTreasureSettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("Treasuresettings");
  if (!bytes) return std::nullopt;
  return DecodeTreasureSettings(*bytes);
}

bool UseTreasureSettings(const platform::Workspace& workspace, const TreasureSettings& settings,
                         platform::Prompter& prompter) {
  if (!TreasureSettingsInRange(settings)) {
    prompter.Show({"Treasure- Settings out of range", "Error"});
    return false;
  }
  if (!workspace.Write("Treasuresettings", EncodeTreasureSettings(settings))) {
    prompter.Show({"Cannot save Treasure Settings", "Error"});
  }
  return true;
}

}  // namespace config
