// SDL keys and mouse buttons as key-list indexes.
#pragma once

#include <SDL.h>

namespace game {

// The key-list index of a scancode, or 0 when the list has no such key.
int KeyOfScancode(SDL_Scancode code);
// The key-list index of a mouse button (left 1, right 2), or 0.
int KeyOfMouseButton(Uint8 button);

}  // namespace game
