#include "game_headless.h"

#include <cstdio>

namespace game {

void PlayHeadless(App& app, FrameBuffer& frame, const InputScript& script, int frames,
                  const std::function<void()>& after_tic, const std::function<bool()>& stop) {
  for (int tic = 1; tic <= frames && !app.quit_requested() && !(stop && stop()); ++tic) {
    app.Tick(script.At(tic));
    if (after_tic) after_tic();
    app.Draw(frame);
  }
  if (frames == 0) app.Draw(frame);
}

std::string StateDigestLine(const App& app) {
  if (!app.play()) return "state digest none";
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(app.play()->Digest()));
  return std::string("state digest ") + digits;
}

}  // namespace game
