#include "game_render.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace game {
namespace {

constexpr double kEyeHeight = 0.5;  // eye half-way up a wall, walls one cell high
constexpr int kFixedShift = 16;
constexpr int kStripsPerThread = 6;  // more strips than threads, so that none waits long for the slowest
constexpr int kNarrowestStrip = 16;  // columns

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

// Texture positions of floor and ceiling step in 1/65536 of a cell; only their bits within the cell count,
// so they may wrap around.
inline uint32_t FlatTexel(const uint32_t* texels, uint32_t fx, uint32_t fy) {
  return texels[((fx >> (kFixedShift - 6)) & 63) * 64 + ((fy >> (kFixedShift - 6)) & 63)];
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

double FocalLength(double fov_degrees, int width, int height) {
  const double fov = std::clamp(fov_degrees, kMinFovDegrees, kMaxFovDegrees);
  const double height_at_16_10 = width * 0.625;
  return std::min(static_cast<double>(height), height_at_16_10) / 2.0 /
         std::tan(fov * std::numbers::pi / 360.0);
}

FrameSize ScaledFrameSize(int window_width, int window_height, int scale_percent) {
  const int64_t percent = std::clamp(scale_percent, 50, 100);
  return {std::max(1, static_cast<int>(window_width * percent / 100)),
          std::max(1, static_cast<int>(window_height * percent / 100))};
}

Renderer::Renderer(int threads) : pool_(std::make_unique<WorkerPool>(threads)) {}

void Renderer::Render(const Scene& scene, const Camera& camera, FrameBuffer& frame, const ViewRect& view) {
  if (view.width <= 0 || view.height <= 0 || !scene.map) return;
  scene_ = &scene;
  frame_ = &frame;
  view_ = view;
  projection_ = camera.focal > 0 ? camera.focal : FocalLength(kDefaultFovDegrees, view.width, view.height);
  horizon_ = view.y + view.height / 2.0 + camera.pitch;
  const double half_width_tan = view.width / 2.0 / projection_;
  eye_x_ = camera.x, eye_y_ = camera.y;
  dir_x_ = std::cos(camera.angle), dir_y_ = std::sin(camera.angle);
  plane_x_ = -dir_y_ * half_width_tan, plane_y_ = dir_x_ * half_width_tan;
  depth_.assign(static_cast<size_t>(view.width), 1e9f);
  wall_top_.assign(static_cast<size_t>(view.width), view.y + view.height);
  wall_bottom_.assign(static_cast<size_t>(view.width), view.y + view.height);
  PrepareFlatRows();
  PrepareSprites();
  const int strips = std::clamp(view.width / kNarrowestStrip, 1, pool_->threads() * kStripsPerThread);
  pool_->Run(strips, [&](int strip) {
    DrawStrip(static_cast<int>(int64_t{view.width} * strip / strips),
              static_cast<int>(int64_t{view.width} * (strip + 1) / strips));
  });
}

void Renderer::PrepareFlatRows() {
  const double first_cam = 1.0 / view_.width - 1.0;
  const double cam_step = 2.0 / view_.width;
  const double scale = 65536.0;
  flat_rows_.resize(static_cast<size_t>(view_.height));
  for (int y = view_.y; y < view_.y + view_.height; ++y) {
    FlatRow& row = flat_rows_[static_cast<size_t>(y - view_.y)];
    const double from_horizon = y + 0.5 - horizon_;
    row.floor = from_horizon > 0;
    const Texture* texture = row.floor ? scene_->floor : scene_->ceiling;
    row.texels = texture && texture->present ? texture->texels.data() : nullptr;
    if (!row.texels) continue;
    const double distance = kEyeHeight * projection_ / std::max(std::abs(from_horizon), 1e-3);
    row.shade = ShadeOf(*scene_, distance);
    const double wx = eye_x_ + distance * (dir_x_ + plane_x_ * first_cam);
    const double wy = eye_y_ + distance * (dir_y_ + plane_y_ * first_cam);
    row.fx = static_cast<int64_t>(std::floor(wx * scale));
    row.fy = static_cast<int64_t>(std::floor(wy * scale));
    row.step_x = static_cast<int64_t>(distance * plane_x_ * cam_step * scale);
    row.step_y = static_cast<int64_t>(distance * plane_y_ * cam_step * scale);
  }
}

void Renderer::PrepareSprites() {
  spans_.clear();
  for (const RenderSprite& s : scene_->sprites) {
    const double depth = (s.x - eye_x_) * dir_x_ + (s.y - eye_y_) * dir_y_;
    if (depth <= 0.05 || !s.texture || !s.texture->present) continue;
    const double lateral = -(s.x - eye_x_) * dir_y_ + (s.y - eye_y_) * dir_x_;
    const double size = projection_ / depth;
    SpriteSpan span;
    span.texture = s.texture;
    span.depth = depth;
    span.left = view_.width / 2.0 + lateral / depth * projection_ - size / 2.0;
    const double top = horizon_ - size * kEyeHeight;
    span.x0 = std::max(0, static_cast<int>(std::ceil(span.left - 0.5)));
    span.x1 = std::min(view_.width, static_cast<int>(std::ceil(span.left + size - 0.5)));
    span.y0 = std::max(view_.y, static_cast<int>(std::ceil(top - 0.5)));
    span.y1 = std::min(view_.y + view_.height, static_cast<int>(std::ceil(top + size - 0.5)));
    span.shade = ShadeOf(*scene_, depth);
    span.step = Texture::kSize / size;
    span.v_first = static_cast<int64_t>((span.y0 + 0.5 - top) * span.step * 65536.0);
    span.v_step = static_cast<int64_t>(span.step * 65536.0);
    spans_.push_back(span);
  }
  // Far to near, so nearer sprites cover farther ones; ties keep list order.
  std::stable_sort(spans_.begin(), spans_.end(),
                   [](const SpriteSpan& a, const SpriteSpan& b) { return a.depth > b.depth; });
}

void Renderer::DrawStrip(int x0, int x1) {
  for (int column = x0; column < x1; ++column) DrawWallColumn(column);
  DrawFlatRows(x0, x1);
  DrawSprites(x0, x1);
}

void Renderer::DrawWallColumn(int column) {
  // -1 .. 1 across the view, the same both ways from the middle.
  const double cam = (2.0 * column + 1 - view_.width) / view_.width;
  const WallHit hit = CastRay(*scene_->map, scene_->door_open, eye_x_, eye_y_, dir_x_ + plane_x_ * cam,
                              dir_y_ + plane_y_ * cam);
  if (!hit.hit) return;
  const double distance = std::max(hit.distance, 1e-4);
  depth_[static_cast<size_t>(column)] = static_cast<float>(distance);
  const Texture* texture = WallTexture(*scene_, hit);
  const double line = projection_ / distance;
  const double top = horizon_ - line * kEyeHeight;
  const int y0 = std::max(view_.y, static_cast<int>(std::ceil(top - 0.5)));
  const int y1 = std::min(view_.y + view_.height, static_cast<int>(std::ceil(top + line - 0.5)));
  if (y0 >= y1) return;
  wall_top_[static_cast<size_t>(column)] = y0;
  wall_bottom_[static_cast<size_t>(column)] = y1;
  const int shade = ShadeOf(*scene_, distance);
  const int stride = frame_->width;
  uint32_t* out = &frame_->pixels[static_cast<size_t>(y0) * stride + view_.x + column];
  if (!texture || !texture->present) {
    for (int y = y0; y < y1; ++y, out += stride) *out = Shaded(Rgb(128, 128, 128), shade);
    return;
  }
  const uint32_t* texels = texture->column(static_cast<int>(hit.u * Texture::kSize));
  const double step = Texture::kSize / line;
  int64_t v = static_cast<int64_t>((y0 + 0.5 - top) * step * 65536.0);
  const int64_t v_step = static_cast<int64_t>(step * 65536.0);
  for (int y = y0; y < y1; ++y, out += stride, v += v_step)
    *out = Shaded(texels[std::clamp(static_cast<int>(v >> kFixedShift), 0, 63)], shade);
}

// Only the pixels the walls left free: below a column's wall for the floor, above it for the ceiling.
void Renderer::DrawFlatRows(int x0, int x1) {
  for (int y = view_.y; y < view_.y + view_.height; ++y) {
    const FlatRow& r = flat_rows_[static_cast<size_t>(y - view_.y)];
    uint32_t* row = &frame_->pixels[static_cast<size_t>(y) * frame_->width + view_.x];
    const int* limit = r.floor ? wall_bottom_.data() : wall_top_.data();
    if (!r.texels) {
      const uint32_t plain = r.floor ? Rgb(40, 40, 40) : Rgb(20, 20, 20);
      for (int x = x0; x < x1; ++x)
        if (r.floor ? y >= limit[x] : y < limit[x]) row[x] = plain;
      continue;
    }
    auto fx = static_cast<uint32_t>(r.fx + x0 * r.step_x), fy = static_cast<uint32_t>(r.fy + x0 * r.step_y);
    const auto step_x = static_cast<uint32_t>(r.step_x), step_y = static_cast<uint32_t>(r.step_y);
    if (r.floor) {
      for (int x = x0; x < x1; ++x, fx += step_x, fy += step_y)
        if (y >= limit[x]) row[x] = Shaded(FlatTexel(r.texels, fx, fy), r.shade);
    } else {
      for (int x = x0; x < x1; ++x, fx += step_x, fy += step_y)
        if (y < limit[x]) row[x] = Shaded(FlatTexel(r.texels, fx, fy), r.shade);
    }
  }
}

// Row by row, so that the frame is written in order; the sprite's columns that show the same texture
// column side by side form one run, drawn with one texel per row.
void Renderer::DrawSprites(int x0, int x1) {
  struct Run {
    int x0, x1;  // columns
    const uint32_t* texels;
    int y0, y1;  // rows between the first and the last opaque texel
  };
  std::vector<Run> runs;
  for (const SpriteSpan& s : spans_) {
    if (s.v_step <= 0) continue;
    runs.clear();
    int y0 = s.y1, y1 = s.y0;
    for (int column = std::max(x0, s.x0); column < std::min(x1, s.x1); ++column) {
      if (s.depth >= depth_[static_cast<size_t>(column)]) continue;
      const int u = std::clamp(static_cast<int>((column + 0.5 - s.left) * s.step), 0, 63);
      const uint32_t* texels = s.texture->column(u);
      if (!runs.empty() && runs.back().x1 == column && runs.back().texels == texels) {
        ++runs.back().x1;
        continue;
      }
      const OpaqueRows rows = OpaqueRowsOf(texels);
      if (rows.first > rows.last) continue;
      const int64_t skip =
          std::max<int64_t>(0, ((int64_t{rows.first} << kFixedShift) - s.v_first + s.v_step - 1) / s.v_step);
      const int start = static_cast<int>(std::min<int64_t>(s.y1, s.y0 + skip));
      const int end =
          rows.last == Texture::kSize - 1
              ? s.y1
              : static_cast<int>(std::min<int64_t>(
                    s.y1,
                    s.y0 + ((int64_t{rows.last + 1} << kFixedShift) - s.v_first + s.v_step - 1) / s.v_step));
      runs.push_back({column, column + 1, texels, start, end});
      y0 = std::min(y0, start), y1 = std::max(y1, end);
    }
    for (int y = y0; y < y1; ++y) {
      const int v = std::min(static_cast<int>((s.v_first + (y - s.y0) * s.v_step) >> kFixedShift), 63);
      uint32_t* row = &frame_->pixels[static_cast<size_t>(y) * frame_->width + view_.x];
      for (const Run& run : runs) {
        if (y < run.y0 || y >= run.y1 || IsTransparent(run.texels[v])) continue;
        std::fill(row + run.x0, row + run.x1, Shaded(run.texels[v], s.shade));
      }
    }
  }
}

}  // namespace game
