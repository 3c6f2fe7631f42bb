// The table of picture slots and the tiles of the icon sheet.
#include "assets/slot_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using assets::SheetTile;
using assets::SlotTable;
using assets::TilePosition;

TEST(SlotTable, HasEveryNameAndNumberOnceWithTheirTiles) {
  const auto& table = SlotTable();
  ASSERT_EQ(table.size(), static_cast<size_t>(assets::kSlotCount));
  std::set<std::string> names;
  std::set<int> numbers;
  for (const auto& slot : table) {
    EXPECT_TRUE(names.insert(slot.name).second) << slot.name;
    EXPECT_TRUE(numbers.insert(slot.picture).second) << slot.name;
    EXPECT_EQ(SheetTile(slot.picture), slot.tile) << slot.name;
  }
}

TEST(SlotTable, TilesLieInsideTheSheetAndNeverOverlap) {
  std::set<std::pair<int, int>> cells;
  for (const auto& slot : SlotTable()) {
    const TilePosition t = slot.tile;
    EXPECT_EQ(t.x % assets::kTileSize, 0) << slot.name;
    EXPECT_EQ(t.y % assets::kTileSize, 0) << slot.name;
    EXPECT_GE(t.x, 0);
    EXPECT_GE(t.y, 0);
    EXPECT_LE(t.x + assets::kTileSize, assets::kSheetSize) << slot.name;
    EXPECT_LE(t.y + assets::kTileSize, assets::kSheetSize) << slot.name;
    EXPECT_TRUE(cells.insert({t.x, t.y}).second) << slot.name << " shares its tile";
  }
}

TEST(SlotTable, SlotsHaveTheirNumbersTilesAndKeying) {
  struct Case {
    const char* name;
    int picture;
    TilePosition tile;
    bool keyed;
  };
  const Case cases[] = {
      {"tex1", 1000, {0, 0}, false},
      {"tex20", 1019, {0, 475}, false},
      {"tex21", 1020, {25, 0}, false},
      {"tex40", 1039, {25, 475}, false},
      {"floortex3", 2002, {300, 50}, false},
      {"ceiltex20", 2039, {325, 475}, false},
      {"doortex1", 3000, {350, 0}, false},
      {"specialdoor", 24, {75, 0}, false},
      {"food", 28, {50, 25}, true},
      {"ammo", 29, {50, 50}, true},
      {"key", 30, {50, 75}, true},
      {"sprite1", 45, {125, 0}, true},
      {"sprite10", 54, {125, 225}, true},
      {"sprite1b", 4000, {400, 0}, true},
      {"sprite2d", 4006, {450, 25}, true},
      {"sprite10e", 4039, {475, 225}, true},
      {"walk_ene1_1", 67, {150, 0}, true},
      {"shoot_ene3_2", 116, {200, 125}, true},
      {"die_ene4_3", 141, {225, 200}, true},
      {"die_ene5_5", 165, {250, 250}, true},
      {"weapon6sprite", 205, {375, 125}, true},
      {"Treasure1sprite", 300, {500, 0}, true},
      {"Treasure5sprite", 304, {500, 100}, true},
  };
  for (const auto& c : cases) {
    const assets::Slot* slot = assets::FindSlot(c.name);
    ASSERT_NE(slot, nullptr) << c.name;
    EXPECT_EQ(slot->name, c.name);
    EXPECT_EQ(slot->picture, c.picture) << c.name;
    EXPECT_EQ(slot->tile, c.tile) << c.name;
    EXPECT_EQ(slot->keyed, c.keyed) << c.name;
    EXPECT_EQ(assets::FindSlotByPicture(c.picture), slot) << c.name;
  }
}

TEST(SlotTable, NamesAreFoundWithoutRegardToCase) {
  ASSERT_NE(assets::FindSlot("treasure1sprite"), nullptr);
  EXPECT_EQ(assets::FindSlot("treasure1sprite")->name, "Treasure1sprite");
  EXPECT_EQ(assets::FindSlot("tex41"), nullptr);
  EXPECT_EQ(assets::FindSlot(""), nullptr);
}

TEST(SlotTable, RebuildOrderRunsFromSpecialdoorToFood) {
  std::vector<std::string> names;
  for (const auto& slot : SlotTable()) names.push_back(slot.name);
  const auto at = [&](const std::string& name) {
    return std::find(names.begin(), names.end(), name) - names.begin();
  };
  EXPECT_EQ(names.front(), "specialdoor");
  EXPECT_EQ(names[1], "key");
  EXPECT_EQ(names[2], "sprite1");
  EXPECT_EQ(names[12], "walk_ene1_1");
  EXPECT_EQ(names[16], "shoot_ene1_1");
  EXPECT_EQ(names[18], "die_ene1_1");
  EXPECT_EQ(names[23], "walk_ene2_1");
  EXPECT_EQ(names[67], "tex1");
  EXPECT_LT(at("doortex20"), at("sprite1b"));
  EXPECT_EQ(at("sprite1c"), at("sprite1b") + 1);
  EXPECT_EQ(at("sprite2b"), at("sprite1e") + 1);
  EXPECT_LT(at("sprite10e"), at("Treasure1sprite"));
  EXPECT_LT(at("Treasure5sprite"), at("weapon1sprite"));
  EXPECT_EQ(names[names.size() - 2], "ammo");
  EXPECT_EQ(names.back(), "food");
}

TEST(SheetTile, CoversTheSpareNumbersAndNothingElse) {
  EXPECT_EQ(SheetTile(27), (TilePosition{50, 0}));
  EXPECT_EQ(SheetTile(55), (TilePosition{125, 250}));
  EXPECT_EQ(assets::FindSlotByPicture(27), nullptr);
  EXPECT_EQ(assets::FindSlotByPicture(55), nullptr);
  for (int number : {0, 23, 25, 31, 66, 78, 166, 206, 305, 999, 1040, 2040, 3020, 3999, 4040})
    EXPECT_FALSE(SheetTile(number).has_value()) << number;
}

}  // namespace
