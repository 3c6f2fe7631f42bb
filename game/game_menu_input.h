// What the menu screens answer to, whatever the game's bindings: the arrow
// keys, Return, Space, Escape and the left mouse button, and the gamepad's
// cross, A (choose) and B or Start (back).
#pragma once

#include "game_play.h"

namespace game::menu_input {

// Key-list indexes.
constexpr int kKeyEscape = 39, kKeyReturn = 46, kKeySpace = 59, kKeyPadEnter = 88;
constexpr int kKeyUp = 95, kKeyDown = 96, kKeyLeft = 97, kKeyRight = 98;

inline bool Pressed(const TicInput& input, int key) {
  return input.pressed.test(static_cast<size_t>(key));
}
inline bool Confirms(const TicInput& input) {
  return Pressed(input, kKeyReturn) || Pressed(input, kKeySpace) || Pressed(input, kKeyPadEnter) ||
         Pressed(input, kMouseLeft) || input.pad.Pressed(PadButton::kA);
}
inline bool GoesBack(const TicInput& input) {
  return Pressed(input, kKeyEscape) || input.pad.Pressed(PadButton::kB) || input.pad.Pressed(PadButton::kStart);
}
inline bool GoesUp(const TicInput& input) {
  return Pressed(input, kKeyUp) || input.pad.Pressed(PadButton::kUp);
}
inline bool GoesDown(const TicInput& input) {
  return Pressed(input, kKeyDown) || input.pad.Pressed(PadButton::kDown);
}
inline bool GoesLeft(const TicInput& input) {
  return Pressed(input, kKeyLeft) || input.pad.Pressed(PadButton::kLeft);
}
inline bool GoesRight(const TicInput& input) {
  return Pressed(input, kKeyRight) || input.pad.Pressed(PadButton::kRight);
}
inline bool AnyPress(const TicInput& input) {
  return input.pressed.any() || input.pad.pressed.any();
}

}  // namespace game::menu_input
