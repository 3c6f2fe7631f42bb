// Messages for the player: always on the error output, then in a message box,
// or inside a window of the game's own when no box can be shown (a desktop
// without a dialog helper, or no desktop the box understands).
#pragma once

#include "game_open.h"

namespace game {

// Waits for a key, a click or a close request when the message needs a window of its own.
void ShowPlayerMessage(const PlayerMessage& message);

}  // namespace game
