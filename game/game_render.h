// The 3-D view: per-column ray casting over the level grid into a 32-bit frame buffer.
#pragma once

#include <array>
#include <vector>

#include "game_image.h"
#include "game_level.h"
#include "game_ray_cast.h"

namespace game {

struct Camera {
  double x = 0, y = 0;  // in cells; x grows to the east (columns), y to the south (rows)
  double angle = 0;     // radians; 0 looks east, pi / 2 south
  double pitch = 0;     // horizon shift in pixels of the view, positive looks up
};

struct ViewRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// Something drawn upright, one cell high, standing on the floor.
struct RenderSprite {
  double x = 0, y = 0;
  const Texture* texture = nullptr;
};

struct Scene {
  const LevelMap* map = nullptr;
  std::array<const Texture*, 41> walls{};  // by wall texture number 1..40
  const Texture* door = nullptr;
  const Texture* exit_door = nullptr;
  const Texture* floor = nullptr;
  const Texture* ceiling = nullptr;
  const DoorOpenness* door_open = nullptr;  // all doors closed without it
  std::vector<RenderSprite> sprites;
  bool shade = false;
};

// Horizontal field of view: tan of half the angle.
constexpr double kHalfFovTan = 0.66;

class Renderer {
 public:
  void Render(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view);

  // Wall distance of each column of the last frame, for tests.
  const std::vector<float>& depth() const { return depth_; }

 private:
  void DrawFloorAndCeiling(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view,
                           double horizon, double projection);
  void DrawWalls(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view,
                 double horizon, double projection);
  void DrawSprites(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view,
                   double horizon, double projection);

  std::vector<float> depth_;
  std::vector<int> wall_top_, wall_bottom_;  // rows each column's wall covers
  std::vector<int> order_;
};

}  // namespace game
