#include "game_render.h"

#include <algorithm>
#include <cmath>

namespace game {
namespace {

constexpr double kEyeHeight = 0.5;  // eye half-way up a wall, walls one cell high
constexpr int kFixedShift = 16;

int ShadeOf(const Scene& scene, double distance) {
  if (!scene.shade) return 256;
  const double light = std::clamp(1.25 - distance / 12.0, 0.2, 1.0);
  return static_cast<int>(light * 256.0);
}

inline uint32_t Shaded(uint32_t c, int shade) {
  if (shade >= 256) return c;
  const uint32_t s = static_cast<uint32_t>(shade);
  const uint32_t rb = (((c & 0xFF00FFu) * s) >> 8) & 0xFF00FFu;
  const uint32_t g = (((c & 0x00FF00u) * s) >> 8) & 0x00FF00u;
  return kOpaque | rb | g;
}

const Texture* WallTexture(const Scene& scene, const WallHit& hit) {
  switch (hit.kind) {
    case CellKind::kDoor:
      return scene.door;
    case CellKind::kExitDoor:
      return scene.exit_door;
    default: {
      const int number = scene.map->TextureAt(hit.cell_x, hit.cell_y);
      return number >= 1 && number <= 40 ? scene.walls[static_cast<size_t>(number)] : nullptr;
    }
  }
}

// One row of floor (or ceiling): only the pixels the walls left free, below a
// column's wall for the floor, above it for the ceiling.
template <bool kFloor, bool kShade>
void FloorRow(uint32_t* row, int width, int y, const int* limit, const uint32_t* texels, int64_t fx,
              int64_t fy, int64_t step_x, int64_t step_y, int shade) {
  for (int x = 0; x < width; ++x, fx += step_x, fy += step_y) {
    if (kFloor ? y < limit[x] : y >= limit[x]) continue;
    const int u = static_cast<int>(fx >> (kFixedShift - 6)) & 63;
    const int v = static_cast<int>(fy >> (kFixedShift - 6)) & 63;
    const uint32_t texel = texels[u * 64 + v];
    row[x] = kShade ? Shaded(texel, shade) : texel;
  }
}

struct OpaqueRows {
  int first, last;  // first > last when the column is all transparent
};

OpaqueRows OpaqueRowsOf(const uint32_t* column) {
  int first = 0, last = Texture::kSize - 1;
  while (first < Texture::kSize && IsTransparent(column[first])) ++first;
  while (last > first && IsTransparent(column[last])) --last;
  return {first, last};
}

}  // namespace

void Renderer::Render(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view) {
  if (view.width <= 0 || view.height <= 0 || !scene.map) return;
  const double projection = (view.width / 2.0) / kHalfFovTan;
  const double horizon = view.y + view.height / 2.0 + camera.pitch;
  depth_.assign(static_cast<size_t>(view.width), 1e9f);
  wall_top_.assign(static_cast<size_t>(view.width), view.y + view.height);
  wall_bottom_.assign(static_cast<size_t>(view.width), view.y + view.height);
  DrawWalls(scene, camera, frame, view, horizon, projection);
  DrawFloorAndCeiling(scene, camera, frame, view, horizon, projection);
  DrawSprites(scene, camera, frame, view, horizon, projection);
}

void Renderer::DrawFloorAndCeiling(const Scene& scene, const Camera& camera, FrameBuffer& frame,
                                   const ViewRect& view, double horizon, double projection) {
  const double dir_x = std::cos(camera.angle), dir_y = std::sin(camera.angle);
  const double plane_x = -dir_y * kHalfFovTan, plane_y = dir_x * kHalfFovTan;
  const double first_cam = 1.0 / view.width - 1.0;
  const double cam_step = 2.0 / view.width;
  for (int y = view.y; y < view.y + view.height; ++y) {
    const double from_horizon = y + 0.5 - horizon;
    const bool is_floor = from_horizon > 0;
    const Texture* texture = is_floor ? scene.floor : scene.ceiling;
    uint32_t* row = &frame.pixels[static_cast<size_t>(y) * frame.width + view.x];
    const double distance = kEyeHeight * projection / std::max(std::abs(from_horizon), 1e-3);
    if (!texture || !texture->present) {
      for (int x = 0; x < view.width; ++x)
        if (is_floor ? y >= wall_bottom_[static_cast<size_t>(x)] : y < wall_top_[static_cast<size_t>(x)])
          row[x] = is_floor ? Rgb(40, 40, 40) : Rgb(20, 20, 20);
      continue;
    }
    const int shade = ShadeOf(scene, distance);
    const double wx = camera.x + distance * (dir_x + plane_x * first_cam);
    const double wy = camera.y + distance * (dir_y + plane_y * first_cam);
    const double scale = 65536.0;
    int64_t fx = static_cast<int64_t>(std::floor(wx * scale));
    int64_t fy = static_cast<int64_t>(std::floor(wy * scale));
    const int64_t step_x = static_cast<int64_t>(distance * plane_x * cam_step * scale);
    const int64_t step_y = static_cast<int64_t>(distance * plane_y * cam_step * scale);
    const uint32_t* texels = texture->texels.data();
    const int* limit = is_floor ? wall_bottom_.data() : wall_top_.data();
    if (is_floor) {
      if (shade < 256)
        FloorRow<true, true>(row, view.width, y, limit, texels, fx, fy, step_x, step_y, shade);
      else
        FloorRow<true, false>(row, view.width, y, limit, texels, fx, fy, step_x, step_y, shade);
    } else {
      if (shade < 256)
        FloorRow<false, true>(row, view.width, y, limit, texels, fx, fy, step_x, step_y, shade);
      else
        FloorRow<false, false>(row, view.width, y, limit, texels, fx, fy, step_x, step_y, shade);
    }
  }
}

void Renderer::DrawWalls(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view,
                         double horizon, double projection) {
  const double dir_x = std::cos(camera.angle), dir_y = std::sin(camera.angle);
  const double plane_x = -dir_y * kHalfFovTan, plane_y = dir_x * kHalfFovTan;
  const int view_bottom = view.y + view.height;
  for (int column = 0; column < view.width; ++column) {
    const double cam = 2.0 * (column + 0.5) / view.width - 1.0;
    const WallHit hit = CastRay(*scene.map, scene.door_open, camera.x, camera.y, dir_x + plane_x * cam,
                                dir_y + plane_y * cam);
    if (!hit.hit) continue;
    const double distance = std::max(hit.distance, 1e-4);
    depth_[static_cast<size_t>(column)] = static_cast<float>(distance);
    const Texture* texture = WallTexture(scene, hit);
    const double line = projection / distance;
    const double top = horizon - line * kEyeHeight;
    const int y0 = std::max(view.y, static_cast<int>(std::ceil(top - 0.5)));
    const int y1 = std::min(view_bottom, static_cast<int>(std::ceil(top + line - 0.5)));
    if (y0 >= y1) continue;
    wall_top_[static_cast<size_t>(column)] = y0;
    wall_bottom_[static_cast<size_t>(column)] = y1;
    const int shade = ShadeOf(scene, distance);
    uint32_t* out = &frame.pixels[static_cast<size_t>(y0) * frame.width + view.x + column];
    if (!texture || !texture->present) {
      for (int y = y0; y < y1; ++y, out += frame.width) *out = Shaded(Rgb(128, 128, 128), shade);
      continue;
    }
    const uint32_t* texels = texture->column(static_cast<int>(hit.u * Texture::kSize));
    const double step = Texture::kSize / line;
    int64_t v = static_cast<int64_t>((y0 + 0.5 - top) * step * 65536.0);
    const int64_t v_step = static_cast<int64_t>(step * 65536.0);
    for (int y = y0; y < y1; ++y, out += frame.width, v += v_step)
      *out = Shaded(texels[std::clamp(static_cast<int>(v >> kFixedShift), 0, 63)], shade);
  }
}

void Renderer::DrawSprites(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view,
                           double horizon, double projection) {
  const double dir_x = std::cos(camera.angle), dir_y = std::sin(camera.angle);
  std::vector<double> depths(scene.sprites.size());
  order_.clear();
  for (size_t i = 0; i < scene.sprites.size(); ++i) {
    const RenderSprite& s = scene.sprites[i];
    depths[i] = (s.x - camera.x) * dir_x + (s.y - camera.y) * dir_y;
    if (depths[i] > 0.05 && s.texture && s.texture->present) order_.push_back(static_cast<int>(i));
  }
  // Far to near, so nearer sprites cover farther ones; ties keep list order.
  std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return depths[a] > depths[b]; });
  const int view_bottom = view.y + view.height;
  for (int index : order_) {
    const RenderSprite& s = scene.sprites[static_cast<size_t>(index)];
    const double depth = depths[static_cast<size_t>(index)];
    const double lateral = -(s.x - camera.x) * dir_y + (s.y - camera.y) * dir_x;
    const double size = projection / depth;
    const double left = view.width / 2.0 + lateral / depth * projection - size / 2.0;
    const double top = horizon - size * kEyeHeight;
    const int x0 = std::max(0, static_cast<int>(std::ceil(left - 0.5)));
    const int x1 = std::min(view.width, static_cast<int>(std::ceil(left + size - 0.5)));
    const int y0 = std::max(view.y, static_cast<int>(std::ceil(top - 0.5)));
    const int y1 = std::min(view_bottom, static_cast<int>(std::ceil(top + size - 0.5)));
    const int shade = ShadeOf(scene, depth);
    const double step = Texture::kSize / size;
    const int64_t v_first = static_cast<int64_t>((y0 + 0.5 - top) * step * 65536.0);
    const int64_t v_step = static_cast<int64_t>(step * 65536.0);
    for (int column = x0; column < x1; ++column) {
      if (depth >= depth_[static_cast<size_t>(column)]) continue;
      const int u = std::clamp(static_cast<int>((column + 0.5 - left) * step), 0, 63);
      const uint32_t* texels = s.texture->column(u);
      const OpaqueRows rows = OpaqueRowsOf(texels);
      if (rows.first > rows.last || v_step <= 0) continue;
      // Only the rows whose texels lie between the column's first and last opaque texel.
      const int64_t skip =
          std::max<int64_t>(0, ((int64_t{rows.first} << kFixedShift) - v_first + v_step - 1) / v_step);
      const int end =
          rows.last == Texture::kSize - 1
              ? y1
              : static_cast<int>(std::min<int64_t>(
                    y1, y0 + ((int64_t{rows.last + 1} << kFixedShift) - v_first + v_step - 1) / v_step));
      const int start = static_cast<int>(std::min<int64_t>(y1, y0 + skip));
      uint32_t* out = &frame.pixels[static_cast<size_t>(start) * frame.width + view.x + column];
      int64_t v = v_first + (start - y0) * v_step;
      for (int y = start; y < end; ++y, out += frame.width, v += v_step) {
        const uint32_t texel = texels[std::min(static_cast<int>(v >> kFixedShift), 63)];
        if (!IsTransparent(texel)) *out = Shaded(texel, shade);
      }
    }
  }
}

}  // namespace game
