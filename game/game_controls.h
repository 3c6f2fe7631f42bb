// What the player does and which keys do it: the actions the simulation
// reads, their bindings (the author's by default, the player's own from the
// options), the fixed weapon keys, and the mouse and gamepad input of a tic.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>

#include "game_records.h"

namespace game {

enum class Action : uint8_t {
  kWalkForward,
  kWalkBackward,
  kStepLeft,
  kStepRight,
  kTurnLeft,
  kTurnRight,
  kLookUp,
  kLookDown,
  kShoot,
  kOpenDoor,
  kShowMap,
  kNextWeapon,
  kPreviousWeapon,
  kRun,
  kCount
};
constexpr int kActionCount = static_cast<int>(Action::kCount);

// The action's name as the options screen shows it ("WALK FORWARD").
std::string_view ActionName(Action action);

// Key-list indexes of the keys "1" to "6", which take weapons 1 to 6 in hand.
constexpr int kWeaponKeyFirst = 3;
constexpr int kWeaponKeyLast = 8;
// The run key when the author's bindings leave it free.
constexpr int kLeftShiftKey = 51;

struct Controls {
  std::array<int, kActionCount> keys{};  // key-list index per action, 0 unbound
  int mouse_sensitivity = 5;             // 1..10
  bool invert_mouse = false;             // moving the mouse forward looks down

  int Key(Action action) const { return keys[static_cast<size_t>(action)]; }
  int& Key(Action action) { return keys[static_cast<size_t>(action)]; }
  bool operator==(const Controls&) const = default;
};

// The author's bindings and sensitivity: the game settings' keys, the weapon
// key for the next weapon, Left Shift to run unless the author uses it.
Controls AuthorControls(const GameSettings& settings, const WeaponSettings& weapons);

// Gamepad buttons in the layout of the common controllers (A at the bottom).
enum class PadButton : uint8_t {
  kA,
  kB,
  kX,
  kY,
  kBack,
  kStart,
  kLeftStick,
  kRightStick,
  kLeftShoulder,
  kRightShoulder,
  kUp,
  kDown,
  kLeft,
  kRight,
  kCount
};
constexpr int kPadButtonCount = static_cast<int>(PadButton::kCount);
constexpr int kPadAxisMax = 32767;
constexpr int kPadDeadZone = 8000;  // stick travel that counts as rest

struct PadInput {
  std::bitset<kPadButtonCount> held, pressed;
  int move_x = 0, move_y = 0;  // left stick, -32768..32767, y grows downwards
  int look_x = 0, look_y = 0;  // right stick
  int left_trigger = 0, right_trigger = 0;  // 0..32767

  bool Held(PadButton b) const { return held.test(static_cast<size_t>(b)); }
  bool Pressed(PadButton b) const { return pressed.test(static_cast<size_t>(b)); }
};

// A stick axis outside the dead zone, scaled to -1000..1000.
int StickPermille(int axis);

}  // namespace game
