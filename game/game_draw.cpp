#include "game_draw.h"

#include <algorithm>
#include <cstring>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include <stb_easy_font.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace game {

int ScreenScale(int width, int height) {
  return std::max(1, std::min(width / 320, height / 200));
}

ScreenPlacement PlaceScreen(const FrameBuffer& frame) {
  const int scale = ScreenScale(frame.width, frame.height);
  return {(frame.width - 320 * scale) / 2, (frame.height - 200 * scale) / 2, scale};
}

void FillRect(FrameBuffer& frame, int x, int y, int w, int h, uint32_t color) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(frame.width, x + w), y1 = std::min(frame.height, y + h);
  for (int row = y0; row < y1; ++row)
    std::fill(&frame.at(x0, row), &frame.at(x0, row) + std::max(0, x1 - x0), color);
}

void DrawImage(FrameBuffer& frame, const Image& image, int x, int y, int scale, int first_row, int rows) {
  if (image.empty() || scale < 1) return;
  first_row = std::clamp(first_row, 0, image.height);
  const int last_row = rows < 0 ? image.height : std::min(image.height, first_row + rows);
  const int64_t right = int64_t{x} + int64_t{image.width} * scale;
  const int x0 = std::max(0, x), x1 = static_cast<int>(std::min<int64_t>(frame.width, right));
  if (x0 >= x1) return;
  for (int iy = first_row; iy < last_row; ++iy) {
    const int64_t top = int64_t{y} + int64_t{iy - first_row} * scale;
    const int r0 = static_cast<int>(std::max<int64_t>(0, top));
    const int r1 = static_cast<int>(std::min<int64_t>(frame.height, top + scale));
    const uint32_t* source = &image.pixels[static_cast<size_t>(iy) * image.width];
    for (int row = r0; row < r1; ++row) {
      uint32_t* out = &frame.at(0, row);
      // Each opaque source pixel as a run of `scale` pixels, clipped to the frame.
      for (int ix = (x0 - x) / scale; ix < image.width; ++ix) {
        const int64_t left = int64_t{x} + int64_t{ix} * scale;
        if (left >= x1) break;
        if (IsTransparent(source[ix])) continue;
        std::fill(out + std::max<int64_t>(x0, left), out + std::min<int64_t>(x1, left + scale), source[ix]);
      }
    }
  }
}

void DrawScreen(FrameBuffer& frame, const Image& image, int first_row) {
  std::fill(frame.pixels.begin(), frame.pixels.end(), Rgb(0, 0, 0));
  const ScreenPlacement at = PlaceScreen(frame);
  const int x = at.x + (320 - image.width) * at.scale / 2;
  DrawImage(frame, image, x, at.y, at.scale, first_row, 200);
}

void DrawNumber(FrameBuffer& frame, const Image& strip, int value, int digits, int x, int y, int scale) {
  if (strip.width < 10) return;
  const int cell = strip.width / 10;
  value = std::max(0, value);
  for (int place = digits - 1; place >= 0; --place, value /= 10) {
    const int digit = value % 10;
    for (int sy = 0; sy < strip.height; ++sy)
      for (int sx = 0; sx < cell; ++sx) {
        const uint32_t pixel = strip.at(digit * cell + sx, sy);
        if (!IsTransparent(pixel))
          FillRect(frame, x + (place * cell + sx) * scale, y + sy * scale, scale, scale, pixel);
      }
  }
}

void Tint(FrameBuffer& frame, int x, int y, int w, int h, uint32_t color, int amount) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(frame.width, x + w), y1 = std::min(frame.height, y + h);
  const uint32_t keep = static_cast<uint32_t>(256 - amount), add = static_cast<uint32_t>(amount);
  const uint32_t crb = (color & 0xFF00FFu) * add, cg = (color & 0x00FF00u) * add;
  for (int row = y0; row < y1; ++row)
    for (int col = x0; col < x1; ++col) {
      uint32_t& p = frame.at(col, row);
      const uint32_t rb = (((p & 0xFF00FFu) * keep + crb) >> 8) & 0xFF00FFu;
      const uint32_t g = (((p & 0x00FF00u) * keep + cg) >> 8) & 0x00FF00u;
      p = kOpaque | rb | g;
    }
}

void DrawText(FrameBuffer& frame, const std::string& text, int x, int y, int scale, uint32_t color) {
  static constexpr int kQuadBytes = 64;                 // four vertices of 16 bytes
  std::vector<char> buffer(text.size() * 1024 + 1024);  // up to 16 quads a character
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  const int quads =
      stb_easy_font_print(0, 0, copy.data(), nullptr, buffer.data(), static_cast<int>(buffer.size()));
  for (int q = 0; q < quads; ++q) {
    float v[16];
    std::memcpy(v, buffer.data() + q * kQuadBytes, sizeof v);
    const int qx0 = static_cast<int>(v[0]), qy0 = static_cast<int>(v[1]);
    const int qx1 = static_cast<int>(v[8]), qy1 = static_cast<int>(v[9]);
    FillRect(frame, x + qx0 * scale, y + qy0 * scale, (qx1 - qx0) * scale, (qy1 - qy0) * scale, color);
  }
}

}  // namespace game

namespace game {

int TextWidth(const std::string& text) {
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  return stb_easy_font_width(copy.data());
}

namespace {

// Appends the words of one line of text, breaking before a word that would not fit.
void WrapLine(const std::string& line, int width, std::vector<std::string>& out) {
  std::string current;
  size_t at = 0;
  while (at < line.size()) {
    const size_t space = line.find(' ', at);
    std::string word = line.substr(at, space == std::string::npos ? std::string::npos : space - at);
    at = space == std::string::npos ? line.size() : space + 1;
    const std::string joined = current.empty() ? word : current + " " + word;
    if (TextWidth(joined) <= width) {
      current = joined;
      continue;
    }
    if (!current.empty()) out.push_back(current);
    while (word.size() > 1 && TextWidth(word) > width) {
      size_t fits = word.size() - 1;
      while (fits > 1 && TextWidth(word.substr(0, fits)) > width) --fits;
      out.push_back(word.substr(0, fits));
      word.erase(0, fits);
    }
    current = word;
  }
  out.push_back(current);
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    WrapLine(line, width, lines);
    start = end + 1;
  }
  return lines;
}

void DrawMessageScreen(FrameBuffer& frame, const std::string& title, const std::string& text) {
  std::fill(frame.pixels.begin(), frame.pixels.end(), Rgb(24, 18, 16));
  const int scale = ScreenScale(frame.width, frame.height);
  const int margin = 12 * scale;
  DrawText(frame, title, margin, margin, 2 * scale, Rgb(254, 208, 96));
  int y = margin + 3 * kTextLineHeight * scale;
  for (const std::string& line : WrapText(text, (frame.width - 2 * margin) / scale)) {
    DrawText(frame, line, margin, y, scale, Rgb(224, 212, 184));
    y += kTextLineHeight * scale;
  }
}

}  // namespace game
