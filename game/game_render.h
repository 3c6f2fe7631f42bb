// The 3-D view: per-column ray casting over the level grid into a 32-bit frame buffer, the columns shared
// among threads.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "game_image.h"
#include "game_level.h"
#include "game_ray_cast.h"
#include "game_worker_pool.h"

namespace game {

struct Camera {
  double x = 0, y = 0;  // in cells; x grows to the east (columns), y to the south (rows)
  double angle = 0;     // radians; 0 looks east, pi / 2 south
  double pitch = 0;     // horizon shift in pixels of the view, positive looks up
  double focal = 0;     // pixels from the eye to the picture plane; 0: the default field of view
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

// The vertical field of view that shows a 16:10 frame as it always was: 0.66 to either side for each unit
// ahead.
constexpr double kDefaultFovDegrees = 44.832294958687285;
constexpr double kMinFovDegrees = 20, kMaxFovDegrees = 120;

// How the player wants frames drawn.
struct RenderSettings {
  double fov_degrees = kDefaultFovDegrees;  // vertical, see FocalLength
  int scale_percent = 100;                  // the frame's size in percent of the window's, 50..100
  int threads = 0;                          // threads that draw a frame; 0: one per core
};

// Pixels from the eye to the picture plane when the vertical field of view `fov_degrees` spans the height
// of a frame of this size. A frame wider than 16:10 shows more to the sides; a narrower one keeps the
// width it would show at 16:10 and shows more above and below instead. Pixels stay square either way.
double FocalLength(double fov_degrees, int width, int height);

struct FrameSize {
  int width = 0, height = 0;
  bool operator==(const FrameSize&) const = default;
};
// The frame drawn for a window of this size at `scale_percent` (clamped to 50..100), scaled up to the
// window when shown.
FrameSize ScaledFrameSize(int window_width, int window_height, int scale_percent);

class Renderer {
 public:
  // Draws with `threads` threads, the caller's included; 0 means one per core.
  explicit Renderer(int threads = 0);

  void Render(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view);

  int threads() const { return pool_->threads(); }
  WorkerPool& pool() { return *pool_; }
  // Wall distance of each column of the last frame, for tests.
  const std::vector<float>& depth() const { return depth_; }

 private:
  // Floor or ceiling texture positions along one row of the view.
  struct FlatRow {
    const uint32_t* texels = nullptr;  // none: a plain colour
    bool floor = false;
    int shade = 256;
    int64_t fx = 0, fy = 0;          // at the view's first column, in 1/65536 of a cell
    int64_t step_x = 0, step_y = 0;  // from one column to the next
  };
  // A visible sprite placed on the view.
  struct SpriteSpan {
    const Texture* texture = nullptr;
    double depth = 0, left = 0, step = 0;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0, shade = 256;
    int64_t v_first = 0, v_step = 0;
  };

  void PrepareFlatRows();
  void PrepareSprites();
  // Everything of the view's columns x0 .. x1 - 1: walls, then floor and ceiling, then sprites.
  void DrawStrip(int x0, int x1);
  void DrawWallColumn(int column);
  void DrawFlatRows(int x0, int x1);
  void DrawSprites(int x0, int x1);

  std::unique_ptr<WorkerPool> pool_;
  // The frame being drawn.
  const Scene* scene_ = nullptr;
  FrameBuffer* frame_ = nullptr;
  ViewRect view_;
  double eye_x_ = 0, eye_y_ = 0, dir_x_ = 0, dir_y_ = 0, plane_x_ = 0, plane_y_ = 0;
  double projection_ = 0, horizon_ = 0;
  std::vector<FlatRow> flat_rows_;
  std::vector<SpriteSpan> spans_;  // far to near
  std::vector<float> depth_;
  std::vector<int> wall_top_, wall_bottom_;  // rows each column's wall covers
};

}  // namespace game
