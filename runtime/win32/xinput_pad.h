// A gamepad as an XInput poll reads it (a word of buttons, two triggers of
// 0..255, two sticks of -32768..32767 whose y grows upwards) turned into the
// game's pad input, with the ranges and directions the Linux game's
// controllers give. Plain data, no Windows headers, so that it is tested on
// any system.
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <utility>

#include "game_controls.h"

namespace game::win {

struct XInputPadState {
  uint16_t buttons = 0;  // XINPUT_GAMEPAD_* bits
  uint8_t left_trigger = 0, right_trigger = 0;
  int16_t left_x = 0, left_y = 0, right_x = 0, right_y = 0;
};

namespace xinput_detail {

// XInput's button bits beside the game's buttons.
constexpr std::array<std::pair<uint16_t, PadButton>, kPadButtonCount> kButtons = {{
    {0x1000, PadButton::kA},
    {0x2000, PadButton::kB},
    {0x4000, PadButton::kX},
    {0x8000, PadButton::kY},
    {0x0020, PadButton::kBack},
    {0x0010, PadButton::kStart},
    {0x0040, PadButton::kLeftStick},
    {0x0080, PadButton::kRightStick},
    {0x0100, PadButton::kLeftShoulder},
    {0x0200, PadButton::kRightShoulder},
    {0x0001, PadButton::kUp},
    {0x0002, PadButton::kDown},
    {0x0004, PadButton::kLeft},
    {0x0008, PadButton::kRight},
}};

// A stick's y, turned to grow downwards (-32768 up there is 32767 here).
inline int Downwards(int16_t y) {
  return std::min(-static_cast<int>(y), kPadAxisMax);
}

// A trigger's 0..255 spread over 0..kPadAxisMax.
inline int Trigger(uint8_t value) {
  return value * kPadAxisMax / 255;
}

}  // namespace xinput_detail

// The pad input for `state`; `held_before` are the buttons held at the last
// poll, so that a button down now and not then counts as pressed.
inline PadInput PadOfXInput(const XInputPadState& state, const std::bitset<kPadButtonCount>& held_before) {
  using namespace xinput_detail;
  PadInput pad;
  for (const auto& [bit, button] : kButtons)
    pad.held.set(static_cast<size_t>(button), (state.buttons & bit) != 0);
  pad.pressed = pad.held & ~held_before;
  pad.move_x = state.left_x, pad.move_y = Downwards(state.left_y);
  pad.look_x = state.right_x, pad.look_y = Downwards(state.right_y);
  pad.left_trigger = Trigger(state.left_trigger), pad.right_trigger = Trigger(state.right_trigger);
  return pad;
}

}  // namespace game::win
