#include "config/game_settings.h"

#include "config/text_record.h"

namespace config {

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

bool UseGameSettings(const platform::Workspace& workspace, const GameSettingsForm& form,
                     platform::Prompter& prompter) {
  if (!InRange(kGameSettingsRecord, form.settings)) {
    ShowError(prompter, kGameSettingsRecord.out_of_range);
    return false;
  }
  if (!SaveText(kGameTitleRecord, workspace, form.window_title, prompter) ||
      !SaveText(kCheatRecord, workspace, form.god_mode, prompter))
    return false;
  static_cast<void>(Save(kGameSettingsRecord, workspace, form.settings, prompter));
  return true;
}

}  // namespace config
