#include "assets/slot_table.h"

namespace assets {

namespace {

using enum SlotKind;

// A run of slots of one kind with consecutive picture numbers, their tiles
// one after another down a column (or along a row). The slots of a run are
// numbered from `number` on, or, for the runs of parts, all carry `number`
// and the parts 0, 1, ...
struct SlotRun {
  SlotKind kind;
  int number;
  bool parts;
  int count;
  int first_picture;
  TilePosition first_tile;
  bool along_row;
  bool keyed;
};

// In the order in which the icon sheet is rebuilt.
constexpr SlotRun kRuns[] = {
    {kSpecialDoor, 1, false, 1, 24, {75, 0}, false, false},
    {kKey, 1, false, 1, 30, {50, 75}, false, true},
    {kSprite, 1, false, 10, 45, {125, 0}, false, true},
    {kEnemyFrame, 1, true, 11, 67, {150, 0}, false, true},
    {kEnemyFrame, 2, true, 11, 89, {175, 0}, false, true},
    {kEnemyFrame, 3, true, 11, 111, {200, 0}, false, true},
    {kEnemyFrame, 4, true, 11, 133, {225, 0}, false, true},
    {kEnemyFrame, 5, true, 11, 155, {250, 0}, false, true},
    {kWallTexture, 1, false, 20, 1000, {0, 0}, false, false},
    {kWallTexture, 21, false, 20, 1020, {25, 0}, false, false},
    {kFloorTexture, 1, false, 20, 2000, {300, 0}, false, false},
    {kCeilingTexture, 1, false, 20, 2020, {325, 0}, false, false},
    {kDoorTexture, 1, false, 20, 3000, {350, 0}, false, false},
    {kSpriteView, 1, true, 4, 4000, {400, 0}, true, true},
    {kSpriteView, 2, true, 4, 4004, {400, 25}, true, true},
    {kSpriteView, 3, true, 4, 4008, {400, 50}, true, true},
    {kSpriteView, 4, true, 4, 4012, {400, 75}, true, true},
    {kSpriteView, 5, true, 4, 4016, {400, 100}, true, true},
    {kSpriteView, 6, true, 4, 4020, {400, 125}, true, true},
    {kSpriteView, 7, true, 4, 4024, {400, 150}, true, true},
    {kSpriteView, 8, true, 4, 4028, {400, 175}, true, true},
    {kSpriteView, 9, true, 4, 4032, {400, 200}, true, true},
    {kSpriteView, 10, true, 4, 4036, {400, 225}, true, true},
    {kTreasure, 1, false, 5, 300, {500, 0}, false, true},
    {kWeapon, 1, false, 6, 200, {375, 0}, false, true},
    {kAmmoPack, 1, false, 1, 29, {50, 50}, false, true},
    {kHealthPack, 1, false, 1, 28, {50, 25}, false, true},
};

// Picture numbers with a tile but no slot: above the health pack and below
// sprite 10.
struct SpareTile {
  int picture;
  TilePosition tile;
};
constexpr SpareTile kSpareTiles[] = {{27, {50, 0}}, {55, {125, 250}}};

// Enemy frames 0 to 10: walk 1 to 4, shoot 1 and 2, die 1 to 5.
std::string EnemyFrameName(int enemy, int frame) {
  const auto [kind, first] = frame < 4   ? std::pair{"walk", 0}
                             : frame < 6 ? std::pair{"shoot", 4}
                                         : std::pair{"die", 6};
  return std::string(kind) + "_ene" + std::to_string(enemy) + "_" + std::to_string(frame - first + 1);
}

std::string SlotName(SlotKind kind, int number, int part) {
  const std::string n = std::to_string(number);
  switch (kind) {
    case kSpecialDoor:
      return "specialdoor";
    case kKey:
      return "key";
    case kSprite:
      return "sprite" + n;
    case kEnemyFrame:
      return EnemyFrameName(number, part);
    case kWallTexture:
      return "tex" + n;
    case kFloorTexture:
      return "floortex" + n;
    case kCeilingTexture:
      return "ceiltex" + n;
    case kDoorTexture:
      return "doortex" + n;
    case kSpriteView:
      return "sprite" + n + static_cast<char>('b' + part);
    case kTreasure:
      return "Treasure" + n + "sprite";
    case kWeapon:
      return "weapon" + n + "sprite";
    case kAmmoPack:
      return "ammo";
    case kHealthPack:
      return "food";
  }
  return {};
}

TilePosition TileInRun(const SlotRun& run, int index) {
  const int step = kTileSize * index;
  return run.along_row ? TilePosition{run.first_tile.x + step, run.first_tile.y}
                       : TilePosition{run.first_tile.x, run.first_tile.y + step};
}

std::vector<Slot> MakeTable() {
  std::vector<Slot> slots;
  slots.reserve(kSlotCount);
  for (const SlotRun& run : kRuns)
    for (int i = 0; i < run.count; ++i) {
      const int number = run.parts ? run.number : run.number + i;
      const int part = run.parts ? i : 0;
      slots.push_back({SlotName(run.kind, number, part), run.first_picture + i, TileInRun(run, i), run.keyed,
                       run.kind, number, part});
    }
  return slots;
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

const Slot* FindSlotOf(SlotKind kind, int number, int part) {
  for (const auto& slot : SlotTable())
    if (slot.kind == kind && slot.number == number && slot.part == part) return &slot;
  return nullptr;
}

std::optional<TilePosition> SheetTile(int picture) {
  for (const SlotRun& run : kRuns)
    if (picture >= run.first_picture && picture < run.first_picture + run.count)
      return TileInRun(run, picture - run.first_picture);
  for (const SpareTile& spare : kSpareTiles)
    if (picture == spare.picture) return spare.tile;
  return std::nullopt;
}

}  // namespace assets
