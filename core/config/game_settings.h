// The game's rules and controls: `settings` (26 integers), with the window
// title in `gametitle` and the God Mode code in `cheat`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr size_t kGameSettingsSize = 104;

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

// The 26 fields in file order.
inline constexpr int64_t GameSettings::*kGameSettingsFields[] = {
    &GameSettings::max_levels,          &GameSettings::walk_forward_key,
    &GameSettings::walk_forward_mouse,  &GameSettings::walk_forward_speed,
    &GameSettings::walk_backward_key,   &GameSettings::walk_backward_mouse,
    &GameSettings::walk_backward_speed, &GameSettings::move_left_key,
    &GameSettings::move_right_key,      &GameSettings::sideways_speed,
    &GameSettings::turn_left_key,       &GameSettings::turn_right_key,
    &GameSettings::turn_mouse,          &GameSettings::turn_speed,
    &GameSettings::look_up_key,         &GameSettings::look_down_key,
    &GameSettings::look_mouse,          &GameSettings::look_speed,
    &GameSettings::shoot_key,           &GameSettings::open_door_key,
    &GameSettings::mouse_sensitivity,   &GameSettings::use_shader,
    &GameSettings::show_map_key,        &GameSettings::screen_mode,
    &GameSettings::red_screen_when_hit, &GameSettings::bright_screen_on_item,
};

// A short file reads as 0 past its end; a longer one is read to the 26th integer.
GameSettings DecodeGameSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeGameSettings(const GameSettings& settings);

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

std::optional<GameSettings> LoadGameSettings(const platform::Workspace& workspace);

// "use": refuses a level count outside 1 to 20 ("too many levels") and then
// returns false; otherwise writes the three files and returns true (a
// `settings` that cannot be written is reported, the title files silently).
bool UseGameSettings(const platform::Workspace& workspace, const GameSettingsForm& form,
                     platform::Prompter& prompter);

}  // namespace config
