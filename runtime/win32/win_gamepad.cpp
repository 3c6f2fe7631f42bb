#include "win_gamepad.h"

#include <xinput.h>

#include "game_play.h"

namespace game::win {
namespace {

using GetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);

}  // namespace

Gamepad::Gamepad() {
  for (const wchar_t* name : {L"xinput1_4.dll", L"xinput1_3.dll", L"xinput9_1_0.dll"}) {
    library_ = LoadLibraryW(name);
    if (library_) break;
  }
  if (library_) get_state_ = GetProcAddress(library_, "XInputGetState");
}

Gamepad::~Gamepad() {
  if (library_) FreeLibrary(library_);
}

bool Gamepad::Read(DWORD user, XInputPadState& state) const {
  const auto get_state = reinterpret_cast<GetStateFunction>(reinterpret_cast<void*>(get_state_));
  XINPUT_STATE read{};
  if (get_state(user, &read) != ERROR_SUCCESS) return false;
  const XINPUT_GAMEPAD& pad = read.Gamepad;
  state = {pad.wButtons, pad.bLeftTrigger, pad.bRightTrigger, pad.sThumbLX,
           pad.sThumbLY, pad.sThumbRX,     pad.sThumbRY};
  return true;
}

PadInput Gamepad::Poll() {
  XInputPadState state;
  if (get_state_) {
    if (user_ >= 0 && !Read(static_cast<DWORD>(user_), state)) user_ = -1;
    if (user_ < 0 && (idle_polls_ < 0 || ++idle_polls_ >= kTicRate)) {
      idle_polls_ = 0;
      for (DWORD user = 0; user < XUSER_MAX_COUNT && user_ < 0; ++user)
        if (Read(user, state)) user_ = static_cast<int>(user);
    }
  }
  const PadInput input = PadOfXInput(state, held_);
  held_ = input.held;
  return input;
}

}  // namespace game::win
