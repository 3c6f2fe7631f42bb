// Drawing helpers for the generated pictures: deterministic noise, colour
// arithmetic and shaded shapes on an assets::Picture.
#pragma once

#include <cstdint>

#include "assets/picture.h"

namespace starter {

using assets::Picture;
using assets::Rgb;

constexpr Rgb kWhite{255, 255, 255};  // the background of keyed pictures
constexpr Rgb kBlack{0, 0, 0};

// ---- deterministic randomness ------------------------------------------------
uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);
// A number in [0, 1) for the given seed and coordinates.
double Random01(uint32_t seed, int x, int y = 0);
// Smooth noise in [0, 1] that repeats every `period` units in x and y.
double TileNoise(uint32_t seed, double x, double y, int period);
// Several octaves of TileNoise; the period doubles with each octave.
double Fractal(uint32_t seed, double x, double y, int period, int octaves);

// ---- colours -------------------------------------------------------------------
Rgb Hex(uint32_t rgb);
Rgb Mix(Rgb a, Rgb b, double t);
// Multiplies every channel by `factor` (clamped to 0..254 so that a shaded
// colour never becomes the keyed white).
Rgb Shade(Rgb c, double factor);
Rgb Lighten(Rgb c, double amount);  // towards white by `amount` (0..1), below 255

// ---- shapes ----------------------------------------------------------------------
void Plot(Picture& p, int x, int y, Rgb c);
void Blend(Picture& p, int x, int y, Rgb c, double alpha);
void FillRect(Picture& p, int x, int y, int w, int h, Rgb c);
void FrameRect(Picture& p, int x, int y, int w, int h, Rgb c);
// A raised (or, with light and dark swapped, sunken) border of width `width`.
void Bevel(Picture& p, int x, int y, int w, int h, Rgb light, Rgb dark, int width = 1);
void FillEllipse(Picture& p, double cx, double cy, double rx, double ry, Rgb c);
void FillCircle(Picture& p, double cx, double cy, double r, Rgb c);
// A ball lit from the upper left.
void FillSphere(Picture& p, double cx, double cy, double r, Rgb c);
// A rounded limb from (x0, y0) to (x1, y1) of radius r, lit from the upper left.
void Capsule(Picture& p, double x0, double y0, double x1, double y1, double r, Rgb c);
void Line(Picture& p, double x0, double y0, double x1, double y1, Rgb c);
// A box that is round from left to right (barrels, pillars, cans).
void FillCylinder(Picture& p, int x, int y, int w, int h, Rgb c);
// A filled convex or concave polygon by the even-odd rule.
void FillPolygon(Picture& p, const double* xy, int points, Rgb c);
// A soft glow of colour c around (cx, cy); pure white pixels are left alone.
void Glow(Picture& p, double cx, double cy, double r, Rgb c, double strength);

// Draws a dark outline around everything that is not `background`.
void Outline(Picture& p, Rgb background, Rgb outline);
// Copies `src` into `dst` at (x, y), skipping pixels equal to `transparent`.
void Paste(Picture& dst, const Picture& src, int x, int y, const Rgb* transparent = nullptr);
// Vertical gradient from `top` to `bottom` over the given rows.
void Gradient(Picture& p, int y0, int y1, Rgb top, Rgb bottom);
// Mirrored left to right.
Picture Mirrored(const Picture& p);

}  // namespace starter
