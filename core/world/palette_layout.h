// The controls of the tool palette: kind, control number, position and text.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace world {

enum class PaletteControlKind { kFrame, kPictureButton, kArrowButton, kText };

// Which picture an arrow button shows.
enum class Arrow { kLeft, kRight, kUp, kDown };

struct PaletteControl {
  PaletteControlKind kind;
  int number;
  int x, y, width, height;
  std::string text;              // frames and texts
  std::optional<int> cell_code;  // picture buttons: the thing they show
  std::optional<Arrow> arrow;    // arrow buttons
};

constexpr int kDoorFrame = 372;
constexpr int kBlockXText = 388;
constexpr int kBlockYText = 389;

// Every control of the palette, frames first so that buttons lie above them.
const std::vector<PaletteControl>& PaletteLayout();

}  // namespace world
