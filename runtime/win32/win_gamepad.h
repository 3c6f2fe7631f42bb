// The first connected XInput gamepad, polled once a tic. XInput is loaded
// when the game starts (xinput1_4.dll, else xinput1_3.dll, else
// xinput9_1_0.dll), so the game needs no particular version of it; without
// it, or without a pad plugged in, the game is played on keys and mouse.
// Asking XInput about an empty slot is slow, so while no pad is connected the
// slots are looked at about once a second, not every tic.
#pragma once

#include <windows.h>

#include <bitset>

#include "game_controls.h"
#include "xinput_pad.h"

namespace game::win {

class Gamepad {
 public:
  Gamepad();
  ~Gamepad();
  Gamepad(const Gamepad&) = delete;
  Gamepad& operator=(const Gamepad&) = delete;

  // The first connected pad as it is now; a pad at rest when there is none.
  PadInput Poll();

 private:
  bool Read(DWORD user, XInputPadState& state) const;

  HMODULE library_ = nullptr;
  FARPROC get_state_ = nullptr;
  int user_ = -1;        // the slot of the pad played with, -1 while there is none
  int idle_polls_ = -1;  // polls since the slots were last looked at
  std::bitset<kPadButtonCount> held_;
};

}  // namespace game::win
