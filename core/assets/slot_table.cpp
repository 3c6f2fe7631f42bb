#include "assets/slot_table.h"

#include <array>

namespace assets {

namespace {

// A run of consecutive picture numbers whose tiles go down one column.
struct TileColumn {
  int first, last, x;
};

constexpr std::array<TileColumn, 15> kTileColumns = {{
    {1000, 1019, 0},    // tex1-20
    {1020, 1039, 25},   // tex21-40
    {2000, 2019, 300},  // floortex
    {2020, 2039, 325},  // ceiltex
    {3000, 3019, 350},  // doortex
    {27, 30, 50},       // food, ammo, key
    {24, 24, 75},       // specialdoor
    {45, 55, 125},      // sprite1-10
    {67, 77, 150},      // enemy 1
    {89, 99, 175},      // enemy 2
    {111, 121, 200},    // enemy 3
    {133, 143, 225},    // enemy 4
    {155, 165, 250},    // enemy 5
    {200, 205, 375},    // weapons
    {300, 304, 500},    // treasures
}};

constexpr int kSpriteViewsFirst = 4000, kSpriteViewsLast = 4039;

class TableBuilder {
 public:
  std::vector<Slot> slots;

  void Add(std::string name, int picture, bool keyed) {
    slots.push_back({std::move(name), picture, *SheetTile(picture), keyed});
  }
  void AddNumbered(const std::string& prefix, const std::string& suffix, int count, int first_picture,
                   bool keyed) {
    for (int n = 1; n <= count; ++n) Add(prefix + std::to_string(n) + suffix, first_picture + n - 1, keyed);
  }
  void AddEnemyFrames() {
    struct Kind {
      const char* name;
      int frames;
    };
    constexpr Kind kinds[] = {{"walk", 4}, {"shoot", 2}, {"die", 5}};
    for (int enemy = 1; enemy <= 5; ++enemy) {
      int picture = 67 + 22 * (enemy - 1);
      for (const auto& kind : kinds)
        for (int frame = 1; frame <= kind.frames; ++frame)
          Add(std::string(kind.name) + "_ene" + std::to_string(enemy) + "_" + std::to_string(frame),
              picture++, true);
    }
  }
  void AddSpriteViews() {
    for (int sprite = 1; sprite <= 10; ++sprite)
      for (int view = 0; view < 4; ++view)
        Add("sprite" + std::to_string(sprite) + static_cast<char>('b' + view),
            kSpriteViewsFirst + 4 * (sprite - 1) + view, true);
  }
};

std::vector<Slot> MakeTable() {
  TableBuilder t;
  t.Add("specialdoor", 24, false);
  t.Add("key", 30, true);
  t.AddNumbered("sprite", "", 10, 45, true);
  t.AddEnemyFrames();
  t.AddNumbered("tex", "", 40, 1000, false);
  t.AddNumbered("floortex", "", 20, 2000, false);
  t.AddNumbered("ceiltex", "", 20, 2020, false);
  t.AddNumbered("doortex", "", 20, 3000, false);
  t.AddSpriteViews();
  t.AddNumbered("Treasure", "sprite", 5, 300, true);
  t.AddNumbered("weapon", "sprite", 6, 200, true);
  t.Add("ammo", 29, true);
  t.Add("food", 28, true);
  return std::move(t.slots);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

const std::vector<Slot>& SlotTable() {
  static const std::vector<Slot> table = MakeTable();
  return table;
}

const Slot* FindSlot(std::string_view name) {
  for (const auto& slot : SlotTable())
    if (EqualNoCase(slot.name, name)) return &slot;
  return nullptr;
}

const Slot* FindSlotByPicture(int picture) {
  for (const auto& slot : SlotTable())
    if (slot.picture == picture) return &slot;
  return nullptr;
}

std::optional<TilePosition> SheetTile(int picture) {
  for (const auto& column : kTileColumns)
    if (picture >= column.first && picture <= column.last)
      return TilePosition{column.x, kTileSize * (picture - column.first)};
  if (picture >= kSpriteViewsFirst && picture <= kSpriteViewsLast) {
    const int index = picture - kSpriteViewsFirst;
    return TilePosition{400 + kTileSize * (index % 4), kTileSize * (index / 4)};
  }
  return std::nullopt;
}

}  // namespace assets
