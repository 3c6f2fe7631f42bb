// The generated game's own small bitmap font: 5 x 7 capitals, digits and
// punctuation, drawn at any whole-number scale with an optional shadow.
#pragma once

#include <string_view>

#include "tools/starter/draw.h"

namespace starter {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

struct TextStyle {
  Rgb colour{230, 220, 190};
  Rgb bottom_colour{230, 220, 190};  // the glyphs shade from colour to this, top to bottom
  int scale = 1;
  bool shadow = true;
  Rgb shadow_colour{16, 12, 10};
};

// Width in pixels of `text` (lower-case letters are drawn as capitals).
int TextWidth(std::string_view text, int scale);
void DrawText(Picture& p, int x, int y, std::string_view text, const TextStyle& style);
void DrawTextCentred(Picture& p, int centre_x, int y, std::string_view text, const TextStyle& style);

}  // namespace starter
