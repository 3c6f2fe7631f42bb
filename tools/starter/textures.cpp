// Wall, floor, ceiling and door textures: 64 x 64 pictures that repeat
// without seams, in families of brick, stone, wood, metal and tech panels.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/starter/content.h"
#include "tools/starter/font.h"

namespace starter {

namespace {

constexpr int kSize = 64;

int Wrap(int v) {
  return ((v % kSize) + kSize) % kSize;
}

// Fine grain that every surface gets, -1 .. 1.
double Grain(uint32_t seed, int x, int y) {
  return (Fractal(seed, x / 4.0, y / 4.0, 16, 3) - 0.5) * 1.6 + (Random01(seed + 99, x, y) - 0.5) * 0.4;
}

// ---- brick ----------------------------------------------------------------------

struct BrickStyle {
  Rgb brick, mortar;
  int width = 16, height = 8;
  double variation = 0.25;
  double moss = 0;  // amount of green growth creeping up from the bottom
  double soot = 0;  // dark staining towards the top
  uint32_t seed = 1;
};

Picture Brick(const BrickStyle& s) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int row = y / s.height;
      const int shift = (row % 2) * s.width / 2;
      const int col = Wrap(x + shift) / s.width;
      const int lx = Wrap(x + shift) % s.width, ly = y % s.height;
      const double g = Grain(s.seed, x, y);
      Rgb c;
      if (lx == 0 || ly == 0) {
        c = Shade(s.mortar, 0.9 + 0.15 * g);
      } else {
        const double r = Random01(s.seed, col, row);
        c = Shade(Mix(s.brick, Shade(s.brick, 0.7), r * s.variation * 3), 0.95 + 0.12 * g);
        if (Random01(s.seed + 5, col, row) < 0.15) c = Mix(c, Hex(0x3a2a22), 0.3);  // a burnt brick
        if (ly == 1 || lx == 1) c = Shade(c, 1.18);
        if (ly == s.height - 1 || lx == s.width - 1) c = Shade(c, 0.72);
        // Chipped corners.
        if ((lx == 1 || lx == s.width - 1) && (ly == 1 || ly == s.height - 1) && Random01(s.seed, x, y) < 0.5)
          c = s.mortar;
      }
      if (s.moss > 0) {
        const bool joint = lx == 0 || ly == 0;
        const double m = Fractal(s.seed + 17, x / 8.0, y / 8.0, 8, 3) + (y / 64.0) * s.moss * 0.5 - 0.7 +
                         (joint ? 0.15 : 0);
        if (m > 0) c = Mix(c, Mix(Hex(0x3c5a22), Hex(0x6a8a30), g * 0.5 + 0.5), std::min(0.9, m * 3));
      }
      if (s.soot > 0)
        c = Shade(c, 1 - s.soot * (1 - y / 64.0) * Fractal(s.seed + 3, x / 16.0, y / 16.0, 4, 2));
      p.set(x, y, c);
    }
  return p;
}

// ---- stone ------------------------------------------------------------------------

struct StoneStyle {
  Rgb stone, joint;
  int rows = 3;
  double variation = 0.2;
  double cracks = 0.3;
  double moss = 0;
  uint32_t seed = 1;
};

// Ashlar: rows of dressed blocks of differing widths with bevelled edges.
Picture Ashlar(const StoneStyle& s) {
  Picture p(kSize, kSize);
  const int row_h = kSize / s.rows;
  for (int y = 0; y < kSize; ++y) {
    const int row = std::min(y / row_h, s.rows - 1);
    const int ly = y - row * row_h;
    // Block cuts of this row: three cuts placed by the seed, wrapping around.
    int cuts[3];
    for (int k = 0; k < 3; ++k)
      cuts[k] = Wrap(static_cast<int>(k * 21 + Hash(s.seed, row, k) % 14 + row * 11));
    for (int x = 0; x < kSize; ++x) {
      int block = 0, lx = 99, rx = 99;
      for (int k = 0; k < 3; ++k) {
        const int d = Wrap(x - cuts[k]);
        if (d < lx) {
          lx = d;
          block = k;
        }
        rx = std::min(rx, Wrap(cuts[k] - x - 1));
      }
      const double g = Grain(s.seed, x, y);
      Rgb c;
      if (lx == 0 || ly == 0) {
        c = Shade(s.joint, 0.9 + 0.1 * g);
      } else {
        const double r = Random01(s.seed, block, row);
        c = Shade(Mix(s.stone, Shade(s.stone, 0.75), r * s.variation * 4), 0.93 + 0.14 * g);
        if (ly <= 2 || lx <= 2) c = Shade(c, 1.12);
        if (ly >= row_h - 2 || rx <= 1) c = Shade(c, 0.75);
        // Pits in the stone.
        if (Random01(s.seed + 31, x, y) < 0.03) c = Shade(c, 0.7);
      }
      p.set(x, y, c);
    }
  }
  // Hairline cracks: short random walks.
  const int crack_count = static_cast<int>(s.cracks * 6);
  for (int k = 0; k < crack_count; ++k) {
    double x = Random01(s.seed + 41, k) * kSize, y = Random01(s.seed + 42, k) * kSize;
    for (int step = 0; step < 14; ++step) {
      const int ix = Wrap(static_cast<int>(x)), iy = Wrap(static_cast<int>(y));
      p.set(ix, iy, Shade(p.at(ix, iy), 0.55));
      x += Random01(s.seed + 43, k, step) * 2 - 0.7;
      y += Random01(s.seed + 44, k, step) * 2 - 1;
    }
  }
  if (s.moss > 0)
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const double m = Fractal(s.seed + 17, x / 8.0, y / 8.0, 8, 3) + (y / 64.0) * s.moss * 0.5 - 0.72;
        if (m > 0) p.set(x, y, Mix(p.at(x, y), Hex(0x4a6a2a), std::min(0.85, m * 3)));
      }
  return p;
}

// Fieldstone: rounded stones packed in mortar (cells around jittered points).
Picture Fieldstone(Rgb stone, Rgb mortar, int cells, uint32_t seed) {
  Picture p(kSize, kSize);
  const double cell = double(kSize) / cells;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      double best = 1e9, second = 1e9;
      int best_id = 0;
      for (int cy = -1; cy <= cells; ++cy)
        for (int cx = -1; cx <= cells; ++cx) {
          const int wx = (cx + cells) % cells, wy = (cy + cells) % cells;
          const double px = (cx + 0.2 + 0.6 * Random01(seed, wx, wy)) * cell;
          const double py = (cy + 0.2 + 0.6 * Random01(seed + 1, wx, wy)) * cell;
          const double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
          if (d < best) {
            second = best;
            best = d;
            best_id = wy * cells + wx;
          } else if (d < second) {
            second = d;
          }
        }
      const double edge = second - best;
      const double g = Grain(seed, x, y);
      if (edge < 1.6) {
        p.set(x, y, Shade(mortar, 0.9 + 0.1 * g));
        continue;
      }
      const Rgb base = Mix(stone, Shade(stone, 0.65), Random01(seed + 2, best_id));
      const double round = std::min(1.0, (edge - 1.6) / 5.0);
      p.set(x, y, Shade(base, (0.65 + 0.45 * round) * (0.95 + 0.12 * g)));
    }
  return p;
}

// ---- wood -------------------------------------------------------------------------

struct WoodStyle {
  Rgb light, dark;
  int plank = 16;
  bool horizontal = false;
  bool cross_beam = false;  // a plank across with nails, like a door or barn wall
  uint32_t seed = 1;
  bool plank_ends = true;  // boards joined end to end along their length
};

Picture Wood(const WoodStyle& s) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int u = s.horizontal ? y : x, v = s.horizontal ? x : y;
      const int plank = u / s.plank, lu = u % s.plank;
      const double offset = Random01(s.seed, plank) * 40;
      const double wobble = Fractal(s.seed + plank, u / 6.0, v / 16.0, 4, 2) * 6;
      const double ring = 0.5 + 0.5 * std::sin((lu + wobble) * 1.3 + offset + v * 0.05);
      Rgb c = Mix(s.dark, s.light, 0.35 + 0.5 * ring * (0.7 + 0.3 * Random01(s.seed + 3, plank)));
      c = Shade(c, 0.92 + 0.1 * Grain(s.seed, x, y));
      // A knot in some planks.
      const double ky = Random01(s.seed + 7, plank) * kSize;
      const double kd = std::hypot((lu - s.plank / 2.0) * 1.2, Wrap(static_cast<int>(v - ky + 32)) - 32.0);
      if (Random01(s.seed + 8, plank) < 0.5 && kd < 3.5) c = Mix(c, Shade(s.dark, 0.6), 1 - kd / 3.5);
      if (lu == 0) c = Shade(s.dark, 0.4);
      if (lu == 1) c = Shade(c, 1.15);
      if (lu == s.plank - 1) c = Shade(c, 0.75);
      // The plank ends, staggered.
      if (s.plank_ends && Wrap(v - static_cast<int>(Random01(s.seed + 9, plank) * kSize)) == 0)
        c = Shade(s.dark, 0.45);
      p.set(x, y, c);
    }
  if (s.cross_beam) {
    for (int by : {8, 44}) {
      for (int y = by; y < by + 12; ++y)
        for (int x = 0; x < kSize; ++x) {
          const double ring =
              0.5 + 0.5 * std::sin(y * 1.1 + Fractal(s.seed + 50, x / 16.0, y / 6.0, 4, 2) * 6);
          Rgb c = Shade(Mix(s.dark, s.light, 0.3 + 0.4 * ring), 0.9 + 0.1 * Grain(s.seed + 1, x, y));
          if (y == by) c = Shade(c, 1.2);
          if (y == by + 11) c = Shade(s.dark, 0.4);
          p.set(x, y, c);
        }
      for (int nx = 4; nx < kSize; nx += s.plank) FillSphere(p, nx + 4, by + 6, 1.6, Hex(0x8a8a90));
    }
  }
  return p;
}

// ---- metal ------------------------------------------------------------------------

struct MetalStyle {
  Rgb base;
  int plate = 32;
  double rust = 0;
  bool rivets = true;
  int pattern = 0;  // 0 brushed, 1 diamond tread, 2 corrugated
  uint32_t seed = 1;
};

Picture Metal(const MetalStyle& s) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double brushed = Fractal(s.seed, x / 16.0, y / 1.5, 4, 2) - 0.5;
      Rgb c = Shade(s.base, 0.95 + 0.25 * brushed + 0.05 * Grain(s.seed, x, y));
      if (s.pattern == 1) {
        const int dx = (x + (y / 8 % 2) * 4) % 8, dy = y % 8;
        if (std::abs(dx - 4) + std::abs(dy - 4) <= 2 && dx != dy) c = Shade(c, dx < 4 ? 1.25 : 0.8);
      } else if (s.pattern == 2) {
        c = Shade(c, 0.85 + 0.3 * std::sin(x * 2 * 3.14159 / 8));
      }
      const int lx = x % s.plate, ly = y % s.plate;
      if (lx == 0 || ly == 0)
        c = Shade(s.base, 0.35);
      else if (lx == 1 || ly == 1)
        c = Shade(c, 1.3);
      else if (lx == s.plate - 1 || ly == s.plate - 1)
        c = Shade(c, 0.7);
      if (s.rust > 0) {
        const double streak = Fractal(s.seed + 5, x / 3.0, y / 24.0, 8, 3);
        const double patch = Fractal(s.seed + 6, x / 10.0, y / 10.0, 8, 3);
        const double r = std::max(patch - (1 - s.rust * 0.5), (streak - 0.55) * s.rust * 2);
        if (r > 0)
          c = Mix(c, Mix(Hex(0x8a4a1e), Hex(0x5a2e14), Random01(s.seed + 7, x, y)), std::min(0.85, r * 5));
      }
      p.set(x, y, c);
    }
  if (s.rivets)
    for (int py = 0; py < kSize; py += s.plate)
      for (int px = 0; px < kSize; px += s.plate)
        for (int k = 0; k < 4; ++k) {
          const int rx = px + (k % 2 ? s.plate - 5 : 5), ry = py + (k / 2 ? s.plate - 5 : 5);
          FillCircle(p, rx + 0.8, ry + 0.8, 2.0, Shade(s.base, 0.4));
          FillSphere(p, rx, ry, 2.0, Lighten(s.base, 0.2));
        }
  return p;
}

// ---- tech panels ------------------------------------------------------------------

void Panel(Picture& p, int x, int y, int w, int h, Rgb c) {
  FillRect(p, x, y, w, h, c);
  Bevel(p, x, y, w, h, Lighten(c, 0.25), Shade(c, 0.5), 1);
}

void Vent(Picture& p, int x, int y, int w, int h, Rgb c) {
  Panel(p, x, y, w, h, c);
  for (int sy = y + 3; sy + 2 < y + h; sy += 4) {
    FillRect(p, x + 3, sy, w - 6, 2, Shade(c, 0.25));
    FillRect(p, x + 3, sy + 2, w - 6, 1, Lighten(c, 0.2));
  }
}

void Screen(Picture& p, int x, int y, int w, int h, Rgb glow, uint32_t seed, int frame) {
  FillRect(p, x, y, w, h, Hex(0x0c1410));
  Bevel(p, x - 1, y - 1, w + 2, h + 2, Hex(0x20262a), Hex(0x8a9298), 1);
  for (int line = 0; line * 3 + 2 < h; ++line) {
    const int len = static_cast<int>(Hash(seed, line + frame) % (w - 3)) + 2;
    FillRect(p, x + 2, y + 2 + line * 3, len, 1, Shade(glow, 0.6 + 0.4 * ((line + frame) % 3 == 0)));
  }
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) Blend(p, xx, yy, glow, 0.08);
}

void Lights(Picture& p, int x, int y, int count, uint32_t seed, int frame) {
  const Rgb colours[] = {Hex(0xe03020), Hex(0x30e040), Hex(0xf0c020), Hex(0x3090f0)};
  for (int i = 0; i < count; ++i) {
    const bool on = Hash(seed, i, frame) % 3 != 0;
    const Rgb c = colours[Hash(seed, i) % 4];
    FillRect(p, x + i * 5, y, 3, 3, on ? c : Shade(c, 0.3));
    if (on) Glow(p, x + i * 5 + 1.5, y + 1.5, 4, c, 0.35);
  }
}

void Pipe(Picture& p, int x, int w, Rgb c) {
  FillCylinder(p, x, 0, w, kSize, c);
  for (int y = 10; y < kSize; y += 28) FillCylinder(p, x - 1, y, w + 2, 4, Shade(c, 0.8));
}

void HazardStripes(Picture& p, int y, int h) {
  for (int yy = y; yy < y + h; ++yy)
    for (int x = 0; x < kSize; ++x) p.set(x, yy, ((x + yy) / 6) % 2 ? Hex(0xe0b020) : Hex(0x202020));
  FillRect(p, 0, y, kSize, 1, Hex(0x606060));
  FillRect(p, 0, y + h - 1, kSize, 1, Hex(0x101010));
}

Picture TechBase(Rgb c, uint32_t seed) {
  return Metal({c, 32, 0, false, 0, seed});
}

Picture Tech(int variant, int frame) {
  const uint32_t seed = 700 + variant;
  const Rgb steel = Hex(0x4a5560), blue = Hex(0x34465c), dark = Hex(0x2a3038);
  switch (variant) {
    case 0: {  // panels with a status screen and lights
      Picture p = TechBase(blue, seed);
      Panel(p, 4, 4, 56, 56, steel);
      Screen(p, 10, 10, 44, 22, Hex(0x40f070), seed, frame);
      Lights(p, 12, 40, 8, seed, frame);
      Vent(p, 10, 48, 44, 10, dark);
      return p;
    }
    case 1: {  // vent wall
      Picture p = TechBase(steel, seed);
      Vent(p, 2, 2, 60, 28, dark);
      Vent(p, 2, 34, 60, 28, dark);
      return p;
    }
    case 2: {  // pipes
      Picture p = TechBase(dark, seed);
      Pipe(p, 6, 10, Hex(0x8a6a3a));
      Pipe(p, 22, 6, Hex(0x6a7a8a));
      Pipe(p, 36, 12, Hex(0x5a7a5a));
      Pipe(p, 54, 6, Hex(0x8a4a3a));
      return p;
    }
    case 3: {  // circuit board
      Picture p(kSize, kSize, Hex(0x14402a));
      for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) p.set(x, y, Shade(p.at(x, y), 0.9 + 0.15 * Grain(seed, x, y)));
      for (int k = 0; k < 14; ++k) {
        int x = static_cast<int>(Hash(seed, k) % 64), y = static_cast<int>(Hash(seed, k, 1) % 64);
        for (int seg = 0; seg < 4; ++seg) {
          const int len = 4 + static_cast<int>(Hash(seed, k, seg) % 14);
          const bool horizontal = (k + seg) % 2 == 0;
          for (int i = 0; i < len; ++i) {
            p.set(Wrap(x), Wrap(y), Hex(0xc8a040));
            horizontal ? ++x : ++y;
          }
        }
        FillCircle(p, Wrap(x) + 0.5, Wrap(y) + 0.5, 1.8, Hex(0xe0c060));
      }
      for (int k = 0; k < 3; ++k) {
        const int x = 6 + k * 20, y = 10 + static_cast<int>(Hash(seed, k, 9) % 36);
        FillRect(p, x, y, 12, 9, Hex(0x1a1a1e));
        for (int pin = 0; pin < 5; ++pin) {
          FillRect(p, x + 1 + pin * 2, y - 2, 1, 2, Hex(0xb0b0b0));
          FillRect(p, x + 1 + pin * 2, y + 9, 1, 2, Hex(0xb0b0b0));
        }
      }
      return p;
    }
    case 4: {  // hazard band
      Picture p = Metal({Hex(0x505860), 32, 0.3, true, 0, seed});
      HazardStripes(p, 24, 14);
      return p;
    }
    case 5: {  // big display
      Picture p = TechBase(dark, seed);
      Screen(p, 4, 4, 56, 40, Hex(0x40b0f0), seed, frame);
      Lights(p, 6, 52, 11, seed, frame);
      return p;
    }
    case 6: {  // reactor window with a glowing core
      Picture p = TechBase(steel, seed);
      FillCircle(p, 32, 32, 22, Hex(0x1a1e24));
      FillCircle(p, 32, 32, 18, Hex(0x103040));
      Glow(p, 32, 32, 18, Hex(0x60e0ff), 0.9);
      FillCircle(p, 32, 32, 5, Hex(0xc0f8fe));
      for (int k = 0; k < 8; ++k) {
        const double a = k * 3.14159 / 4;
        FillSphere(p, 32 + std::cos(a) * 20, 32 + std::sin(a) * 20, 2, Hex(0x9aa4ae));
      }
      return p;
    }
    case 7: {  // door-like bulkhead with a yellow lamp
      Picture p = Metal({Hex(0x5a6068), 64, 0.15, false, 2, seed});
      Panel(p, 8, 6, 48, 52, Hex(0x4a5058));
      FillRect(p, 30, 6, 4, 52, Hex(0x202428));
      FillRect(p, 26, 12, 12, 6, Hex(0x303438));
      FillSphere(p, 32, 15, 3, Hex(0xf0c030));
      Glow(p, 32, 15, 10, Hex(0xf0c030), 0.4);
      return p;
    }
    default: {  // cables
      Picture p = TechBase(blue, seed);
      const Rgb colours[] = {Hex(0xa03030), Hex(0x3050a0), Hex(0x30a050), Hex(0xc0a030), Hex(0x303030)};
      for (int k = 0; k < 5; ++k)
        for (int y = 0; y < kSize; ++y) {
          const double x = 8 + k * 11 + 3 * std::sin(y * 0.098 * 2 + k);
          Capsule(p, x, y, x, y + 1, 2.6, colours[k]);
        }
      return p;
    }
  }
}

// The animated wall: a console whose screen and lights change with the frame.
Picture Console(int frame) {
  Picture p = Tech(0, frame);
  const int bar = 10 + frame * 11;
  FillRect(p, 11, bar, 42, 2, Hex(0x90ff90));
  Glow(p, 32, bar + 1, 24, Hex(0x60ff80), 0.25);
  return p;
}

// ---- decorated walls ---------------------------------------------------------------

void Banner(Picture& p, Rgb cloth, Rgb emblem) {
  FillRect(p, 18, 2, 28, 3, Hex(0x5a4020));
  for (int y = 5; y < 56; ++y)
    for (int x = 20; x < 44; ++x) {
      if (y > 46 && std::abs(x - 32) < (y - 46) * 1.4) continue;  // the swallow-tail cut
      const double fold = 0.85 + 0.2 * std::sin(x * 0.8);
      p.set(x, y, Shade(cloth, fold));
    }
  FillRect(p, 21, 8, 22, 1, Shade(emblem, 0.9));
  FillRect(p, 21, 44, 22, 1, Shade(emblem, 0.9));
  const double diamond[] = {32, 16, 39, 26, 32, 36, 25, 26};
  FillPolygon(p, diamond, 4, emblem);
  FillCircle(p, 32, 26, 3, Shade(cloth, 0.8));
}

void Torch(Picture& p) {
  Glow(p, 32, 20, 30, Hex(0xffb040), 0.45);
  FillRect(p, 29, 30, 6, 16, Hex(0x3a2a1a));
  FillRect(p, 26, 44, 12, 3, Hex(0x2a2a2e));
  FillRect(p, 27, 28, 10, 3, Hex(0x4a4a50));
  FillEllipse(p, 32, 21, 5, 8, Hex(0xf07020));
  FillEllipse(p, 32, 23, 3, 5, Hex(0xfad040));
  FillEllipse(p, 32, 25, 1.5, 2.5, Hex(0xfef0b0));
}

void Window(Picture& p) {
  FillRect(p, 18, 10, 28, 40, Hex(0x1a1a24));
  FillEllipse(p, 32, 12, 14, 10, Hex(0x1a1a24));
  for (int y = 2; y < 50; ++y)
    for (int x = 18; x < 46; ++x)
      if (p.at(x, y) == Hex(0x1a1a24)) p.set(x, y, Mix(Hex(0x203060), Hex(0x406090), (50 - y) / 48.0));
  for (int x = 22; x < 46; x += 6) FillRect(p, x, 2, 2, 48, Hex(0x2a2a2e));
  FillRect(p, 18, 28, 28, 2, Hex(0x2a2a2e));
  FillRect(p, 16, 50, 32, 3, Hex(0x6a6a70));
}

void Shield(Picture& p) {
  const double shape[] = {20, 12, 44, 12, 44, 30, 32, 50, 20, 30};
  FillPolygon(p, shape, 5, Hex(0x2a2a30));
  const double inner[] = {22, 14, 42, 14, 42, 30, 32, 47, 22, 30};
  FillPolygon(p, inner, 5, Hex(0x9a2020));
  FillRect(p, 30, 15, 4, 30, Hex(0xd0b040));
  FillRect(p, 23, 24, 18, 4, Hex(0xd0b040));
}

Picture WallTexture(int n) {
  // Brick family: tex1 to tex9.
  const Rgb red = Hex(0x8a3a2a), grey = Hex(0x6a6a6e), dark = Hex(0x4a3028), yellow = Hex(0x9a7a4a);
  const Rgb mortar = Hex(0x8a8478), dark_mortar = Hex(0x3a3634);
  switch (n) {
    case 1:
      return Brick({Hex(0x76726c), Hex(0x4a4844), 16, 8, 0.15, 0, 0, 1});
    case 2:
      return Brick({red, mortar, 16, 8, 0.25, 0, 0, 2});
    case 3:
      return Brick({dark, dark_mortar, 16, 8, 0.3, 0, 0.3, 3});
    case 4:
      return Brick({red, mortar, 16, 8, 0.25, 1.3, 0, 4});
    case 5: {
      Picture p = Brick({red, mortar, 16, 8, 0.25, 0, 0, 2});
      Banner(p, Hex(0x8a1a1a), Hex(0xd0a030));
      return p;
    }
    case 6:
      return Brick({yellow, Hex(0x5a5040), 32, 8, 0.2, 0, 0, 6});
    case 7:
      return Brick({grey, dark_mortar, 8, 8, 0.2, 0, 0.4, 7});
    case 8: {
      Picture p = Brick({Hex(0x76726c), Hex(0x4a4844), 16, 8, 0.15, 0, 0.2, 1});
      Torch(p);
      return p;
    }
    case 9: {
      Picture p = Brick({grey, dark_mortar, 16, 8, 0.2, 0.6, 0, 9});
      Window(p);
      return p;
    }
    // Stone family: tex11 to tex19.
    case 11:
      return Ashlar({Hex(0x7a766e), Hex(0x3e3a36), 3, 0.2, 0.4, 0, 11});
    case 12:
      return Ashlar({Hex(0x8a8070), Hex(0x4a4438), 4, 0.25, 0.3, 0, 12});
    case 13:
      return Fieldstone(Hex(0x7a746a), Hex(0x3a342e), 4, 13);
    case 14:
      return Ashlar({Hex(0x5e6266), Hex(0x2e3034), 3, 0.2, 0.6, 1.2, 14});
    case 15:
      return Fieldstone(Hex(0x8a7a62), Hex(0x4a3e30), 5, 15);
    case 16:
      return Ashlar({Hex(0x4e4a48), Hex(0x222020), 2, 0.3, 0.8, 0, 16});
    case 17:
      return Ashlar({Hex(0xa09480), Hex(0x6a6050), 4, 0.1, 0.1, 0, 17});
    case 18: {
      Picture p = Ashlar({Hex(0x7a766e), Hex(0x3e3a36), 3, 0.2, 0.2, 0, 18});
      Shield(p);
      return p;
    }
    case 19:
      return Fieldstone(Hex(0x6a7a6a), Hex(0x2e342e), 3, 19);
    // Wood family: tex21 to tex24.
    case 21:
      return Wood({Hex(0x9a6a3a), Hex(0x5a3a1e), 16, false, false, 21});
    case 22:
      return Wood({Hex(0x7a5230), Hex(0x3e2614), 12, true, false, 22});
    case 23:
      return Wood({Hex(0x8a6a44), Hex(0x4a3420), 16, false, true, 23});
    case 24: {
      Picture p = Wood({Hex(0x6a4226), Hex(0x301c0e), 32, false, false, 24});
      for (int k = 0; k < 2; ++k) Bevel(p, 4 + 32 * k, 4, 24, 56, Hex(0x8a6040), Hex(0x2a180a), 2);
      return p;
    }
    // Metal family: tex25 to tex29.
    case 25:
      return Metal({Hex(0x6a747e), 32, 0, true, 0, 25});
    case 26:
      return Metal({Hex(0x5a6068), 32, 0.6, true, 0, 26});
    case 27:
      return Metal({Hex(0x7a7c80), 64, 0.1, false, 1, 27});
    case 28:
      return Metal({Hex(0x4e6a5a), 64, 0.4, true, 2, 28});
    case 29:
      return Metal({Hex(0x6a5a4a), 16, 0.9, true, 0, 29});
    // Tech family: tex31 to tex39.
    case 31:
      return Tech(1, 0);
    case 32:
      return Tech(0, 1);
    case 33:
      return Tech(2, 0);
    case 34:
      return Tech(3, 0);
    case 35:
      return Tech(4, 0);
    case 36:
      return Tech(5, 0);
    case 37:
      return Tech(6, 0);
    case 38:
      return Tech(7, 0);
    case 39:
      return Tech(8, 0);
    // The animated console: tex10, tex20, tex30, tex40.
    default:
      return Console(n / 10 - 1);
  }
}

// ---- floors and ceilings ----------------------------------------------------------

Picture Tiles(Rgb a, Rgb b, int size, Rgb grout, uint32_t seed, bool marble) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int tx = x / size, ty = y / size;
      Rgb c = (tx + ty) % 2 ? a : b;
      c = Shade(c, 0.95 + 0.08 * Grain(seed, x, y) + 0.06 * (Random01(seed, tx, ty) - 0.5));
      if (marble) {
        const double vein = std::sin((x + y) * 0.15 + Fractal(seed + 3, x / 8.0, y / 8.0, 8, 4) * 9);
        if (std::fabs(vein) < 0.07)
          c = Shade(c, 0.72);
        else if (std::fabs(vein) < 0.14)
          c = Shade(c, 0.88);
      }
      const int lx = x % size, ly = y % size;
      if (lx == 0 || ly == 0)
        c = grout;
      else if (lx == 1 || ly == 1)
        c = Shade(c, 1.1);
      p.set(x, y, c);
    }
  return p;
}

Picture Ground(Rgb a, Rgb b, double scale, uint32_t seed, double pebbles) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double n = Fractal(seed, x / scale, y / scale, static_cast<int>(kSize / scale), 4);
      Rgb c = Mix(a, b, n);
      c = Shade(c, 0.9 + 0.2 * Random01(seed + 1, x, y));
      p.set(x, y, c);
    }
  for (int k = 0; k < static_cast<int>(pebbles * 30); ++k)
    FillSphere(p, 3 + Random01(seed + 2, k) * 58, 3 + Random01(seed + 3, k) * 58,
               1 + Random01(seed + 4, k) * 1.8, Mix(a, Hex(0x9a9488), 0.5));
  return p;
}

Picture Carpet(Rgb field, Rgb border, uint32_t seed) {
  Picture p(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int d = std::min(std::min(x, 63 - x), std::min(y, 63 - y));
      Rgb c = d < 4 ? border : d < 6 ? Shade(field, 0.6) : field;
      const int cx = std::abs(x - 32), cy = std::abs(y - 32);
      if (d >= 6 && cx + cy < 18 && cx + cy > 13) c = border;
      if (d >= 6 && cx + cy < 6) c = border;
      if (d < 4 && (x + y) % 6 < 2) c = Shade(border, 0.7);
      p.set(x, y, Shade(c, 0.92 + 0.12 * Random01(seed, x, y)));
    }
  return p;
}

Picture Grate(Rgb c, uint32_t seed) {
  Picture p(kSize, kSize, Hex(0x101214));
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (x % 8 < 2 || y % 16 < 3)
        p.set(x, y, Shade(c, (x % 8 == 0 || y % 16 == 0 ? 1.2 : 0.8) + 0.1 * Grain(seed, x, y)));
      else
        p.set(x, y, Shade(Hex(0x181a1c), 0.6 + 0.8 * Fractal(seed, x / 16.0, y / 16.0, 4, 2)));
    }
  return p;
}

Picture Beams(Rgb plaster, Rgb wood, uint32_t seed) {
  Picture p = Ground(plaster, Shade(plaster, 0.85), 8, seed, 0);
  for (int bx : {0, 32}) {
    for (int y = 0; y < kSize; ++y)
      for (int x = bx; x < bx + 12; ++x) {
        const double ring = 0.5 + 0.5 * std::sin(x * 1.4 + Fractal(seed + 9, x / 6.0, y / 16.0, 4, 2) * 6);
        Rgb c = Mix(Shade(wood, 0.6), wood, ring);
        if (x == bx) c = Shade(c, 1.2);
        if (x == bx + 11) c = Shade(c, 0.5);
        p.set(x, y, c);
      }
    for (int x = bx + 12; x < bx + 15; ++x)
      for (int y = 0; y < kSize; ++y) p.set(x, y, Shade(p.at(x, y), 0.7));
  }
  return p;
}

Picture LightPanel(Rgb frame, Rgb light, uint32_t seed) {
  Picture p = Metal({frame, 32, 0, false, 0, seed});
  for (int k = 0; k < 2; ++k) {
    const int y = 8 + 32 * k;
    FillRect(p, 6, y, 52, 14, Shade(frame, 0.5));
    FillRect(p, 8, y + 2, 48, 10, light);
    Glow(p, 32, y + 7, 30, light, 0.35);
    for (int x = 12; x < 56; x += 8) FillRect(p, x, y + 2, 1, 10, Shade(light, 0.85));
  }
  return p;
}

Picture Floor(int n) {
  switch (n) {
    case 1:
      return Ashlar({Hex(0x6e6a64), Hex(0x34302c), 2, 0.25, 0.4, 0, 201});
    case 2:
      return Fieldstone(Hex(0x5e5a52), Hex(0x2a2622), 4, 202);
    case 3:
      return Metal({Hex(0x5a6068), 64, 0.15, false, 1, 203});
    case 4:
      return Tiles(Hex(0x2a2a2e), Hex(0xc8c4b8), 16, Hex(0x404040), 204, false);
    case 5:
      return Wood({Hex(0x8a5a30), Hex(0x4a2e16), 8, true, false, 205});
    case 6:
      return Carpet(Hex(0x7a1a1e), Hex(0xb08a30), 206);
    case 7:
      return Grate(Hex(0x6a7078), 207);
    case 8:
      return Ground(Hex(0x5a4630), Hex(0x3a2c1e), 6, 208, 1);
    case 9:
      return Tiles(Hex(0xd8d0c0), Hex(0xb8b0a0), 32, Hex(0x7a7468), 209, true);
    case 10:
      return Tiles(Hex(0xa05a3a), Hex(0x904a30), 16, Hex(0x5a4030), 210, false);
    case 11:
      return Ashlar({Hex(0x5a6a56), Hex(0x2a3028), 3, 0.3, 0.5, 1.0, 211});
    case 12:
      return Tech(1, 0);
    case 13:
      return Ground(Hex(0xc0a070), Hex(0xa08050), 4, 213, 0.3);
    case 14:
      return Tiles(Hex(0x3a5a8a), Hex(0x4a6a9a), 8, Hex(0x2a3040), 214, false);
    case 15:
      return Wood({Hex(0xa07040), Hex(0x5a3818), 16, false, false, 215});
    case 16:
      return Brick({Hex(0x7a4a3a), Hex(0x4a3a30), 16, 16, 0.3, 0, 0, 216});
    case 17:
      return Ground(Hex(0x3a6a2a), Hex(0x5a8a3a), 3, 217, 0.4);
    case 18:
      return Ground(Hex(0x2a2224), Hex(0x6a2a1a), 5, 218, 1.2);
    case 19:
      return Ground(Hex(0x8a8a86), Hex(0x6a6a66), 16, 219, 0.2);
    default:
      return Tiles(Hex(0x2a5a46), Hex(0x3a6a52), 32, Hex(0x1a2a22), 220, true);
  }
}

Picture Ceiling(int n) {
  switch (n) {
    case 1:
      return Beams(Hex(0xa89e8a), Hex(0x6a4626), 301);
    case 2:
      return Ashlar({Hex(0x5a5650), Hex(0x2a2622), 2, 0.2, 0.3, 0, 302});
    case 3:
      return LightPanel(Hex(0x4a5058), Hex(0xe8eef0), 303);
    case 4:
      return Ground(Hex(0x8a8680), Hex(0x6a6660), 8, 304, 0);
    case 5:
      return Wood({Hex(0x7a5230), Hex(0x3e2614), 16, true, false, 305});
    case 6:
      return Fieldstone(Hex(0x4a4640), Hex(0x201c18), 3, 306);
    case 7:
      return Grate(Hex(0x505860), 307);
    case 8:
      return Tiles(Hex(0xb0a890), Hex(0xa89e88), 16, Hex(0x6a6458), 308, false);
    case 9:
      return Metal({Hex(0x4a5460), 16, 0.2, true, 0, 309});
    case 10:
      return Beams(Hex(0x8a8070), Hex(0x4a2e16), 310);
    default: {
      // Variations for the later levels: plaster, rock and panels in other colours.
      const Rgb tints[] = {Hex(0x7a7a8a), Hex(0x6a5a4a), Hex(0x5a6a5a), Hex(0x8a7a6a), Hex(0x4a4a5a),
                           Hex(0x6a6a6a), Hex(0x7a6a5a), Hex(0x5a5a6a), Hex(0x8a8a7a), Hex(0x6a5a6a)};
      const Rgb t = tints[n - 11];
      if (n % 3 == 0)
        return Ashlar({t, Shade(t, 0.4), 2 + n % 2, 0.2, 0.3, 0, static_cast<uint32_t>(300 + n)});
      if (n % 3 == 1) return Ground(t, Shade(t, 0.8), 8, 300 + n, 0);
      return Tiles(t, Shade(t, 0.92), 16, Shade(t, 0.5), 300 + n, false);
    }
  }
}

// ---- doors ----------------------------------------------------------------------------

Picture WoodenDoor(Rgb light, Rgb dark, Rgb iron, uint32_t seed) {
  Picture p = Wood({light, dark, 11, false, false, seed, false});
  FillRect(p, 0, 0, kSize, 3, Shade(iron, 0.5));
  FillRect(p, 0, 61, kSize, 3, Shade(iron, 0.5));
  for (int by : {10, 46}) {
    FillRect(p, 0, by, kSize, 6, iron);
    FillRect(p, 0, by, kSize, 1, Lighten(iron, 0.3));
    FillRect(p, 0, by + 5, kSize, 1, Shade(iron, 0.5));
    for (int x = 4; x < kSize; x += 10) FillSphere(p, x, by + 3, 1.5, Lighten(iron, 0.2));
  }
  FillCircle(p, 48, 33, 5, Shade(iron, 0.6));
  FillCircle(p, 48, 33, 3.2, Shade(iron, 0.3));
  FillSphere(p, 48, 40, 2.2, Hex(0xb09040));  // ring handle
  return p;
}

Picture MetalDoor(Rgb base, bool stripes, uint32_t seed) {
  Picture p = Metal({base, 64, 0.2, false, 0, seed});
  FillRect(p, 31, 0, 2, kSize, Shade(base, 0.3));
  Bevel(p, 0, 0, kSize, kSize, Lighten(base, 0.2), Shade(base, 0.4), 3);
  Panel(p, 6, 8, 20, 20, Shade(base, 0.9));
  Panel(p, 38, 8, 20, 20, Shade(base, 0.9));
  if (stripes) {
    for (int y = 40; y < 54; ++y)
      for (int x = 3; x < 61; ++x)
        if (x != 31 && x != 32) p.set(x, y, ((x + y) / 5) % 2 ? Hex(0xe0b020) : Hex(0x202020));
  } else {
    Vent(p, 6, 38, 20, 18, Shade(base, 0.8));
    Vent(p, 38, 38, 20, 18, Shade(base, 0.8));
  }
  return p;
}

Picture Door(int n) {
  const Rgb woods[][2] = {{Hex(0x8a5a2e), Hex(0x4a2e14)},
                          {Hex(0x6a4628), Hex(0x2e1c0c)},
                          {Hex(0x9a7a4a), Hex(0x5a4020)},
                          {Hex(0x7a3a2a), Hex(0x3a1a10)}};
  const Rgb metals[] = {Hex(0x5a6470), Hex(0x6a6a5a), Hex(0x4a5a6a), Hex(0x705a4a)};
  if (n % 3 == 0) return MetalDoor(metals[(n / 3) % 4], n % 2 == 1, 400 + n);
  const auto& w = woods[n % 4];
  return WoodenDoor(w[0], w[1], n % 2 ? Hex(0x4a4a50) : Hex(0x5a4a3a), 400 + n);
}

// The door to the next level: a steel frame, a green glow and an EXIT sign.
Picture NextLevelDoor() {
  Picture p = MetalDoor(Hex(0x3a4a42), false, 499);
  FillRect(p, 6, 4, 52, 12, Hex(0x0a1a0e));
  Bevel(p, 5, 3, 54, 14, Hex(0x1a2a1e), Hex(0x6a7a6e), 1);
  TextStyle style;
  style.colour = Hex(0x70fe80);
  style.bottom_colour = Hex(0x30c040);
  style.shadow = false;
  DrawTextCentred(p, 32, 6, "EXIT", style);
  Glow(p, 32, 10, 30, Hex(0x40f060), 0.3);
  // An arrow pointing through the door.
  const double arrow[] = {20, 40, 36, 40, 36, 34, 46, 44, 36, 54, 36, 48, 20, 48};
  FillPolygon(p, arrow, 7, Hex(0x40d050));
  Glow(p, 33, 44, 22, Hex(0x40f060), 0.35);
  return p;
}

}  // namespace

void AddTextures(Content& content) {
  using enum assets::SlotKind;
  for (int n = 1; n <= 40; ++n) AddSlotPicture(content, kWallTexture, n, 0, WallTexture(n));
  for (int n = 1; n <= 20; ++n) AddSlotPicture(content, kFloorTexture, n, 0, Floor(n));
  for (int n = 1; n <= 20; ++n) AddSlotPicture(content, kCeilingTexture, n, 0, Ceiling(n));
  for (int n = 1; n <= 20; ++n) AddSlotPicture(content, kDoorTexture, n, 0, Door(n));
  AddSlotPicture(content, kSpecialDoor, 1, 0, NextLevelDoor());
}

}  // namespace starter
