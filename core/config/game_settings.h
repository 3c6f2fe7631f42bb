// The game's rules and controls: `settings` (26 integers), with the window
// title in `gametitle` and the God Mode code in `cheat`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

// Values as typed (the writer keeps their low 32 bits); keys are key-list
// indexes, check boxes 0 or 1.
struct GameSettings {
  int64_t max_levels = 0;
  int64_t walk_forward_key = 0;
  int64_t walk_forward_mouse = 0;
  int64_t walk_forward_speed = 0;
  int64_t walk_backward_key = 0;
  int64_t walk_backward_mouse = 0;
  int64_t walk_backward_speed = 0;
  int64_t move_left_key = 0;
  int64_t move_right_key = 0;
  int64_t sideways_speed = 0;
  int64_t turn_left_key = 0;
  int64_t turn_right_key = 0;
  int64_t turn_mouse = 0;
  int64_t turn_speed = 0;
  int64_t look_up_key = 0;
  int64_t look_down_key = 0;
  int64_t look_mouse = 0;
  int64_t look_speed = 0;
  int64_t shoot_key = 0;
  int64_t open_door_key = 0;
  int64_t mouse_sensitivity = 0;
  int64_t use_shader = 0;
  int64_t show_map_key = 0;
  int64_t screen_mode = 0;
  int64_t red_screen_when_hit = 0;
  int64_t bright_screen_on_item = 0;
  bool operator==(const GameSettings&) const = default;
};

// The 26 fields in file order; "use" accepts 1 to 20 levels and any other
// value.
inline constexpr Field<GameSettings> kGameSettingsFields[] = {
    Int32<&GameSettings::max_levels>(Between(1, 20)),
    Int32<&GameSettings::walk_forward_key>(),
    Int32<&GameSettings::walk_forward_mouse>(),
    Int32<&GameSettings::walk_forward_speed>(),
    Int32<&GameSettings::walk_backward_key>(),
    Int32<&GameSettings::walk_backward_mouse>(),
    Int32<&GameSettings::walk_backward_speed>(),
    Int32<&GameSettings::move_left_key>(),
    Int32<&GameSettings::move_right_key>(),
    Int32<&GameSettings::sideways_speed>(),
    Int32<&GameSettings::turn_left_key>(),
    Int32<&GameSettings::turn_right_key>(),
    Int32<&GameSettings::turn_mouse>(),
    Int32<&GameSettings::turn_speed>(),
    Int32<&GameSettings::look_up_key>(),
    Int32<&GameSettings::look_down_key>(),
    Int32<&GameSettings::look_mouse>(),
    Int32<&GameSettings::look_speed>(),
    Int32<&GameSettings::shoot_key>(),
    Int32<&GameSettings::open_door_key>(),
    Int32<&GameSettings::mouse_sensitivity>(),
    Int32<&GameSettings::use_shader>(),
    Int32<&GameSettings::show_map_key>(),
    Int32<&GameSettings::screen_mode>(),
    Int32<&GameSettings::red_screen_when_hit>(),
    Int32<&GameSettings::bright_screen_on_item>(),
};

inline constexpr RecordFormat<GameSettings> kGameSettingsRecord{
    .file = files::kSettings,
    .fields = kGameSettingsFields,
    .cannot_load = "cannot load settings",
    .out_of_range = "too many levels",
    .cannot_save = "cannot save settings",
};

// The screen mode as the two boxes "Full Screen" and "Fullwindow". Values
// other than 0, 1 and 2 give nothing: the boxes are left as they are.
struct ScreenModeBoxes {
  bool full_screen = false;
  bool full_window = false;
  bool operator==(const ScreenModeBoxes&) const = default;
};
std::optional<ScreenModeBoxes> ScreenModeToBoxes(int64_t mode);
int64_t ScreenModeFromBoxes(ScreenModeBoxes boxes);

// Everything the Game Settings dialog saves.
struct GameSettingsForm {
  std::string window_title;
  std::string god_mode;
  GameSettings settings;
};

// "use": refuses a level count outside 1 to 20 ("too many levels") and then
// returns false. Otherwise writes the title and the code (a failed write is
// reported and gives false: the dialog stays open), then `settings` (a failed
// write is reported as "cannot save settings") and returns true.
[[nodiscard]] bool UseGameSettings(const platform::Workspace& workspace, const GameSettingsForm& form,
                                   platform::Prompter& prompter);

}  // namespace config
