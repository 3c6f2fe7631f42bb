// The things the player picks up, drawn small at the foot of the keyed white
// picture: health pack, ammunition box, key, five treasures and the six
// weapons as they lie on the floor.
#include "tools/starter/items.h"

#include <cmath>
#include <string>

#include "tools/starter/content.h"

namespace starter {

namespace {

const Rgb kOutline = Hex(0x141010);

Picture Blank() {
  return Picture(64, 64, kWhite);
}

void Shadow(Picture& p, double width) {
  FillEllipse(p, 32, 61, width, 2.5, Hex(0x6a6460));
}

Picture HealthPack() {
  Picture p = Blank();
  Shadow(p, 20);
  FillRect(p, 14, 38, 36, 23, Hex(0xdcdad4));
  FillRect(p, 14, 38, 36, 2, Hex(0xf4f2ee));
  FillRect(p, 14, 58, 36, 3, Hex(0xa8a6a0));
  FillRect(p, 26, 34, 12, 4, Hex(0x8a8a8a));  // handle
  FillRect(p, 29, 42, 6, 16, Hex(0xd02020));
  FillRect(p, 24, 47, 16, 6, Hex(0xd02020));
  return p;
}

Picture AmmoBox() {
  Picture p = Blank();
  Shadow(p, 22);
  for (int k = 0; k < 5; ++k) {  // cartridges on top
    FillCylinder(p, 17 + k * 6, 30, 4, 10, Hex(0xc89a40));
    FillEllipse(p, 19 + k * 6, 30, 2, 2.5, Hex(0xb07a3a));
  }
  FillRect(p, 12, 40, 40, 21, Hex(0x4a5a2a));
  FillRect(p, 12, 40, 40, 2, Hex(0x6a7a40));
  FillRect(p, 12, 58, 40, 3, Hex(0x2a3418));
  FillRect(p, 18, 46, 28, 9, Hex(0x3a4820));
  for (int k = 0; k < 3; ++k) FillRect(p, 21 + k * 8, 48, 5, 5, Hex(0xd8c060));
  return p;
}

Picture Key() {
  Picture p = Blank();
  Shadow(p, 14);
  const Rgb gold = Hex(0xe0b030);
  Glow(p, 32, 46, 20, Hex(0xffe080), 0.3);
  FillCircle(p, 22, 46, 8, gold);
  FillCircle(p, 22, 46, 4, kWhite);
  FillRect(p, 29, 44, 22, 4, gold);
  FillRect(p, 43, 48, 3, 6, gold);
  FillRect(p, 48, 48, 3, 4, gold);
  FillRect(p, 29, 44, 22, 1, Hex(0xfee890));
  return p;
}

Picture Coins() {
  Picture p = Blank();
  Shadow(p, 18);
  const double spots[][2] = {{22, 56}, {30, 57}, {38, 56}, {26, 52}, {34, 52}, {30, 48}, {42, 58}, {20, 58}};
  for (const auto& s : spots) {
    FillEllipse(p, s[0], s[1], 5, 2.6, Hex(0xa07818));
    FillEllipse(p, s[0], s[1] - 1, 5, 2.4, Hex(0xe8c040));
    FillEllipse(p, s[0] - 1, s[1] - 1.5, 2, 0.8, Hex(0xfef0a0));
  }
  return p;
}

Picture Chalice() {
  Picture p = Blank();
  Shadow(p, 12);
  const Rgb gold = Hex(0xd8a830);
  FillEllipse(p, 32, 60, 9, 2.5, gold);
  FillCylinder(p, 30, 44, 4, 16, gold);
  FillSphere(p, 32, 46, 3, gold);
  for (int y = 26; y < 42; ++y) {
    const int half = static_cast<int>(11 - (y - 26) * (y - 26) / 28.0);
    FillCylinder(p, 32 - half, y, 2 * half, 1, gold);
  }
  FillEllipse(p, 32, 26, 11, 2.5, Hex(0x8a2030));
  FillSphere(p, 32, 35, 2.2, Hex(0x30a0e0));
  return p;
}

Picture Gem() {
  Picture p = Blank();
  Shadow(p, 12);
  Glow(p, 32, 46, 22, Hex(0x60ff90), 0.35);
  const double outline[] = {22, 42, 28, 36, 36, 36, 42, 42, 32, 58};
  FillPolygon(p, outline, 5, Hex(0x1a9a4a));
  const double top[] = {22, 42, 28, 36, 36, 36, 42, 42};
  FillPolygon(p, top, 4, Hex(0x60e08a));
  const double facet[] = {32, 42, 42, 42, 32, 58};
  FillPolygon(p, facet, 3, Hex(0x107a38));
  Line(p, 25, 40, 29, 38, Hex(0xd0fee0));
  return p;
}

Picture Crown() {
  Picture p = Blank();
  Shadow(p, 16);
  const Rgb gold = Hex(0xe0b030);
  const double shape[] = {16, 58, 16, 38, 23, 47, 32, 34, 41, 47, 48, 38, 48, 58};
  FillPolygon(p, shape, 7, gold);
  FillRect(p, 16, 52, 33, 6, Shade(gold, 0.8));
  for (int k = 0; k < 3; ++k) FillSphere(p, 22 + k * 10, 55, 2, k == 1 ? Hex(0xd02030) : Hex(0x2050d0));
  for (double x : {16.0, 32.0, 48.0}) FillSphere(p, x, x == 32 ? 34 : 38, 2.2, Hex(0xfef0a0));
  return p;
}

Picture Chest() {
  Picture p = Blank();
  Shadow(p, 24);
  const Rgb wood = Hex(0x7a4a22);
  FillRect(p, 10, 42, 44, 19, wood);
  FillEllipse(p, 32, 42, 22, 9, Shade(wood, 1.1));
  FillRect(p, 10, 42, 44, 2, Hex(0x5a3a18));
  for (int x : {10, 29, 50}) FillRect(p, x, 34, 4, 27, Hex(0x9a8a50));
  FillRect(p, 29, 44, 6, 6, Hex(0xd8b040));
  Glow(p, 32, 38, 14, Hex(0xffe070), 0.4);
  FillEllipse(p, 32, 37, 12, 2, Hex(0xf0c840));  // gold spilling from the lid
  return p;
}

}  // namespace

// A weapon seen from the side, muzzle to the right; the picture is 64 wide
// and the weapon spans about `length` pixels centred at (cx, cy).
void DrawWeaponSide(Picture& p, int weapon, double cx, double cy, double scale) {
  const auto S = [&](double v) { return v * scale; };
  const Rgb gun = Hex(0x3a3e46), wood = Hex(0x7a4a26);
  switch (weapon) {
    case 1:  // pistol
      FillRect(p, static_cast<int>(cx - S(10)), static_cast<int>(cy - S(4)), static_cast<int>(S(22)),
               static_cast<int>(S(6)), gun);
      FillRect(p, static_cast<int>(cx - S(10)), static_cast<int>(cy - S(4)), static_cast<int>(S(22)), 1,
               Hex(0x6a707a));
      Capsule(p, cx - S(6), cy + S(2), cx - S(10), cy + S(12), S(3), Hex(0x4a3020));
      break;
    case 2:  // shotgun
      FillRect(p, static_cast<int>(cx - S(6)), static_cast<int>(cy - S(3)), static_cast<int>(S(32)),
               static_cast<int>(S(3)), gun);
      FillRect(p, static_cast<int>(cx - S(2)), static_cast<int>(cy), static_cast<int>(S(20)),
               static_cast<int>(S(3)), Hex(0x2a2e34));
      Capsule(p, cx - S(26), cy + S(4), cx - S(6), cy, S(3.5), wood);
      Capsule(p, cx + S(4), cy + S(3), cx + S(14), cy + S(3), S(2.2), wood);
      break;
    case 3:  // chain gun
      for (int k = 0; k < 3; ++k)
        FillRect(p, static_cast<int>(cx), static_cast<int>(cy - S(4) + k * S(3)), static_cast<int>(S(26)),
                 static_cast<int>(S(2)), Hex(0x5a606a));
      FillRect(p, static_cast<int>(cx - S(18)), static_cast<int>(cy - S(6)), static_cast<int>(S(20)),
               static_cast<int>(S(12)), gun);
      FillRect(p, static_cast<int>(cx + S(20)), static_cast<int>(cy - S(5)), static_cast<int>(S(3)),
               static_cast<int>(S(10)), Hex(0x2a2e34));
      Capsule(p, cx - S(12), cy + S(6), cx - S(14), cy + S(14), S(2.5), Hex(0x2a2a2a));
      FillRect(p, static_cast<int>(cx - S(6)), static_cast<int>(cy + S(6)), static_cast<int>(S(8)),
               static_cast<int>(S(6)), Hex(0xb08a30));
      break;
    case 4:  // plasma rifle
      FillRect(p, static_cast<int>(cx - S(22)), static_cast<int>(cy - S(5)), static_cast<int>(S(44)),
               static_cast<int>(S(9)), Hex(0x4a6a8a));
      FillRect(p, static_cast<int>(cx - S(22)), static_cast<int>(cy - S(5)), static_cast<int>(S(44)), 1,
               Hex(0x8ab0d0));
      FillRect(p, static_cast<int>(cx - S(8)), static_cast<int>(cy - S(3)), static_cast<int>(S(18)),
               static_cast<int>(S(4)), Hex(0x60e0ff));
      Glow(p, cx + S(1), cy - S(1), S(12), Hex(0x60e0ff), 0.4);
      Capsule(p, cx - S(12), cy + S(4), cx - S(15), cy + S(12), S(2.5), Hex(0x2a3440));
      break;
    case 5:  // rocket launcher
      FillCylinder(p, static_cast<int>(cx - S(26)), static_cast<int>(cy - S(6)), static_cast<int>(S(52)),
                   static_cast<int>(S(11)), Hex(0x4e5a3a));
      for (int y = static_cast<int>(cy - S(6)); y < cy + S(5); ++y)
        for (int x = static_cast<int>(cx - S(26)); x < cx + S(26); ++x) {
          const double v = (y - (cy - S(6))) / S(11);
          Plot(p, x, y, Shade(Hex(0x4e5a3a), 0.6 + 0.8 * std::sin(v * 3.14159)));
        }
      FillRect(p, static_cast<int>(cx + S(22)), static_cast<int>(cy - S(7)), static_cast<int>(S(4)),
               static_cast<int>(S(13)), Hex(0x2a3020));
      Capsule(p, cx - S(4), cy + S(5), cx - S(6), cy + S(13), S(2.5), Hex(0x2a2a2a));
      FillRect(p, static_cast<int>(cx - S(12)), static_cast<int>(cy - S(10)), static_cast<int>(S(8)),
               static_cast<int>(S(4)), gun);
      break;
    default:  // ember staff
      Capsule(p, cx - S(28), cy + S(6), cx + S(18), cy - S(2), S(2), Hex(0x5a3a1e));
      Glow(p, cx + S(22), cy - S(3), S(14), Hex(0xff8030), 0.5);
      FillSphere(p, cx + S(22), cy - S(3), S(5), Hex(0xe04010));
      FillSphere(p, cx + S(21), cy - S(4), S(2.5), Hex(0xfed060));
      for (int k = -1; k <= 1; ++k)
        Capsule(p, cx + S(16), cy - S(1), cx + S(24), cy - S(8) + k * S(6), S(1), Hex(0xb08a3a));
      break;
  }
}

void AddItems(Content& content) {
  using enum assets::SlotKind;
  auto add = [&content](assets::SlotKind kind, int number, Picture p) {
    Outline(p, kWhite, kOutline);
    AddSlotPicture(content, kind, number, 0, std::move(p));
  };
  add(kHealthPack, 1, HealthPack());
  add(kAmmoPack, 1, AmmoBox());
  add(kKey, 1, Key());
  const Picture treasures[] = {Coins(), Chalice(), Gem(), Crown(), Chest()};
  for (int t = 1; t <= 5; ++t) add(kTreasure, t, treasures[t - 1]);
  for (int w = 1; w <= 6; ++w) {
    Picture p = Blank();
    Shadow(p, 22);
    DrawWeaponSide(p, w, 32, 50, 1.1);
    add(kWeapon, w, std::move(p));
  }
}

}  // namespace starter
