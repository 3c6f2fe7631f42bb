// The user guide: one HTML page and pictures drawn from the generated
// content (the wall textures, the enemies, the sprites and the first level's
// map as the editor shows it).
#include "tools/starter/help_page.h"

#include <algorithm>
#include <map>
#include <string>

#include "assets/picture_scale.h"
#include "assets/slot_table.h"
#include "tools/starter/help_text.h"
#include "world/cell_codes.h"
#include "world/level_grid.h"
#include "world/map_thumbnails.h"

namespace starter {

namespace {

const Picture* FindSlot(const Content& content, const std::string& name) {
  for (const auto& slot : content.slots)
    if (slot.name == name) return &slot.picture;
  return nullptr;
}

// Pictures of the named slots in rows, `size` pixels each, on a dark ground.
Picture Grid(const Content& content, const std::vector<std::vector<std::string>>& rows, int size) {
  size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  const int step = size + 4;
  Picture sheet(static_cast<int>(columns) * step + 4, static_cast<int>(rows.size()) * step + 4,
                Hex(0x2a2a30));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      if (const Picture* p = FindSlot(content, rows[r][c]))
        Paste(sheet, assets::Scaled(*p, size, size), 4 + static_cast<int>(c) * step,
              4 + static_cast<int>(r) * step);
  return sheet;
}

// The names of the slots of `kind` numbered `first` to `last`.
std::vector<std::string> Names(assets::SlotKind kind, int first, int last) {
  std::vector<std::string> names;
  for (int n = first; n <= last; ++n) names.push_back(assets::FindSlotOf(kind, n)->name);
  return names;
}
// The names of the parts `first` to `last` of slot `number` of `kind`.
std::vector<std::string> Parts(assets::SlotKind kind, int number, int first, int last) {
  std::vector<std::string> names;
  for (int part = first; part <= last; ++part) names.push_back(assets::FindSlotOf(kind, number, part)->name);
  return names;
}

// The slot whose thumbnail the map shows for a cell code (the door of level 1).
std::string SlotOfCode(int code) {
  const assets::Slot* slot = world::SlotOfCode(code, 1);
  return slot ? slot->name : "";
}

// A level drawn cell by cell with the thumbnails, as on the map view.
Picture LevelMap(const Content& content, const std::string& name) {
  const auto level = std::find_if(content.files.begin(), content.files.end(),
                                  [&name](const auto& f) { return f.name == name; });
  if (level == content.files.end()) return Picture(1, 1);
  constexpr int kCell = 14;
  const auto at = [&](int x, int y) {
    return world::CellCodeOf(level->bytes[static_cast<size_t>(y * world::kRowBytes + x)]);
  };
  // Show the part of the grid that holds more than rock.
  int max_x = 0, max_y = 0;
  for (int y = 0; y < world::kLevelSize; ++y)
    for (int x = 0; x < world::kLevelSize; ++x)
      if (at(x, y) > world::kLastWallCode) max_x = std::max(max_x, x), max_y = std::max(max_y, y);
  const int columns = std::min(world::kLevelSize, max_x + 3), rows = std::min(world::kLevelSize, max_y + 3);
  Picture map(columns * kCell, rows * kCell, Hex(0x101014));
  std::map<std::string, Picture> thumbnails;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const int code = at(x, y);
      if (code == world::kPlayerStartCode) {
        FillCircle(map, x * kCell + kCell / 2.0, y * kCell + kCell / 2.0, kCell / 2.0 - 1, Hex(0x30c0f0));
        continue;
      }
      const std::string slot = SlotOfCode(code);
      const Picture* p = slot.empty() ? nullptr : FindSlot(content, slot);
      if (!p) continue;
      auto found = thumbnails.find(slot);
      if (found == thumbnails.end()) found = thumbnails.emplace(slot, assets::Scaled(*p, kCell, kCell)).first;
      Paste(map, found->second, x * kCell, y * kCell);
    }
  return map;
}

}  // namespace

std::vector<HelpFile> HelpFiles(const Content& content) {
  std::vector<HelpFile> files;
  const std::string page = HelpPageText();
  files.push_back({"index.htm", platform::Bytes(page.begin(), page.end())});
  using enum assets::SlotKind;
  files.push_back({"walls.png", EncodePng(Grid(content,
                                               {Names(kWallTexture, 1, 10), Names(kWallTexture, 11, 20),
                                                Names(kWallTexture, 21, 30), Names(kWallTexture, 31, 40)},
                                               48))});
  files.push_back({"floors.png", EncodePng(Grid(content,
                                                {Names(kFloorTexture, 1, 10), Names(kFloorTexture, 11, 20),
                                                 Names(kCeilingTexture, 1, 10), Names(kDoorTexture, 1, 10)},
                                                48))});
  std::vector<std::vector<std::string>> enemies;
  for (int e = 1; e <= 5; ++e) enemies.push_back(Parts(kEnemyFrame, e, 0, 10));
  files.push_back({"enemies.png", EncodePng(Grid(content, enemies, 64))});
  std::vector<std::vector<std::string>> sprites = {Names(kSprite, 1, 10)};
  for (int j = 0; j < 4; ++j) {
    sprites.emplace_back();
    for (int s = 1; s <= 10; ++s) sprites.back().push_back(assets::FindSlotOf(kSpriteView, s, j)->name);
  }
  files.push_back({"sprites.png", EncodePng(Grid(content, sprites, 48))});
  std::vector<std::string> items = {assets::FindSlotOf(kHealthPack)->name, assets::FindSlotOf(kAmmoPack)->name,
                                    assets::FindSlotOf(kKey)->name};
  for (const auto& n : Names(kTreasure, 1, 5)) items.push_back(n);
  files.push_back({"items.png", EncodePng(Grid(content, {items, Names(kWeapon, 1, 6)}, 48))});
  for (const char* level : {"game1", "game2", "game3"})
    files.push_back({std::string("level") + (level + 4) + ".png", EncodePng(LevelMap(content, level))});
  for (const auto& screen : content.screens)
    if (screen.name == "menu1" || screen.name == "introscreen")
      files.push_back({screen.name + ".png", EncodePng(screen.picture)});
  return files;
}

}  // namespace starter
