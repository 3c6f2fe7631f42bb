#include "config/wall_anim_settings.h"

#include "config/record_bytes.h"

namespace config {

namespace {

constexpr const char* kFileName = "wasettings";

}  // namespace

WallAnimSettings DecodeWallAnimSettings(std::span<const uint8_t> bytes) {
  WallAnimSettings s;
  for (size_t row = 0; row < kAnimatedRows; ++row) s.animate[row] = Int32At(bytes, row) != 0;
  s.speed = Int32At(bytes, kAnimatedRows);
  return s;
}

platform::Bytes EncodeWallAnimSettings(const WallAnimSettings& s) {
  platform::Bytes out;
  out.reserve(kWallAnimSettingsSize);
  for (const bool ticked : s.animate) AppendInt32(out, ticked ? 1 : 0);
  AppendInt32(out, s.speed);
  return out;
}

std::string SpeedBoxText(int64_t speed) {
  return std::to_string(speed > kMaxShownAnimationSpeed ? kMaxShownAnimationSpeed : speed);
}

int64_t SpeedOfBoxText(const std::string& text) {
  return platform::ParseInteger(text);
}

std::optional<WallAnimSettings> LoadWallAnimSettings(const platform::Workspace& workspace,
                                                     platform::Prompter& prompter) {
  const auto bytes = workspace.Read(kFileName, kWallAnimSettingsSize);
  if (!bytes) {
    prompter.Show({"cannot load Wall Anim Settings", "Error"});
    return std::nullopt;
  }
  return DecodeWallAnimSettings(*bytes);
}

bool SaveWallAnimSettings(const platform::Workspace& workspace, const WallAnimSettings& settings,
                          platform::Prompter& prompter) {
  if (workspace.Write(kFileName, EncodeWallAnimSettings(settings))) return true;
  prompter.Show({"cannot save Wall Anim Settings", "Error"});
  return false;
}

}  // namespace config
