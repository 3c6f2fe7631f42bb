// What the player sees in play: the 3-D view of the level, the weapon in hand, the HUD strip and the map.
#pragma once

#include "game_play.h"
#include "game_render.h"

namespace game {

// The textures and sprites of the play state's current moment.
Scene BuildScene(const Play& play);

// The picture (0..4) of the weapon in hand for the tics since its last shot.
int WeaponPicture(int fire_tics);

// The whole play frame: view, weapon, gun centre, flashes, HUD and (when on) the map.
void DrawPlayFrame(const Play& play, Renderer& renderer, FrameBuffer& frame, const RenderSettings& settings = {});

}  // namespace game
