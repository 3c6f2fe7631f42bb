// SIGTERM and SIGINT end the game, in a window and headless alike: the loops
// ask StopRequested() once a tic and end as after a close request. A game
// that does not end within a few seconds of the signal is ended by the
// system (an alarm), so a signal is never lost on a game that hangs.
#pragma once

namespace game {

// Installs the handlers; SDL's own are turned off so they do not replace them.
void CatchStopSignals();
bool StopRequested();

}  // namespace game
