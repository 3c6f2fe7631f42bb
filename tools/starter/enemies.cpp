// The five enemies, seen from the front on the keyed white background:
// four walking frames, two attacking frames (aim, fire) and five dying
// frames (hit, buckling, falling, down, dead).
#include <cmath>
#include <string>

#include "tools/starter/content.h"

namespace starter {

namespace {

const Rgb kOutline = Hex(0x141010);

struct Point {
  double x, y;
};

enum class Head { kHelmet, kBald, kRobot, kHood, kHorns };

struct Look {
  Rgb skin, shirt, trousers, boots, weapon;
  Head head;
  double width = 1.0;  // body breadth
  bool robe = false;   // legs hidden under a robe
  Rgb flash{255, 220, 90};
  Rgb blood{160, 16, 16};  // what a hit spills: blood, or oil for the machine
};

// Joint positions of one frame.
struct Pose {
  Point head{32, 11};
  Point shoulder_l{24, 21}, shoulder_r{40, 21};
  Point hip_l{28, 38}, hip_r{36, 38};
  Point knee_l{27, 49}, knee_r{37, 49};
  Point foot_l{27, 61}, foot_r{37, 61};
  Point elbow_l{21, 30}, elbow_r{43, 30};
  Point hand_l{21, 38}, hand_r{43, 38};
  bool aiming = false;
  bool firing = false;
};

Point Widen(Point p, double width) {
  return {32 + (p.x - 32) * width, p.y};
}

void DrawHead(Picture& p, const Look& look, Point c) {
  switch (look.head) {
    case Head::kHelmet:
      FillSphere(p, c.x, c.y + 1, 5.5, look.skin);
      FillEllipse(p, c.x, c.y - 2, 7, 4.5, look.shirt);
      FillRect(p, static_cast<int>(c.x - 7), static_cast<int>(c.y - 1), 15, 2, Shade(look.shirt, 0.7));
      FillRect(p, static_cast<int>(c.x - 3), static_cast<int>(c.y + 1), 2, 2, Hex(0x1a1a1a));
      FillRect(p, static_cast<int>(c.x + 2), static_cast<int>(c.y + 1), 2, 2, Hex(0x1a1a1a));
      break;
    case Head::kBald:
      FillSphere(p, c.x, c.y, 6.5, look.skin);
      FillRect(p, static_cast<int>(c.x - 4), static_cast<int>(c.y - 1), 3, 2, Hex(0xf0e040));
      FillRect(p, static_cast<int>(c.x + 2), static_cast<int>(c.y - 1), 3, 2, Hex(0xf0e040));
      FillRect(p, static_cast<int>(c.x - 3), static_cast<int>(c.y + 3), 7, 1, Hex(0x3a1a10));
      FillRect(p, static_cast<int>(c.x - 3), static_cast<int>(c.y + 4), 1, 1, Hex(0xf0f0e0));
      FillRect(p, static_cast<int>(c.x + 3), static_cast<int>(c.y + 4), 1, 1, Hex(0xf0f0e0));
      break;
    case Head::kRobot:
      FillRect(p, static_cast<int>(c.x - 6), static_cast<int>(c.y - 6), 13, 12, look.shirt);
      Bevel(p, static_cast<int>(c.x - 6), static_cast<int>(c.y - 6), 13, 12, Lighten(look.shirt, 0.3),
            Shade(look.shirt, 0.5));
      FillRect(p, static_cast<int>(c.x - 4), static_cast<int>(c.y - 2), 9, 3, Hex(0x200808));
      FillCircle(p, c.x + 0.5, c.y - 0.5, 1.8, Hex(0xff3020));
      Glow(p, c.x + 0.5, c.y - 0.5, 7, Hex(0xff3020), 0.5);
      Line(p, c.x + 3, c.y - 6, c.x + 5, c.y - 10, Hex(0x6a6a6a));
      break;
    case Head::kHood: {
      const double hood[] = {c.x - 7, c.y + 6, c.x - 6, c.y - 3, c.x,
                             c.y - 8, c.x + 6, c.y - 3, c.x + 7, c.y + 6};
      FillPolygon(p, hood, 5, look.shirt);
      FillEllipse(p, c.x, c.y + 1, 4, 5, Hex(0x140a18));
      FillRect(p, static_cast<int>(c.x - 2), static_cast<int>(c.y), 1, 1, Hex(0xfe9030));
      FillRect(p, static_cast<int>(c.x + 2), static_cast<int>(c.y), 1, 1, Hex(0xfe9030));
      break;
    }
    case Head::kHorns:
      Capsule(p, c.x - 5, c.y - 3, c.x - 10, c.y - 10, 1.8, Hex(0xe8dcc0));
      Capsule(p, c.x + 5, c.y - 3, c.x + 10, c.y - 10, 1.8, Hex(0xe8dcc0));
      FillSphere(p, c.x, c.y, 6.5, look.skin);
      FillRect(p, static_cast<int>(c.x - 4), static_cast<int>(c.y - 1), 3, 2, Hex(0xfee040));
      FillRect(p, static_cast<int>(c.x + 2), static_cast<int>(c.y - 1), 3, 2, Hex(0xfee040));
      FillRect(p, static_cast<int>(c.x - 3), static_cast<int>(c.y + 3), 7, 2, Hex(0x2a0a08));
      break;
  }
}

void DrawWeaponFront(Picture& p, const Look& look, Point at, bool firing) {
  // The weapon pointing at the viewer: a stock and the muzzle as a dark ring.
  FillRect(p, static_cast<int>(at.x - 4), static_cast<int>(at.y - 3), 9, 7, look.weapon);
  FillCircle(p, at.x + 0.5, at.y, 3, Shade(look.weapon, 1.4));
  FillCircle(p, at.x + 0.5, at.y, 1.6, Hex(0x0a0a0a));
  if (firing) {
    Glow(p, at.x, at.y, 16, look.flash, 0.6);
    for (int k = 0; k < 8; ++k) {
      const double a = k * 3.14159 / 4 + 0.3;
      const double len = k % 2 ? 6 : 11;
      Capsule(p, at.x, at.y, at.x + std::cos(a) * len, at.y + std::sin(a) * len, 1.6, look.flash);
    }
    FillCircle(p, at.x + 0.5, at.y, 4, Lighten(look.flash, 0.6));
  }
}

Picture DrawFigure(const Look& look, const Pose& pose) {
  Picture p(64, 64, kWhite);
  const auto W = [&](Point q) { return Widen(q, look.width); };
  const double limb = 3.2 * look.width;
  // Legs.
  if (look.robe) {
    const double hem_l = std::min(pose.foot_l.x, pose.foot_r.x) - 5,
                 hem_r = std::max(pose.foot_l.x, pose.foot_r.x) + 5;
    const double foot_y = std::max(pose.foot_l.y, pose.foot_r.y);
    const double robe[] = {W(pose.shoulder_l).x,
                           pose.shoulder_l.y,
                           W(pose.shoulder_r).x,
                           pose.shoulder_r.y,
                           hem_r,
                           foot_y - 1,
                           hem_l,
                           foot_y - 1};
    FillPolygon(p, robe, 4, look.trousers);
    for (double x = hem_l + 3; x < hem_r - 2; x += 4)
      Line(p, x, pose.hip_l.y, x + (x - 32) * 0.15, foot_y - 2, Shade(look.trousers, 0.7));
    FillEllipse(p, pose.foot_l.x, pose.foot_l.y - 1, 3, 1.5, look.boots);
    FillEllipse(p, pose.foot_r.x, pose.foot_r.y - 1, 3, 1.5, look.boots);
  } else {
    for (const auto& [hip, knee, foot] : {std::tuple{pose.hip_l, pose.knee_l, pose.foot_l},
                                          std::tuple{pose.hip_r, pose.knee_r, pose.foot_r}}) {
      Capsule(p, W(hip).x, hip.y, W(knee).x, knee.y, limb + 0.4, look.trousers);
      Capsule(p, W(knee).x, knee.y, W(foot).x, foot.y - 3, limb, look.trousers);
      Capsule(p, W(foot).x - 1, foot.y - 4, W(foot).x, foot.y - 1, limb * 0.9, look.boots);
    }
  }
  // Torso.
  const double torso[] = {W(pose.shoulder_l).x - 2, pose.shoulder_l.y - 1, W(pose.shoulder_r).x + 2,
                          pose.shoulder_r.y - 1,    W(pose.hip_r).x + 1,   pose.hip_r.y + 1,
                          W(pose.hip_l).x - 1,      pose.hip_l.y + 1};
  FillPolygon(p, torso, 4, look.shirt);
  for (int y = static_cast<int>(pose.shoulder_l.y - 1); y <= pose.hip_l.y + 1; ++y)
    for (int x = 0; x < 64; ++x)
      if (p.at(x, y) == look.shirt)
        p.set(x, y, Shade(look.shirt, 1.15 - std::fabs(x - 30.0) / (14 * look.width)));
  const double belt_y = pose.hip_l.y - 2;
  FillRect(p, static_cast<int>(W(pose.hip_l).x - 1), static_cast<int>(belt_y),
           static_cast<int>(W(pose.hip_r).x - W(pose.hip_l).x + 3), 2, Shade(look.boots, 0.9));
  // Arms and the weapon.
  const Rgb sleeve = look.head == Head::kBald || look.head == Head::kHorns ? look.skin : look.shirt;
  Capsule(p, W(pose.shoulder_l).x, pose.shoulder_l.y, W(pose.elbow_l).x, pose.elbow_l.y, limb, sleeve);
  Capsule(p, W(pose.shoulder_r).x, pose.shoulder_r.y, W(pose.elbow_r).x, pose.elbow_r.y, limb, sleeve);
  if (!pose.aiming) {
    Capsule(p, W(pose.hand_r).x, pose.hand_r.y, W(pose.hand_r).x + 1, pose.hand_r.y + 10, 2.2, look.weapon);
  }
  Capsule(p, W(pose.elbow_l).x, pose.elbow_l.y, W(pose.hand_l).x, pose.hand_l.y, limb * 0.9, sleeve);
  Capsule(p, W(pose.elbow_r).x, pose.elbow_r.y, W(pose.hand_r).x, pose.hand_r.y, limb * 0.9, sleeve);
  FillSphere(p, W(pose.hand_l).x, pose.hand_l.y, 2.4, look.skin);
  FillSphere(p, W(pose.hand_r).x, pose.hand_r.y, 2.4, look.skin);
  DrawHead(p, look, pose.head);
  if (pose.aiming)
    DrawWeaponFront(p, look, {(pose.hand_l.x + pose.hand_r.x) / 2, (pose.hand_l.y + pose.hand_r.y) / 2 - 1},
                    pose.firing);
  return p;
}

// Seen from the front: frames 0 and 2 lift the left and the right leg with
// the body leaning over the standing one; frames 1 and 3 pass with both
// feet down and the body a pixel higher.
Pose Walking(int frame) {
  Pose pose;
  const int side = frame == 0 ? 1 : frame == 2 ? -1 : 0;
  const double bob = side == 0 ? -1 : 0;
  const double lean = -1.5 * side;  // towards the standing leg
  for (Point* q : {&pose.head, &pose.shoulder_l, &pose.shoulder_r, &pose.hip_l, &pose.hip_r, &pose.elbow_l,
                   &pose.elbow_r, &pose.hand_l, &pose.hand_r}) {
    q->y += bob;
    q->x += q == &pose.hip_l || q == &pose.hip_r ? lean / 2 : lean;
  }
  if (side != 0) {
    // The lifted leg: knee up and out, foot off the floor and drawn in.
    Point& knee = side == 1 ? pose.knee_l : pose.knee_r;
    Point& foot = side == 1 ? pose.foot_l : pose.foot_r;
    knee = {32 - side * 6.5, 44};
    foot = {32 - side * 4.0, 55};
    // The arms swing: the one over the lifted leg goes back (up and out),
    // the other comes forward across the body.
    Point& back_elbow = side == 1 ? pose.elbow_l : pose.elbow_r;
    Point& back_hand = side == 1 ? pose.hand_l : pose.hand_r;
    Point& front_elbow = side == 1 ? pose.elbow_r : pose.elbow_l;
    Point& front_hand = side == 1 ? pose.hand_r : pose.hand_l;
    back_elbow = {32 - side * 12.5 + lean, 29};
    back_hand = {32 - side * 14.0 + lean, 35};
    front_elbow = {32 + side * 10.0 + lean, 31};
    front_hand = {32 + side * 5.0 + lean, 38};
  } else {
    pose.knee_l.y += bob;
    pose.knee_r.y += bob;
  }
  return pose;
}

Pose Aiming(bool firing) {
  Pose pose;
  pose.aiming = true;
  pose.firing = firing;
  pose.elbow_l = {25, 30};
  pose.elbow_r = {39, 30};
  pose.hand_l = {30, 29};
  pose.hand_r = {34, 29};
  pose.foot_l = {25, 61};
  pose.foot_r = {39, 61};
  pose.knee_l = {26, 49};
  pose.knee_r = {38, 49};
  if (firing) pose.head.y -= 1;
  return pose;
}

// A picture turned by `degrees` about (px, py) and squashed vertically by
// `squash` towards the floor, moved down by `drop`.
Picture Tumble(const Picture& src, double degrees, double px, double py, double squash, double drop) {
  Picture out(64, 64, kWhite);
  const double a = degrees * 3.14159265 / 180, ca = std::cos(a), sa = std::sin(a);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const double ty = 63 - (63 - (y - drop)) / squash;  // undo the squash towards the floor
      const double dx = x + 0.5 - px, dy = ty + 0.5 - py;
      const double sx = px + dx * ca + dy * sa, sy = py - dx * sa + dy * ca;
      const int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
      if (ix >= 0 && iy >= 0 && ix < 64 && iy < 64 && !(src.at(ix, iy) == kWhite))
        out.set(x, y, src.at(ix, iy));
    }
  return out;
}

void Blood(Picture& p, Rgb blood, double cx, double cy, double spread, int drops, uint32_t seed) {
  for (int k = 0; k < drops; ++k) {
    const double x = cx + (Random01(seed, k) - 0.5) * spread,
                 y = cy + (Random01(seed + 1, k) - 0.5) * spread * 0.7;
    FillCircle(p, x, y, 0.8 + Random01(seed + 2, k) * 1.6,
               Mix(blood, Shade(blood, 0.6), Random01(seed + 3, k)));
  }
}

Picture Dying(const Look& look, int frame, uint32_t seed) {
  Pose hit;
  hit.head = {33, 10};
  hit.elbow_l = {19, 22};
  hit.hand_l = {17, 14};
  hit.elbow_r = {45, 22};
  hit.hand_r = {47, 14};
  Pose kneel;
  for (Point* q : {&kneel.head, &kneel.shoulder_l, &kneel.shoulder_r, &kneel.hip_l, &kneel.hip_r,
                   &kneel.elbow_l, &kneel.elbow_r, &kneel.hand_l, &kneel.hand_r})
    q->y += 12;
  kneel.head.x += 2;
  kneel.knee_l = {25, 58};
  kneel.knee_r = {39, 58};
  kneel.foot_l = {22, 62};
  kneel.foot_r = {42, 62};
  kneel.hand_l = {23, 56};
  kneel.hand_r = {41, 56};
  Picture p;
  switch (frame) {
    case 0:
      p = DrawFigure(look, hit);
      Blood(p, look.blood, 32, 26, 10, 10, seed);
      break;
    case 1:
      p = DrawFigure(look, kneel);
      Blood(p, look.blood, 32, 38, 12, 14, seed);
      break;
    case 2: {
      Picture k = DrawFigure(look, kneel);
      Blood(k, look.blood, 32, 38, 12, 14, seed);
      p = Tumble(k, -50, 40, 62, 1.0, 0);
      break;
    }
    case 3: {
      Picture k = DrawFigure(look, Pose{});
      Blood(k, look.blood, 32, 30, 14, 18, seed);
      p = Tumble(k, -88, 32, 36, 0.55, 8);
      break;
    }
    default: {
      Picture k = DrawFigure(look, Pose{});
      Blood(k, look.blood, 32, 30, 14, 18, seed);
      p = Picture(64, 64, kWhite);
      FillEllipse(p, 30, 59, 26, 4.5, Shade(look.blood, 0.7));
      FillEllipse(p, 24, 58, 12, 2.5, Shade(look.blood, 0.86));
      Paste(p, Tumble(k, -90, 32, 36, 0.45, 12), 0, 0, &kWhite);
      break;
    }
  }
  return p;
}

Look LookOf(int enemy) {
  switch (enemy) {
    case 1:
      return {Hex(0xd8a080), Hex(0x5a6a3a), Hex(0x4a5030), Hex(0x2a2418), Hex(0x2a2a2e), Head::kHelmet, 1.0};
    case 2:
      return {Hex(0xc07840), Hex(0x5a3a22), Hex(0x3a3a4a), Hex(0x2a1a10), Hex(0x4a4a50), Head::kBald, 1.3};
    case 3: {
      Look l{Hex(0x8a96a4), Hex(0x6a7888), Hex(0x4a5664), Hex(0x2a3038), Hex(0x3a4450), Head::kRobot, 1.05};
      l.flash = Hex(0x60e0ff);
      l.blood = Hex(0x2a2a30);
      return l;
    }
    case 4: {
      Look l{Hex(0xc89878), Hex(0x5a2a6a), Hex(0x4a2058), Hex(0x1a1020),
             Hex(0x6a3a1a), Head::kHood,   1.0,           true};
      l.flash = Hex(0xff8030);
      return l;
    }
    default:
      return {Hex(0xa8302a), Hex(0x3a3a3e), Hex(0x2a2a2e), Hex(0x1a1a1a), Hex(0x5a5a60), Head::kHorns, 1.25};
  }
}

}  // namespace

void AddEnemies(Content& content) {
  for (int e = 1; e <= 5; ++e) {
    const Look look = LookOf(e);
    // Frames 0 to 10: walk 1 to 4, shoot 1 and 2, die 1 to 5.
    auto add = [&](int frame, Picture p) {
      Outline(p, kWhite, kOutline);
      AddSlotPicture(content, assets::SlotKind::kEnemyFrame, e, frame, std::move(p));
    };
    for (int f = 0; f < 4; ++f) add(f, DrawFigure(look, Walking(f)));
    for (int f = 0; f < 2; ++f) add(4 + f, DrawFigure(look, Aiming(f == 1)));
    for (int f = 0; f < 5; ++f) add(6 + f, Dying(look, f, 800 + e * 10 + f));
  }
}

}  // namespace starter
