// The ten sprites (standing objects) on the keyed white background, each
// with four further pictures that show it ever more broken: scratched,
// cracked, bursting apart and a heap of debris.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/starter/content.h"

namespace starter {

namespace {

constexpr int kSize = 64;
const Rgb kOutline = Hex(0x141010);

Picture Blank() {
  return Picture(kSize, kSize, kWhite);
}

bool IsBackground(const Picture& p, int x, int y) {
  return p.at(x, y) == kWhite;
}

Picture Barrel() {
  Picture p = Blank();
  const Rgb wood = Hex(0x8a5a2e);
  for (int y = 18; y < 63; ++y) {
    const double bulge = 1.5 * std::sin((y - 18) / 45.0 * 3.14159);
    const int half = static_cast<int>(13 + bulge);
    FillCylinder(p, 32 - half, y, 2 * half, 1, wood);
    for (int x = 32 - half; x < 32 + half; ++x)
      if ((x - 32 + 40) % 6 == 0) p.set(x, y, Shade(p.at(x, y), 0.7));  // staves
  }
  for (int hoop : {22, 38, 56}) {
    const int half = static_cast<int>(13 + 1.5 * std::sin((hoop - 18) / 45.0 * 3.14159)) + 1;
    FillCylinder(p, 32 - half, hoop, 2 * half, 3, Hex(0x5a5a62));
  }
  FillEllipse(p, 32, 18, 13, 3.5, Hex(0x6a4424));
  FillEllipse(p, 32, 18, 10, 2.4, Hex(0x4a2e16));
  FillCircle(p, 32, 18, 1.2, Hex(0x2a2a2a));
  return p;
}

Picture FloorLamp() {
  Picture p = Blank();
  Glow(p, 32, 14, 26, Hex(0xffd070), 0.5);
  FillEllipse(p, 32, 60, 10, 3, Hex(0x2e2e34));
  FillCylinder(p, 30, 22, 4, 38, Hex(0x3a3a44));
  for (int y = 4; y < 24; ++y) {
    const int half = 6 + (y - 4) / 2;
    FillCylinder(p, 32 - half, y, 2 * half, 1, Hex(0xe8c080));
  }
  FillRect(p, 22, 23, 20, 2, Hex(0x9a7040));
  FillEllipse(p, 32, 25, 5, 2, Hex(0xfff0b0));
  return p;
}

Picture Pillar() {
  Picture p = Blank();
  const Rgb stone = Hex(0x9a968c);
  FillCylinder(p, 16, 56, 32, 7, stone);
  FillCylinder(p, 18, 52, 28, 4, Shade(stone, 0.95));
  FillCylinder(p, 21, 10, 22, 42, stone);
  for (int x = 23; x < 42; x += 4) FillRect(p, x, 10, 1, 42, Shade(stone, 0.75));  // flutes
  FillCylinder(p, 18, 6, 28, 4, Shade(stone, 0.95));
  FillCylinder(p, 16, 1, 32, 5, stone);
  return p;
}

Picture Plant() {
  Picture p = Blank();
  const Rgb leaf = Hex(0x3a8a32);
  for (int k = 0; k < 11; ++k) {
    const double a = -2.6 + k * 0.52;
    const double len = 18 + (k % 3) * 5;
    const double ex = 32 + std::cos(a) * len, ey = 38 + std::sin(a) * len * 0.9;
    Capsule(p, 32, 40, ex, ey, 3.2, Mix(leaf, Hex(0x6ab040), (k % 4) / 4.0));
  }
  // The pot.
  const double pot[] = {20, 42, 44, 42, 40, 62, 24, 62};
  FillPolygon(p, pot, 4, Hex(0xa85a32));
  for (int y = 42; y < 62; ++y)
    for (int x = 20; x < 45; ++x)
      if (!IsBackground(p, x, y) && p.at(x, y) == Hex(0xa85a32))
        p.set(x, y, Shade(Hex(0xa85a32), 1.15 - (x - 20) / 40.0));
  FillRect(p, 18, 40, 28, 4, Hex(0x8a4626));
  return p;
}

Picture Table() {
  Picture p = Blank();
  const Rgb wood = Hex(0x7a4e28);
  FillRect(p, 6, 34, 52, 6, wood);
  FillRect(p, 6, 34, 52, 1, Shade(wood, 1.3));
  FillRect(p, 6, 39, 52, 1, Shade(wood, 0.6));
  FillRect(p, 10, 40, 4, 23, Shade(wood, 0.8));
  FillRect(p, 50, 40, 4, 23, Shade(wood, 0.8));
  FillRect(p, 18, 40, 3, 18, Shade(wood, 0.55));
  FillRect(p, 43, 40, 3, 18, Shade(wood, 0.55));
  // A candle and a plate.
  FillEllipse(p, 42, 33, 8, 2, Hex(0xb0b0b8));
  FillCylinder(p, 19, 24, 4, 10, Hex(0xe8e0c8));
  FillEllipse(p, 21, 21, 1.6, 3, Hex(0xf0a030));
  Glow(p, 21, 21, 8, Hex(0xffd070), 0.4);
  return p;
}

Picture Crate() {
  Picture p = Blank();
  const Rgb wood = Hex(0xa07840);
  for (int y = 22; y < 63; ++y)
    for (int x = 12; x < 52; ++x) {
      const double grain = 0.9 + 0.15 * std::sin(y * 0.9 + Fractal(5, x / 8.0, y / 4.0, 8, 2) * 5);
      p.set(x, y, Shade(wood, grain));
    }
  for (int y = 22; y < 63; y += 10) FillRect(p, 12, y, 40, 1, Shade(wood, 0.55));
  Bevel(p, 12, 22, 40, 41, Shade(wood, 0.8), Shade(wood, 0.5), 3);
  for (int i = 0; i < 35; ++i) {
    FillRect(p, 15 + i, 25 + i, 3, 1, Shade(wood, 0.75));
    FillRect(p, 15 + i, 25 + i + 1, 3, 1, Shade(wood, 0.55));
  }
  for (int cx : {14, 49})
    for (int cy : {24, 60}) FillSphere(p, cx, cy, 1.5, Hex(0x8a8a90));
  return p;
}

Picture Armour() {
  Picture p = Blank();
  const Rgb steel = Hex(0x9aa2ac);
  FillRect(p, 18, 58, 28, 5, Hex(0x4a4440));  // plinth
  Capsule(p, 27, 42, 26, 57, 3.5, steel);     // legs
  Capsule(p, 37, 42, 38, 57, 3.5, steel);
  const double chest[] = {22, 20, 42, 20, 40, 42, 24, 42};
  FillPolygon(p, chest, 4, steel);
  for (int y = 20; y < 42; ++y)
    for (int x = 22; x < 43; ++x)
      if (p.at(x, y) == steel) p.set(x, y, Shade(steel, 1.2 - std::fabs(x - 30) / 20.0));
  FillSphere(p, 21, 22, 5, steel);  // shoulders
  FillSphere(p, 43, 22, 5, steel);
  Capsule(p, 20, 24, 18, 40, 3, steel);
  Capsule(p, 44, 24, 46, 38, 3, steel);
  FillSphere(p, 32, 12, 7.5, steel);  // helmet
  FillRect(p, 27, 11, 10, 2, Hex(0x1a1a20));
  FillRect(p, 31, 4, 2, 5, Hex(0xa02020));
  Capsule(p, 47, 6, 47, 58, 1.2, Hex(0x6a4a2a));  // halberd
  const double blade[] = {47, 4, 54, 8, 54, 16, 47, 13};
  FillPolygon(p, blade, 4, Hex(0xc8ccd4));
  return p;
}

Picture Chandelier() {
  Picture p = Blank();
  const Rgb brass = Hex(0xb08a3a);
  FillRect(p, 31, 0, 2, 14, Hex(0x3a3a3a));
  FillEllipse(p, 32, 22, 22, 4, brass);
  FillEllipse(p, 32, 21, 19, 2, Shade(brass, 0.6));
  Capsule(p, 32, 12, 32, 28, 3, brass);
  for (int k = 0; k < 5; ++k) {
    const double x = 14 + k * 9;
    FillCylinder(p, static_cast<int>(x) - 1, 12, 3, 8, Hex(0xe8e0c8));
    FillEllipse(p, x, 9, 1.5, 2.8, Hex(0xf0a030));
    Glow(p, x, 9, 9, Hex(0xffd070), 0.35);
  }
  return p;
}

Picture Brazier() {
  Picture p = Blank();
  const Rgb iron = Hex(0x4a4a52);
  Capsule(p, 22, 62, 30, 40, 2, iron);
  Capsule(p, 42, 62, 34, 40, 2, iron);
  Capsule(p, 32, 62, 32, 40, 2, iron);
  const double bowl[] = {16, 30, 48, 30, 42, 42, 22, 42};
  FillPolygon(p, bowl, 4, iron);
  FillRect(p, 16, 29, 32, 2, Shade(iron, 1.4));
  Glow(p, 32, 20, 26, Hex(0xff9030), 0.5);
  FillEllipse(p, 32, 20, 11, 12, Hex(0xe05018));
  FillEllipse(p, 28, 15, 5, 8, Hex(0xf07020));
  FillEllipse(p, 36, 17, 5, 9, Hex(0xf08020));
  FillEllipse(p, 32, 23, 7, 7, Hex(0xfac040));
  FillEllipse(p, 32, 26, 4, 3, Hex(0xfeeeb0));
  return p;
}

Picture BannerPole() {
  Picture p = Blank();
  FillEllipse(p, 32, 61, 9, 2.5, Hex(0x3a3a3a));
  Capsule(p, 32, 4, 32, 61, 1.6, Hex(0x6a4a2a));
  FillSphere(p, 32, 4, 3, Hex(0xc8a040));
  FillRect(p, 18, 8, 28, 2, Hex(0x5a3a1e));
  for (int y = 10; y < 46; ++y)
    for (int x = 19; x < 46; ++x) {
      if (y > 38 && std::abs(x - 32) < (y - 38) * 1.6) continue;
      p.set(x, y, Shade(Hex(0x2a4a8a), 0.85 + 0.2 * std::sin(x * 0.7)));
    }
  const double crown[] = {25, 28, 25, 18, 28, 22, 32, 16, 36, 22, 39, 18, 39, 28};
  FillPolygon(p, crown, 7, Hex(0xd8b040));
  return p;
}

Picture Intact(int sprite) {
  Picture p;
  switch (sprite) {
    case 1:
      p = Barrel();
      break;
    case 2:
      p = FloorLamp();
      break;
    case 3:
      p = Pillar();
      break;
    case 4:
      p = Plant();
      break;
    case 5:
      p = Table();
      break;
    case 6:
      p = Crate();
      break;
    case 7:
      p = Armour();
      break;
    case 8:
      p = Chandelier();
      break;
    case 9:
      p = Brazier();
      break;
    default:
      p = BannerPole();
      break;
  }
  Outline(p, kWhite, kOutline);
  return p;
}

// ---- damage stages ----------------------------------------------------------------

void Cracks(Picture& p, int count, uint32_t seed) {
  for (int k = 0; k < count; ++k) {
    double x = 20 + Random01(seed, k) * 24, y = 14 + Random01(seed + 1, k) * 44;
    for (int step = 0; step < 12; ++step) {
      const int ix = static_cast<int>(x), iy = static_cast<int>(y);
      if (ix >= 0 && iy >= 0 && ix < kSize && iy < kSize && !IsBackground(p, ix, iy))
        p.set(ix, iy, Hex(0x1a1412));
      x += Random01(seed + 2, k, step) * 2.4 - 1.2;
      y += Random01(seed + 3, k, step) * 2 - 0.4;
    }
  }
}

void Scorch(Picture& p, double amount, uint32_t seed) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (!IsBackground(p, x, y)) {
        const double n = Fractal(seed, x / 8.0, y / 8.0, 8, 3);
        if (n > 1 - amount) p.set(x, y, Shade(p.at(x, y), 0.55));
      }
}

// Knocks holes into the picture.
void Chip(Picture& p, int count, uint32_t seed) {
  for (int k = 0; k < count; ++k) {
    const double cx = 14 + Random01(seed, k) * 36, cy = 10 + Random01(seed + 1, k) * 50;
    const double r = 1.5 + Random01(seed + 2, k) * 2.5;
    for (int y = static_cast<int>(cy - r); y <= cy + r; ++y)
      for (int x = static_cast<int>(cx - r); x <= cx + r; ++x)
        if (x >= 0 && y >= 0 && x < kSize && y < kSize && std::hypot(x - cx, y - cy) <= r) {
          // Only edge pixels: a hole in the middle would look like a stain.
          bool edge = false;
          for (int d = -4; d <= 4 && !edge; d += 8)
            edge = x + d < 0 || x + d >= kSize || IsBackground(p, x + d, y);
          if (edge) p.set(x, y, kWhite);
        }
  }
}

// The picture bursting apart: the halves tilt away and sink.
Picture Burst(const Picture& whole, uint32_t seed) {
  Picture out = Blank();
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const Rgb c = whole.at(x, y);
      if (c == kWhite) continue;
      const bool left = x < 32 + static_cast<int>(4 * std::sin(y * 0.4));
      const double lift = (63 - y) / 63.0;
      const int nx = x + (left ? -1 : 1) * static_cast<int>(2 + 7 * lift);
      const int ny = y + static_cast<int>(6 * lift);
      Plot(out, nx, std::min(ny, 63), c);
    }
  // Flying splinters.
  for (int k = 0; k < 10; ++k) {
    const double x = 8 + Random01(seed, k) * 48, y = 6 + Random01(seed + 1, k) * 40;
    const Rgb c = whole.at(32, 40) == kWhite ? Hex(0x6a6a6a) : whole.at(32, 40);
    Capsule(out, x, y, x + 2, y + 1, 1.1, c);
  }
  return out;
}

// What is left: a low heap of fragments in the sprite's own colours.
Picture Debris(const Picture& whole, uint32_t seed) {
  Picture out = Blank();
  Rgb colours[6];
  int found = 0;
  for (int k = 0; k < 400 && found < 6; ++k) {
    const Rgb c = whole.at(static_cast<int>(Hash(seed, k) % 64), static_cast<int>(Hash(seed, k, 1) % 64));
    if (!(c == kWhite) && !(c == kOutline)) colours[found++] = c;
  }
  if (found == 0) colours[found++] = Hex(0x6a6a6a);
  FillEllipse(out, 32, 60, 22, 4, Hex(0x3a3430));
  for (int k = 0; k < 26; ++k) {
    const double x = 14 + Random01(seed + 2, k) * 36, y = 52 + Random01(seed + 3, k) * 9;
    const double w = 2 + Random01(seed + 4, k) * 5;
    Capsule(out, x - w / 2, y, x + w / 2, y - Random01(seed + 5, k) * 3, 1.6 + Random01(seed + 6, k),
            colours[k % found]);
  }
  return out;
}

Picture Damaged(const Picture& whole, int stage, uint32_t seed) {
  Picture p = whole;
  switch (stage) {
    case 0:  // scratched
      Cracks(p, 3, seed);
      Scorch(p, 0.15, seed);
      break;
    case 1:  // cracked and chipped
      Cracks(p, 7, seed);
      Scorch(p, 0.3, seed);
      Chip(p, 8, seed);
      break;
    case 2: {  // bursting apart
      Picture broken = whole;
      Cracks(broken, 7, seed);
      Scorch(broken, 0.35, seed);
      p = Burst(broken, seed);
      break;
    }
    default:
      p = Debris(whole, seed);
      break;
  }
  Outline(p, kWhite, kOutline);
  return p;
}

}  // namespace

void AddSprites(Content& content) {
  using enum assets::SlotKind;
  for (int s = 1; s <= 10; ++s) AddSlotPicture(content, kSprite, s, 0, Intact(s));
  for (int s = 1; s <= 10; ++s) {
    const Picture whole = Intact(s);
    for (int j = 0; j < 4; ++j) AddSlotPicture(content, kSpriteView, s, j, Damaged(whole, j, 900 + s));
  }
}

}  // namespace starter
