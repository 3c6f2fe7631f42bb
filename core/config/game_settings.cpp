#include "config/game_settings.h"

#include "config/record_bytes.h"
#include "config/text_record.h"

namespace config {

GameSettings DecodeGameSettings(std::span<const uint8_t> bytes) {
  GameSettings settings;
  size_t index = 0;
  for (const auto field : kGameSettingsFields) settings.*field = Int32At(bytes, index++);
  return settings;
}

platform::Bytes EncodeGameSettings(const GameSettings& settings) {
  platform::Bytes out;
  out.reserve(kGameSettingsSize);
  for (const auto field : kGameSettingsFields) AppendInt32(out, settings.*field);
  return out;
}

std::optional<ScreenModeBoxes> ScreenModeToBoxes(int64_t mode) {
  switch (mode) {
    case 0:
      return ScreenModeBoxes{false, false};
    case 1:
      return ScreenModeBoxes{true, false};
    case 2:
      return ScreenModeBoxes{false, true};
    default:
      return std::nullopt;
  }
}

int64_t ScreenModeFromBoxes(ScreenModeBoxes boxes) {
  if (boxes.full_screen) return 1;
  if (boxes.full_window) return 2;
  return 0;
}

std::optional<GameSettings> LoadGameSettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("settings");
  if (!bytes) return std::nullopt;
  return DecodeGameSettings(*bytes);
}

bool UseGameSettings(const platform::Workspace& workspace, const GameSettingsForm& form,
                     platform::Prompter& prompter) {
  const int64_t levels = form.settings.max_levels;
  if (levels < 1 || levels > 20) {
    prompter.Show({"too many levels", "Error"});
    return false;
  }
  workspace.Write("gametitle", std::string_view(PadToFive(form.window_title)));
  workspace.Write("cheat", std::string_view(PadToFive(form.god_mode)));
  if (!workspace.Write("settings", EncodeGameSettings(form.settings))) {
    prompter.Show({"cannot save settings", "Error"});
  }
  return true;
}

}  // namespace config
