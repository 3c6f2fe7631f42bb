// The keys of a PC keyboard by their scan codes (set 1, as a keyboard
// message gives them, with the flag of the E0-prefixed keys) mapped to the
// key list of the game's settings, by the keys' places on the keyboard
// rather than by what the layout prints on them.
#pragma once

namespace game {

// The key-list index of the key, or 0 when the key list has none for it.
int KeyOfPcScancode(int scancode, bool extended);

}  // namespace game
