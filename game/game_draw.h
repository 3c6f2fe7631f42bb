// Drawing 2-D pictures into the frame buffer: whole-number scaling, centring, digits, tints, text.
#pragma once

#include <string>
#include <vector>

#include "game_image.h"

namespace game {

// The whole-number scale of the 320 x 200 screens in a frame of this size (at least 1).
int ScreenScale(int width, int height);

// Draws `image` (or its rows from `first_row` on, at most `rows` of them) with
// its top-left corner at (x, y), each pixel as a scale x scale block; clipped
// to the frame; transparent pixels are skipped.
void DrawImage(FrameBuffer& frame, const Image& image, int x, int y, int scale, int first_row = 0,
               int rows = -1);

// Fills the frame black and draws a 320-wide screen picture scaled and centred;
// pictures taller than 200 rows show 200 of them from `first_row` on.
void DrawScreen(FrameBuffer& frame, const Image& image, int first_row = 0);

// Where DrawScreen puts screen pixel (0, 0), and its scale.
struct ScreenPlacement {
  int x = 0, y = 0, scale = 1;
};
ScreenPlacement PlaceScreen(const FrameBuffer& frame);

// Draws `value` with a strip of ten digit pictures 0..9 side by side, right-aligned in `digits` places.
void DrawNumber(FrameBuffer& frame, const Image& strip, int value, int digits, int x, int y, int scale);

void FillRect(FrameBuffer& frame, int x, int y, int w, int h, uint32_t color);

// Mixes `color` into every pixel of the rectangle with weight `amount` of 256.
void Tint(FrameBuffer& frame, int x, int y, int w, int h, uint32_t color, int amount);

// Plain text in a small built-in font, scale x scale pixels per font pixel.
void DrawText(FrameBuffer& frame, const std::string& text, int x, int y, int scale, uint32_t color);
// Width in font pixels of one line of that text.
int TextWidth(const std::string& text);
constexpr int kTextLineHeight = 12;  // font pixels from one line to the next

// The text broken into lines of at most `width` font pixels, at its own line
// breaks ("\n", "\r\n") and between words; a word longer than a line is cut.
std::vector<std::string> WrapText(const std::string& text, int width);

// A message on a dark frame: the title, and the text wrapped below it, at the
// screens' scale; for errors that no message box can show, and the info text.
void DrawMessageScreen(FrameBuffer& frame, const std::string& title, const std::string& text);

}  // namespace game
