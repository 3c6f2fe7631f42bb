// A headless run, the same on every platform: the tics of an input script
// played as fast as they go, each followed by its frame, and a digest of the
// state at the end, so that two runtimes can be compared line for line.
#pragma once

#include <functional>
#include <string>

#include "game_app.h"
#include "game_keys.h"

namespace game {

// Plays tics 1 to `frames` of `script` (fewer when the game quits), calling
// `after_tic` after each tic to hand on its sounds, music and log lines, and
// draws the frame of each tic into `frame` (with no tic, the first frame).
// `stop`, when given, ends the run early once it answers true (a signal).
void PlayHeadless(App& app, FrameBuffer& frame, const InputScript& script, int frames,
                  const std::function<void()>& after_tic, const std::function<bool()>& stop = {});

// "state digest " and the digest of the level being played in 16 hex digits,
// or "state digest none" when no level is being played.
std::string StateDigestLine(const App& app);

}  // namespace game
