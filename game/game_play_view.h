// What the player sees in play: the 3-D view of the level, the weapon in hand, the HUD strip and the map.
#pragma once

#include "game_play.h"
#include "game_render.h"

namespace game {

// The moment a frame shows.
struct FrameMoment {
  double fraction = 1;             // 0: where the last tic began, 1: where it ended
  int mouse_dx = 0, mouse_dy = 0;  // mouse motion the next tic takes, shown at once
};

// The eye of the play frame at `moment`.
struct Eye {
  double x = 0, y = 0;  // cells
  double angle = 0;     // angle steps, 0 .. kAngleSteps
  double pitch = 0;     // as Player::pitch
};
Eye EyeAt(const Play& play, const FrameMoment& moment);

// The textures and sprites of the play state at `fraction` of the way from the last tic's start to its end;
// between the two, the doors' openness goes into `doors`.
Scene BuildScene(const Play& play, double fraction = 1, DoorOpenness* doors = nullptr);

// The picture (0..4) of the weapon in hand for the tics since its last shot.
int WeaponPicture(int fire_tics);

// The whole play frame: view, weapon, gun centre, flashes, HUD and (when on) the map.
void DrawPlayFrame(const Play& play, Renderer& renderer, FrameBuffer& frame,
                   const RenderSettings& settings = {}, const FrameMoment& moment = {});

}  // namespace game
