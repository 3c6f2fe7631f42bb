// The 57 screen bitmaps: menus, intro, help, sound, level and finish
// screens with text in the game's own font, the status bar and its digit
// strips, the weapons in the player's hand, bullets and their explosions.
// Small overlays (weapons, bullets, cursor, cross-hair) use the keyed white
// background like the sprites.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "gamebuild/screen_layout.h"
#include "tools/starter/content.h"
#include "tools/starter/font.h"
#include "tools/starter/items.h"

namespace starter {

namespace layout = gamebuild::screen_layout;

namespace {

constexpr int kScreenW = 320, kScreenH = 200;
const Rgb kOutline = Hex(0x141010);

TextStyle Title(int scale) {
  TextStyle s;
  s.colour = Hex(0xfed060);
  s.bottom_colour = Hex(0xd04010);
  s.scale = scale;
  return s;
}

TextStyle Body(Rgb colour = Hex(0xe0d4b8)) {
  TextStyle s;
  s.colour = colour;
  s.bottom_colour = Shade(colour, 0.8);
  return s;
}

// Dark stone blocks lit by a warm glow from below, darker at the edges.
Picture Backdrop(int height, uint32_t seed) {
  Picture p(kScreenW, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < kScreenW; ++x) {
      const int row = y / 20, shift = (row % 2) * 20;
      const int lx = (x + shift) % 40, ly = y % 20;
      const double block = Random01(seed, (x + shift) / 40, row);
      Rgb c = Mix(Hex(0x2a2420), Hex(0x3a322a), block);
      c = Shade(c, 0.85 + 0.3 * Fractal(seed + 1, x / 6.0, y / 6.0, 64, 3));
      if (lx == 0 || ly == 0)
        c = Hex(0x120e0c);
      else if (lx == 1 || ly == 1)
        c = Shade(c, 1.2);
      const double vx = (x - 160) / 180.0, vy = (y - height * 0.6) / (height * 0.8);
      const double light = std::max(0.25, 1.0 - (vx * vx + vy * vy));
      c = Shade(Mix(c, Hex(0x6a2a10), 0.25 * light), 0.35 + 0.75 * light);
      p.set(x, y, c);
    }
  return p;
}

void Underline(Picture& p, int y, int half_width) {
  for (int x = 160 - half_width; x < 160 + half_width; ++x) {
    const double t = 1 - std::fabs(x - 160.0) / half_width;
    Blend(p, x, y, Hex(0xf0a030), t);
    Blend(p, x, y + 1, Hex(0x6a2a10), t);
  }
}

// A torch on an iron bracket; the flame's centre at (x, y).
void Sconce(Picture& p, double x, double y) {
  FillRect(p, static_cast<int>(x - 2), static_cast<int>(y + 6), 5, 14, Hex(0x3a2a1a));
  FillRect(p, static_cast<int>(x - 5), static_cast<int>(y + 18), 11, 3, Hex(0x2a2a2e));
  FillRect(p, static_cast<int>(x - 4), static_cast<int>(y + 5), 9, 3, Hex(0x4a4a50));
}

void Flame(Picture& p, double x, double y, double size) {
  Glow(p, x, y, size * 4, Hex(0xff9030), 0.5);
  FillEllipse(p, x, y, size, size * 1.8, Hex(0xe05018));
  FillEllipse(p, x, y + size * 0.4, size * 0.6, size * 1.1, Hex(0xfac040));
  FillEllipse(p, x, y + size * 0.7, size * 0.3, size * 0.5, Hex(0xfef0b0));
}

// The items on a dark plaque, in the rows where the game puts its marker; the
// plaque has room for `rows` items, those the game writes below included.
void Menu(Picture& p, std::span<const std::string_view> items, int rows) {
  if (items.empty()) return;
  const int top = layout::kItemTop, left = layout::kPlaqueLeft, right = layout::kPlaqueRight;
  const int height = std::max(rows, static_cast<int>(items.size())) * layout::kItemStep + 10;
  for (int y = top - 6; y < top - 6 + height; ++y)
    for (int x = left; x < right; ++x) p.set(x, y, Shade(p.at(x, y), 0.45));
  Bevel(p, left - 1, top - 7, right - left + 2, height + 2, Hex(0x1a1410), Hex(0x6a5a48), 1);
  int y = top;
  for (std::string_view item : items) {
    DrawTextCentred(p, (left + right) / 2, y, item, Body());
    y += layout::kItemStep;
  }
}

Picture MenuScreen(const char* heading, int scale, std::span<const std::string_view> items, uint32_t seed,
                   int rows = 0) {
  Picture p = Backdrop(kScreenH, seed);
  DrawTextCentred(p, 160, 22, heading, Title(scale));
  Underline(p, 24 + 7 * scale, 120);
  for (int x : {24, 296}) {
    Sconce(p, x, 40);
    Flame(p, x, 40, 5);
  }
  Menu(p, items, rows);
  DrawTextCentred(p, 160, 186, "ARROWS CHOOSE - RETURN SELECTS", Body(Hex(0x9a8a70)));
  return p;
}

// A castle on a hill under the night sky.
Picture IntroScreen() {
  Picture p(kScreenW, kScreenH);
  Gradient(p, 0, kScreenH, Hex(0x0a0a24), Hex(0x6a2a1a));
  for (int k = 0; k < 90; ++k)
    Plot(p, static_cast<int>(Hash(1, k) % kScreenW), static_cast<int>(Hash(2, k) % 110),
         Mix(Hex(0x8080a0), Hex(0xfefee0), Random01(3, k)));
  FillCircle(p, 250, 40, 16, Hex(0xf0e8c8));
  FillCircle(p, 244, 36, 4, Hex(0xd8d0b0));
  const Rgb rock = Hex(0x140c0a);
  for (int x = 0; x < kScreenW; ++x) {
    const int hill =
        150 - static_cast<int>(30 * std::exp(-((x - 150) * (x - 150)) / 9000.0) + 6 * std::sin(x * 0.05));
    FillRect(p, x, hill, 1, kScreenH - hill, rock);
  }
  // The keep: towers and walls with lit windows.
  FillRect(p, 100, 80, 110, 45, rock);
  for (int tx : {92, 140, 196}) {
    const int top = tx == 140 ? 46 : 64;
    FillRect(p, tx, top, 22, 125 - top, rock);
    for (int c = 0; c < 4; ++c) FillRect(p, tx + c * 6, top - 5, 4, 5, rock);
  }
  for (int c = 0; c < 14; ++c) FillRect(p, 100 + c * 8, 75, 5, 5, rock);
  for (int k = 0; k < 9; ++k) {
    const int wx = 96 + static_cast<int>(Hash(4, k) % 118), wy = 60 + static_cast<int>(Hash(5, k) % 55);
    if (!(p.at(wx, wy) == rock)) continue;
    FillRect(p, wx, wy, 3, 5, Hex(0xfeb040));
    Glow(p, wx + 1.5, wy + 2.5, 8, Hex(0xff9030), 0.4);
  }
  TextStyle title = Title(5);
  DrawTextCentred(p, 160, 150, "EMBER KEEP", title);
  DrawTextCentred(p, 160, 188, "PRESS ANY KEY", Body(Hex(0xc0b090)));
  return p;
}

Picture HelpScreen() {
  Picture p = Backdrop(kScreenH, 52);
  DrawTextCentred(p, 160, 10, "HOW TO PLAY", Title(3));
  Underline(p, 34, 110);
  const char* lines[][2] = {
      {"W / S", "WALK FORWARD / BACK"},
      {"A / D", "STEP LEFT / RIGHT"},
      {"MOUSE", "TURN"},
      {"LEFT / RIGHT", "TURN"},
      {"PGUP / PGDN", "LOOK UP / DOWN"},
      {"LEFT BUTTON", "SHOOT"},
      {"SPACE", "OPEN DOOR"},
      {"Q", "CHANGE WEAPON"},
      {"M", "SHOW MAP"},
      {"ESC", "MENU"},
  };
  int y = 44;
  for (const auto& line : lines) {
    DrawText(p, 40, y, line[0], Body(Hex(0xfed060)));
    DrawText(p, 150, y, line[1], Body());
    y += 12;
  }
  DrawTextCentred(p, 160, 172, "FIND THE KEY AND REACH THE", Body(Hex(0x9ad08a)));
  DrawTextCentred(p, 160, 184, "GREEN EXIT DOOR OF EACH LEVEL", Body(Hex(0x9ad08a)));
  return p;
}

Picture SoundScreen() {
  Picture p = MenuScreen("SOUND", 3, {}, 53);
  constexpr int left = layout::kSliderLeft, length = 10 * layout::kSliderStopStep;
  for (int k = 0; k < 2; ++k) {
    const int y = layout::kSliderTop + k * layout::kSliderStepY;
    DrawText(p, layout::kSliderLabelX, y, k == 0 ? "MUSIC" : "EFFECTS", Body());
    // The track's middle row is y + kSliderTrackMiddle.
    FillRect(p, left, y + layout::kSliderTrackMiddle - 2, length, 4, Hex(0x120e0c));
    Bevel(p, left - 1, y + layout::kSliderTrackMiddle - 3, length + 2, 6, Hex(0x0a0808), Hex(0x6a5a4a));
    for (int t = 0; t <= 10; ++t) FillRect(p, left + t * layout::kSliderStopStep, y + 9, 1, 3, Hex(0x8a7a60));
  }
  return p;
}

Picture NextLevelScreen() {
  Picture p = Backdrop(kScreenH, 54);
  DrawTextCentred(p, 160, 40, "LEVEL COMPLETE", Title(3));
  Underline(p, 64, 120);
  // A door with light streaming out.
  FillRect(p, 136, 82, 48, 70, Hex(0x0a1a0e));
  for (int y = 84; y < 150; ++y)
    for (int x = 138; x < 182; ++x) p.set(x, y, Mix(Hex(0x40d060), Hex(0xd0fed0), (y - 84) / 80.0));
  Glow(p, 160, 120, 70, Hex(0x60f080), 0.35);
  Bevel(p, 134, 80, 52, 74, Hex(0x8a7a6a), Hex(0x2a2420), 2);
  DrawTextCentred(p, 160, 166, "ENTERING NEXT LEVEL", Body());
  DrawTextCentred(p, 160, 180, "GET READY", Body(Hex(0x9ad08a)));
  return p;
}

Picture FinishedScreen() {
  Picture p = Backdrop(kScreenH, 55);
  DrawTextCentred(p, 160, 24, "VICTORY!", Title(4));
  Underline(p, 56, 130);
  DrawTextCentred(p, 160, 72, "YOU HAVE ESCAPED EMBER KEEP", Body());
  DrawTextCentred(p, 160, 86, "WITH ITS TREASURES", Body());
  // A heap of gold.
  for (int k = 0; k < 60; ++k) {
    const double x = 160 + (Random01(9, k) - 0.5) * 90 * (1 - Random01(10, k) * 0.5);
    const double y = 150 - Random01(11, k) * 30 * (1 - std::fabs(x - 160) / 50);
    FillEllipse(p, x, y, 6, 3, Hex(0xa07818));
    FillEllipse(p, x, y - 1, 6, 2.6, Hex(0xe8c040));
  }
  Glow(p, 160, 140, 60, Hex(0xffe070), 0.3);
  DrawTextCentred(p, 160, 180, "THANK YOU FOR PLAYING", Body(Hex(0xfed060)));
  return p;
}

// The status bar at the foot of the play view.
Picture StatusBar() {
  Picture p(kScreenW, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < kScreenW; ++x)
      p.set(
          x, y,
          Shade(Hex(0x5a5048), 0.8 + 0.3 * std::sin(y / 24.0 * 3.14159) + 0.08 * (Random01(12, x, y) - 0.5)));
  Bevel(p, 0, 0, kScreenW, 24, Hex(0x9a8a78), Hex(0x2a2420), 1);
  struct Box {
    int x, w;
    const char* label;
  };
  const Box boxes[] = {{4, 70, "HP"}, {80, 70, "AMMO"}, {156, 28, ""}, {190, 126, "SCORE"}};
  for (const Box& b : boxes) {
    FillRect(p, b.x, 2, b.w, 20, Hex(0x140e0c));
    Bevel(p, b.x - 1, 1, b.w + 2, 22, Hex(0x2a2420), Hex(0x9a8a78), 1);
    if (*b.label) {
      TextStyle s = Body(Hex(0x9a8a70));
      s.shadow = false;
      DrawText(p, b.x + 3, 9, b.label, s);
    }
  }
  return p;
}

Picture Digits(Rgb top, Rgb bottom) {
  Picture p(200, 20, Hex(0x140e0c));
  TextStyle s;
  s.colour = top;
  s.bottom_colour = bottom;
  s.scale = 2;
  s.shadow_colour = Hex(0x000000);
  for (int d = 0; d < 10; ++d) DrawText(p, d * 20 + 5, 3, std::string(1, static_cast<char>('0' + d)), s);
  return p;
}

Picture KeyIcon() {
  Picture p(20, 20, Hex(0x140e0c));
  const Rgb gold = Hex(0xe0b030);
  FillCircle(p, 6, 10, 4, gold);
  FillCircle(p, 6, 10, 1.8, Hex(0x140e0c));
  FillRect(p, 9, 9, 9, 3, gold);
  FillRect(p, 14, 12, 2, 3, gold);
  FillRect(p, 17, 12, 1, 2, gold);
  return p;
}

Picture MenuCursor() {
  Picture p(16, 16, kWhite);
  Flame(p, 8, 8, 3.2);
  return p;
}

Picture VolumeKnob() {
  Picture p(12, 12, kWhite);
  FillSphere(p, 6, 6, 5.5, Hex(0xd0a040));
  Outline(p, kWhite, kOutline);
  return p;
}

Picture CrossHair() {
  Picture p(16, 16, kWhite);
  const Rgb c = Hex(0x30f040);
  for (int k = 2; k < 6; ++k) {
    Plot(p, 8, k, c);
    Plot(p, 8, 15 - k + 1, c);
    Plot(p, k, 8, c);
    Plot(p, 15 - k + 1, 8, c);
  }
  Plot(p, 8, 8, c);
  return p;
}

// ---- weapons in the player's hand ----------------------------------------------------

// The player's gloved hand gripping the weapon from below, the sleeve
// coming in from the lower right.
void Arm(Picture& p, double gx, double gy, double dy) {
  const Rgb skin = Hex(0xd8a080), sleeve = Hex(0x4a5a3a);
  Capsule(p, 66, 84 + dy, gx + 8, gy + 12 + dy, 10, sleeve);
  FillRect(p, static_cast<int>(gx + 2), static_cast<int>(gy + 12 + dy), 14, 3, Shade(sleeve, 0.6));  // cuff
  FillEllipse(p, gx + 2, gy + 4 + dy, 10, 8, skin);
  for (int k = 0; k < 3; ++k) {  // the fingers' creases
    const double fy = gy + 1 + k * 3.5 + dy;
    Line(p, gx - 6, fy, gx + 3, fy + 1, Shade(skin, 0.7));
  }
  Capsule(p, gx + 7, gy + 6 + dy, gx - 1, gy - 3 + dy, 3, skin);  // thumb
  for (int y = static_cast<int>(gy - 6 + dy); y < gy + 14 + dy; ++y)
    for (int x = static_cast<int>(gx - 10); x < gx + 14; ++x)
      if (x >= 0 && y >= 0 && x < p.width && y < p.height && p.at(x, y) == skin)
        p.set(x, y, Shade(skin, 1.15 - (x - gx + 10) / 40.0));
}

void MuzzleFlash(Picture& p, double x, double y, Rgb colour, double size) {
  Glow(p, x, y, size * 2.2, colour, 0.7);
  for (int k = 0; k < 10; ++k) {
    const double a = k * 3.14159 / 5;
    const double len = size * (k % 2 ? 0.6 : 1.0);
    Capsule(p, x, y, x + std::cos(a) * len, y + std::sin(a) * len * 0.8, 2, colour);
  }
  FillCircle(p, x, y, size * 0.4, Lighten(colour, 0.7));
}

// The weapon pointing away from the player, seen from behind and below.
Picture HandWeapon(int weapon, int frame) {
  Picture p(64, 74, kWhite);
  const double dy = frame == 2 ? 6 : frame == 3 ? 3 : frame == 4 ? 16 : 0;  // recoil and lowering
  const bool firing = frame == 1;
  const Rgb gun = Hex(0x3a3e46), light = Hex(0x6a707a);
  auto taper = [&](double top_y, double top_half, double bottom_half, Rgb c) {
    const double shape[] = {32 - top_half,    top_y + dy, 32 + top_half,    top_y + dy,
                            32 + bottom_half, 74 + dy,    32 - bottom_half, 74 + dy};
    FillPolygon(p, shape, 4, c);
    for (int y = static_cast<int>(top_y + dy); y < 74; ++y)
      for (int x = 0; x < 64; ++x)
        if (p.at(x, y) == c) p.set(x, y, Shade(c, 1.25 - std::fabs(x - 28.0) / 22.0));
  };
  double muzzle_y = 30;
  Rgb flash = Hex(0xffd060);
  switch (weapon) {
    case 1:
      taper(30, 6, 7, gun);  // the slide
      for (int y = static_cast<int>(33 + dy); y < 48 + dy; y += 3) {
        FillRect(p, 26, y, 2, 1, light);  // serrations
        FillRect(p, 37, y, 2, 1, Shade(gun, 0.6));
      }
      FillRect(p, 26, static_cast<int>(28 + dy), 4, 3, Hex(0x1a1a1e));  // rear sight
      FillRect(p, 34, static_cast<int>(28 + dy), 4, 3, Hex(0x1a1a1e));
      FillRect(p, 31, static_cast<int>(25 + dy), 2, 3, light);  // front sight
      taper(48, 5, 6, Hex(0x2a2a2e));                           // the grip
      muzzle_y = 28;
      break;
    case 2:
      taper(26, 7, 12, Hex(0x2e3238));
      FillCircle(p, 29, 27 + dy, 2.5, Hex(0x0a0a0a));
      FillCircle(p, 35, 27 + dy, 2.5, Hex(0x0a0a0a));
      FillRect(p, 31, static_cast<int>(26 + dy), 2, 24, Hex(0x6a707a));  // the rib between the barrels
      taper(46, 9, 13, Hex(0x7a4a26));
      for (int y = static_cast<int>(48 + dy); y < 74; y += 4)
        FillRect(p, 24, y, 16, 1, Hex(0x4a2a14));  // pump grooves
      muzzle_y = 27;
      break;
    case 3:
      taper(40, 12, 16, gun);
      for (int k = 0; k < 3; ++k) {
        const double a = frame * 0.7 + k * 2.094;
        const double bx = 32 + std::cos(a) * 5, by = 30 + std::sin(a) * 2.5 + dy;
        Capsule(p, bx, by, bx * 0.8 + 6.4, by + 14, 2.2, Hex(0x5a606a));
        FillCircle(p, bx, by, 1.6, Hex(0x0a0a0a));
      }
      muzzle_y = 30;
      break;
    case 4:
      taper(28, 8, 14, Hex(0x4a6a8a));
      for (int k = 0; k < 4; ++k) FillRect(p, 26, static_cast<int>(38 + k * 8 + dy), 12, 3, Hex(0x60e0ff));
      Glow(p, 32, 48 + dy, 20, Hex(0x60e0ff), 0.35);
      flash = Hex(0x80f0ff);
      muzzle_y = 28;
      break;
    case 5:
      taper(22, 12, 15, Hex(0x4e5a3a));
      FillEllipse(p, 32, 23 + dy, 10, 5, Hex(0x101410));
      FillEllipse(p, 32, 24 + dy, 6, 3, Hex(0x3a2a1a));
      muzzle_y = 23;
      flash = Hex(0xffa040);
      break;
    default:
      Capsule(p, 44, 74 + dy, 32, 24 + dy, 3, Hex(0x5a3a1e));
      Glow(p, 32, 20 + dy, 16, Hex(0xff8030), 0.6);
      FillSphere(p, 32, 20 + dy, 7, Hex(0xe04010));
      FillSphere(p, 31, 19 + dy, 3.5, Hex(0xfed060));
      muzzle_y = 20;
      flash = Hex(0xff9030);
      break;
  }
  Arm(p, weapon == 6 ? 40 : 34, 58, dy);
  if (firing) MuzzleFlash(p, 32, muzzle_y - 6, flash, weapon == 1 ? 9 : 13);
  Outline(p, kWhite, kOutline);
  return p;
}

Picture Bullet(int weapon) {
  Picture p(64, 64, kWhite);
  switch (weapon) {
    case 4:
      Glow(p, 32, 32, 20, Hex(0x60e0ff), 0.01);
      FillCircle(p, 32, 32, 9, Hex(0x40a0f0));
      FillCircle(p, 32, 32, 6, Hex(0x90e8fe));
      FillCircle(p, 31, 31, 3, Hex(0xe0fafe));
      break;
    case 5:
      FillEllipse(p, 32, 36, 4, 9, Hex(0x6a7a4a));
      FillEllipse(p, 32, 28, 4, 4, Hex(0xa03020));
      FillEllipse(p, 32, 48, 5, 5, Hex(0xffa030));
      FillEllipse(p, 32, 50, 3, 3, Hex(0xfee8a0));
      break;
    case 6:
      FillCircle(p, 32, 32, 10, Hex(0xe04010));
      FillCircle(p, 33, 31, 7, Hex(0xf08020));
      FillCircle(p, 33, 30, 4, Hex(0xfed060));
      break;
    default:
      FillCircle(p, 32, 32, 3 + weapon % 3, Hex(0xc8a040));
      FillCircle(p, 31, 31, 1.5, Hex(0xfef0b0));
      break;
  }
  return p;
}

Picture Explosion(int weapon) {
  Picture p(64, 64, kWhite);
  const double size = weapon == 5 ? 28 : weapon >= 4 ? 18 : 10;
  const Rgb outer = weapon == 4 ? Hex(0x2080d0) : Hex(0xc03010);
  const Rgb middle = weapon == 4 ? Hex(0x60d0fe) : Hex(0xf08020);
  const Rgb inner = weapon == 4 ? Hex(0xe0fafe) : Hex(0xfee070);
  for (int k = 0; k < 14; ++k) {
    const double a = k * 0.449 + Random01(weapon, k);
    const double r = size * (0.5 + 0.5 * Random01(weapon + 10, k));
    FillCircle(p, 32 + std::cos(a) * r * 0.5, 32 + std::sin(a) * r * 0.5, r * 0.5, outer);
  }
  FillCircle(p, 32, 32, size * 0.6, middle);
  FillCircle(p, 32, 32, size * 0.3, inner);
  for (int k = 0; k < 8; ++k) {
    const double a = k * 0.785 + 0.2;
    Capsule(p, 32 + std::cos(a) * size * 0.7, 32 + std::sin(a) * size * 0.7, 32 + std::cos(a) * size,
            32 + std::sin(a) * size, 1.2, middle);
  }
  return p;
}

}  // namespace

void AddScreens(Content& content) {
  auto add = [&content](const std::string& source, const std::string& name, Picture p,
                        bool converted = false) {
    content.screens.push_back({source, name, std::move(p), converted});
  };
  add("mask.bmp", "mask", StatusBar());
  add("entering_next_level.bmp", "entering_next_level", NextLevelScreen());
  add("finished.bmp", "finished", FinishedScreen());
  add("keypicture.bmp", "keypicture", KeyIcon());
  add("menu1.bmp", "menu1", MenuScreen("EMBER KEEP", 4, layout::kMainMenuItems, 50, 6));
  add("menu2.bmp", "menu2", MenuScreen("PAUSED", 3, layout::kPauseMenuItems, 56, 5));
  add("menu3.bmp", "menu3", MenuScreen("QUIT?", 3, layout::kGameOverItems, 57));
  add("menubutton.bmp", "menubutton", MenuCursor());
  add("numbers.bmp", "numbers", Digits(Hex(0xfe6040), Hex(0xb01810)));
  for (int w = 1; w <= 6; ++w)
    for (int f = 1; f <= 5; ++f)
      add("weapon" + std::to_string(w) + "_" + std::to_string(f) + ".bmp",
          "weapon" + std::to_string(w) + "bitmap" + std::to_string(f), HandWeapon(w, f - 1));
  for (int w = 1; w <= 6; ++w)
    add("Bullet" + std::to_string(w) + ".bmp", "bullet" + std::to_string(w), Bullet(w), true);
  for (int w = 1; w <= 6; ++w)
    add("BulletExplode" + std::to_string(w) + ".bmp", "bulletexplode" + std::to_string(w), Explosion(w),
        true);
  add("IntroScreen.bmp", "introscreen", IntroScreen());
  add("HelpScreen.bmp", "helpscreen", HelpScreen());
  add("SoundScreen.bmp", "menu4", SoundScreen());
  add("VolumeButton.bmp", "volumebutton", VolumeKnob());
  add("GunCenter.bmp", "guncenter", CrossHair());
  add("scorenums.bmp", "scorenums", Digits(Hex(0xfee070), Hex(0xc08010)));
}

}  // namespace starter
