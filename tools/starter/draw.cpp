#include "tools/starter/draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace starter {

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  uint32_t h = 0x9E3779B9u ^ a;
  for (uint32_t v : {b, c, d}) {
    h ^= v + 0x7F4A7C15u + (h << 6) + (h >> 2);
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
  }
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

double Random01(uint32_t seed, int x, int y) {
  return Hash(seed, static_cast<uint32_t>(x), static_cast<uint32_t>(y)) / 4294967296.0;
}

double TileNoise(uint32_t seed, double x, double y, int period) {
  const auto wrap = [period](int v) { return ((v % period) + period) % period; };
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const auto corner = [&](int dx, int dy) { return Random01(seed, wrap(x0 + dx), wrap(y0 + dy)); };
  const double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * sx;
  const double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * sx;
  return top + (bottom - top) * sy;
}

double Fractal(uint32_t seed, double x, double y, int period, int octaves) {
  double sum = 0, weight = 0, amplitude = 1, scale = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * TileNoise(seed + o * 131, x * scale, y * scale, period * static_cast<int>(scale));
    weight += amplitude;
    amplitude *= 0.5;
    scale *= 2;
  }
  return sum / weight;
}

Rgb Hex(uint32_t rgb) {
  return Rgb{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
}

namespace {

uint8_t Channel(double v) {
  return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 254L));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return Rgb{Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

Rgb Shade(Rgb c, double factor) {
  return Rgb{Channel(c.r * factor), Channel(c.g * factor), Channel(c.b * factor)};
}

Rgb Lighten(Rgb c, double amount) {
  return Mix(c, Rgb{254, 254, 254}, amount);
}

void Plot(Picture& p, int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.set(x, y, c);
}

void Blend(Picture& p, int x, int y, Rgb c, double alpha) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.set(x, y, Mix(p.at(x, y), c, alpha));
}

void FillRect(Picture& p, int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Plot(p, i, j, c);
}

void FrameRect(Picture& p, int x, int y, int w, int h, Rgb c) {
  FillRect(p, x, y, w, 1, c);
  FillRect(p, x, y + h - 1, w, 1, c);
  FillRect(p, x, y, 1, h, c);
  FillRect(p, x + w - 1, y, 1, h, c);
}

void Bevel(Picture& p, int x, int y, int w, int h, Rgb light, Rgb dark, int width) {
  for (int k = 0; k < width; ++k) {
    FillRect(p, x + k, y + k, w - 2 * k, 1, light);
    FillRect(p, x + k, y + k, 1, h - 2 * k, light);
    FillRect(p, x + k, y + h - 1 - k, w - 2 * k, 1, dark);
    FillRect(p, x + w - 1 - k, y + k, 1, h - 2 * k, dark);
  }
}

void FillEllipse(Picture& p, double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = static_cast<int>(cy - ry - 1); y <= cy + ry + 1; ++y)
    for (int x = static_cast<int>(cx - rx - 1); x <= cx + rx + 1; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Plot(p, x, y, c);
    }
}

void FillCircle(Picture& p, double cx, double cy, double r, Rgb c) {
  FillEllipse(p, cx, cy, r, r, c);
}

void FillSphere(Picture& p, double cx, double cy, double r, Rgb c) {
  for (int y = static_cast<int>(cy - r - 1); y <= cy + r + 1; ++y)
    for (int x = static_cast<int>(cx - r - 1); x <= cx + r + 1; ++x) {
      const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 1.0) continue;
      const double nz = std::sqrt(1.0 - d2);
      const double light = std::max(0.0, -0.5 * dx - 0.5 * dy + 0.7 * nz);
      Plot(p, x, y, Shade(c, 0.45 + 0.8 * light));
    }
}

void Capsule(Picture& p, double x0, double y0, double x1, double y1, double r, Rgb c) {
  const double vx = x1 - x0, vy = y1 - y0;
  const double len2 = std::max(1e-9, vx * vx + vy * vy);
  const double len = std::sqrt(len2);
  const double nx = -vy / len, ny = vx / len;  // the limb's side direction
  const int minx = static_cast<int>(std::min(x0, x1) - r - 1),
            maxx = static_cast<int>(std::max(x0, x1) + r + 1);
  const int miny = static_cast<int>(std::min(y0, y1) - r - 1),
            maxy = static_cast<int>(std::max(y0, y1) + r + 1);
  for (int y = miny; y <= maxy; ++y)
    for (int x = minx; x <= maxx; ++x) {
      const double px = x + 0.5 - x0, py = y + 0.5 - y0;
      const double t = std::clamp((px * vx + py * vy) / len2, 0.0, 1.0);
      const double dx = px - t * vx, dy = py - t * vy;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d > r) continue;
      double side = (dx * nx + dy * ny) / r;  // -1 .. 1 across the limb
      if (nx + ny > 0) side = -side;          // light always comes from the upper left
      const double light = 0.75 + 0.35 * (-side) - 0.25 * (d / r) * (d / r);
      Plot(p, x, y, Shade(c, light));
    }
}

void Line(Picture& p, double x0, double y0, double x1, double y1, Rgb c) {
  const int steps = static_cast<int>(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))) + 1;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    Plot(p, static_cast<int>(std::floor(x0 + (x1 - x0) * t)),
         static_cast<int>(std::floor(y0 + (y1 - y0) * t)), c);
  }
}

void FillCylinder(Picture& p, int x, int y, int w, int h, Rgb c) {
  for (int i = 0; i < w; ++i) {
    const double u = (i + 0.5) / w * 2 - 1;  // -1 .. 1
    const double light = 0.55 + 0.6 * std::sqrt(std::max(0.0, 1 - u * u)) - 0.2 * u;
    FillRect(p, x + i, y, 1, h, Shade(c, light));
  }
}

void FillPolygon(Picture& p, const double* xy, int points, Rgb c) {
  double miny = xy[1], maxy = xy[1];
  for (int i = 1; i < points; ++i) {
    miny = std::min(miny, xy[2 * i + 1]);
    maxy = std::max(maxy, xy[2 * i + 1]);
  }
  for (int y = static_cast<int>(std::floor(miny)); y <= maxy; ++y) {
    const double sy = y + 0.5;
    std::vector<double> xs;
    for (int i = 0; i < points; ++i) {
      const double ax = xy[2 * i], ay = xy[2 * i + 1];
      const double bx = xy[2 * ((i + 1) % points)], by = xy[2 * ((i + 1) % points) + 1];
      if ((ay <= sy && by > sy) || (by <= sy && ay > sy))
        xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      for (int x = static_cast<int>(std::ceil(xs[k] - 0.5)); x + 0.5 <= xs[k + 1]; ++x) Plot(p, x, y, c);
  }
}

void Glow(Picture& p, double cx, double cy, double r, Rgb c, double strength) {
  for (int y = static_cast<int>(cy - r); y <= cy + r; ++y)
    for (int x = static_cast<int>(cx - r); x <= cx + r; ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
      // The keyed background stays clean, or the glow would show as a disc.
      if (d < 1 && x >= 0 && y >= 0 && x < p.width && y < p.height && !(p.at(x, y) == kWhite))
        Blend(p, x, y, c, strength * (1 - d) * (1 - d));
    }
}

void Outline(Picture& p, Rgb background, Rgb outline) {
  const Picture source = p;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      if (!(source.at(x, y) == background)) continue;
      bool near = false;
      for (int d = 0; d < 4 && !near; ++d) {
        const int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
        near = nx >= 0 && ny >= 0 && nx < p.width && ny < p.height && !(source.at(nx, ny) == background);
      }
      if (near) p.set(x, y, outline);
    }
}

void Paste(Picture& dst, const Picture& src, int x, int y, const Rgb* transparent) {
  for (int j = 0; j < src.height; ++j)
    for (int i = 0; i < src.width; ++i) {
      const Rgb c = src.at(i, j);
      if (transparent && c == *transparent) continue;
      if (x + i >= 0 && y + j >= 0 && x + i < dst.width && y + j < dst.height) dst.set(x + i, y + j, c);
    }
}

void Gradient(Picture& p, int y0, int y1, Rgb top, Rgb bottom) {
  for (int y = y0; y < y1; ++y) FillRect(p, 0, y, p.width, 1, Mix(top, bottom, (y - y0) / double(y1 - y0)));
}

Picture Mirrored(const Picture& p) {
  Picture out(p.width, p.height);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) out.set(p.width - 1 - x, y, p.at(x, y));
  return out;
}

}  // namespace starter
