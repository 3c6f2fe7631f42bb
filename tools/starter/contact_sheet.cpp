// Every generated picture tiled into one sheet, to look at the art at once.
#include <algorithm>

#include "tools/starter/help_page.h"

namespace starter {

Picture ContactSheet(const Content& content) {
  constexpr int kColumns = 20, kCell = 66, kScreenColumns = 3;
  const int slot_rows = (static_cast<int>(content.slots.size()) + kColumns - 1) / kColumns;
  int screen_height = 0, x = 0, row_height = 0;
  for (const auto& screen : content.screens) {
    if (screen.picture.width > 64 && x >= kScreenColumns) {
      x = 0;
      screen_height += row_height + 4;
      row_height = 0;
    }
    row_height = std::max(row_height, std::min(screen.picture.height, 260));
    ++x;
  }
  screen_height += row_height + 40;
  Picture sheet(std::max(kColumns * kCell, 1100), slot_rows * kCell + 8 + screen_height + 400, Hex(0x808080));
  for (size_t i = 0; i < content.slots.size(); ++i)
    Paste(sheet, content.slots[i].picture, static_cast<int>(i % kColumns) * kCell + 1,
          static_cast<int>(i / kColumns) * kCell + 1);
  int px = 0, py = slot_rows * kCell + 8;
  row_height = 0;
  for (const auto& screen : content.screens) {
    if (px + screen.picture.width > sheet.width) {
      px = 0;
      py += row_height + 4;
      row_height = 0;
    }
    Paste(sheet, screen.picture, px, py);
    px += screen.picture.width + 4;
    row_height = std::max(row_height, screen.picture.height);
  }
  return sheet;
}

}  // namespace starter
