#include "config/pack_settings.h"

#include "config/record_bytes.h"

namespace config {

PackSettings DecodePackSettings(std::span<const uint8_t> bytes) {
  return {SignedByteAt(bytes, 0), SignedByteAt(bytes, 1)};
}

platform::Bytes EncodePackSettings(const PackSettings& s) {
  platform::Bytes out;
  out.reserve(kPackSettingsSize);
  for (int copy = 0; copy < 3; ++copy) {
    AppendByte(out, s.ammo);
    AppendByte(out, s.health);
  }
  return out;
}

bool PackSettingsInRange(const PackSettings& s) {
  return s.ammo >= 1 && s.ammo <= 99 && s.health >= 1 && s.health <= 100;
}

std::optional<PackSettings> LoadPackSettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("ammohealthsettings");
  if (!bytes) return std::nullopt;
  return DecodePackSettings(*bytes);
}

bool UsePackSettings(const platform::Workspace& workspace, const PackSettings& settings,
                     platform::Prompter& prompter) {
  if (!PackSettingsInRange(settings)) {
    prompter.Show({"Ammo or Health- Settings out of range", "Error"});
    return false;
  }
  if (!workspace.Write("ammohealthsettings", EncodePackSettings(settings))) {
    prompter.Show({"Cannot save Healt and Ammo- Settings", "Error"});
  }
  return true;
}

}  // namespace config
