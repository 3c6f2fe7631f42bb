#include "world/map_picture.h"

#include <gtest/gtest.h>

#include "world/cell_codes.h"
#include "world/map_geometry.h"

using namespace world;

namespace {

// A sheet whose tile at (x, y) is coloured (x / 25, y / 25, 200).
assets::Picture Sheet() {
  assets::Picture sheet(550, 550);
  for (int y = 0; y < 550; ++y)
    for (int x = 0; x < 550; ++x)
      sheet.set(x, y, {static_cast<uint8_t>(x / 25), static_cast<uint8_t>(y / 25), 200});
  return sheet;
}

assets::Rgb TileColour(int x, int y) {
  return {static_cast<uint8_t>(x / 25), static_cast<uint8_t>(y / 25), 200};
}

const assets::Picture kPlayer(25, 25, {1, 2, 3});

}  // namespace

TEST(MapThumbnails, EveryThingComesFromItsTile) {
  const MapThumbnails t = BuildMapThumbnails(Sheet(), 3, kPlayer);
  struct Case {
    int code;
    int x, y;
  };
  const Case cases[] = {{2, 0, 0},    {21, 0, 475},  {22, 25, 0},    {41, 25, 475}, {42, 350, 50},
                        {43, 75, 0},  {50, 125, 0},  {59, 125, 225}, {67, 375, 0},  {72, 375, 125},
                        {73, 50, 25}, {74, 50, 50},  {75, 50, 75},   {90, 150, 0},  {94, 250, 0},
                        {95, 500, 0}, {99, 500, 100}};
  for (const Case& c : cases) {
    ASSERT_NE(t.Of(c.code), nullptr) << c.code;
    EXPECT_EQ(t.Of(c.code)->at(0, 0), TileColour(c.x, c.y)) << c.code;
    EXPECT_EQ(t.Of(c.code)->at(24, 24), TileColour(c.x, c.y)) << c.code;
  }
  EXPECT_EQ(t.Of(kPlayerStartCode)->at(5, 5), (assets::Rgb{1, 2, 3}));
  EXPECT_EQ(t.Of(kEmptyCode)->at(5, 5), kBackgroundColour);
  for (int code : {-14, 0, 1, 44, 49, 60, 66, 76, 77, 79, 89, 100, 119, 121})
    EXPECT_EQ(t.Of(code), nullptr) << code;
}

TEST(MapThumbnails, DoorOfALevelWithoutATileIsBlack) {
  for (int level : {0, -3, 23, 1000}) {
    const MapThumbnails t = BuildMapThumbnails(Sheet(), level, kPlayer);
    ASSERT_NE(t.Of(kDoorCode), nullptr);
    EXPECT_EQ(t.Of(kDoorCode)->at(3, 3), (assets::Rgb{0, 0, 0})) << level;
  }
  // A small sheet gives black where it ends.
  const assets::Picture tile = CutTile(assets::Picture(30, 30, {9, 9, 9}), {10, 10});
  EXPECT_EQ(tile.at(19, 19), (assets::Rgb{9, 9, 9}));
  EXPECT_EQ(tile.at(20, 19), (assets::Rgb{0, 0, 0}));
}

TEST(MapPicture, RedrawDrawsTheVisibleCellsAndLeavesTheStripsRedWhereTheGridEnds) {
  LevelState level;
  MakeNewWorld(level);
  level.grid.at(1, 1) = CellByteOf(kKeyCode);
  level.grid.at(2, 1) = 0;    // not a thing: drawn as nothing
  level.grid.at(3, 1) = 200;  // nor this
  const MapThumbnails t = BuildMapThumbnails(Sheet(), 1, kPlayer);
  assets::Picture map(600, 620);
  ScrollPosition scroll{1, 1};
  RedrawMap(level.grid, scroll, t, map);
  EXPECT_EQ(map.at(0, 0), TileColour(0, 0));      // border wall
  EXPECT_EQ(map.at(30, 30), TileColour(50, 75));  // key
  EXPECT_EQ(map.at(55, 30), kBackgroundColour);   // unknown byte: background shows
  EXPECT_EQ(map.at(80, 30), kBackgroundColour);
  EXPECT_EQ(map.at(599, 610), kBackgroundColour);  // cell (24, 24) covers the strips

  scroll = {100, 100};  // brought into bounds: 41, 41
  RedrawMap(level.grid, scroll, t, map);
  EXPECT_EQ(scroll.column, 41);
  EXPECT_EQ(scroll.row, 41);
  EXPECT_EQ(map.at(300, 605), kEdgeColour);
  EXPECT_EQ(map.at(575, 300), TileColour(0, 0));  // the border wall of column 64
  EXPECT_EQ(map.at(550, 300), kBackgroundColour);

  scroll = {-5, 0};
  RedrawMap(level.grid, scroll, t, map);
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(scroll.row, 1);
}

TEST(MapPicture, WholeLevelFitsTheLargestMap) {
  LevelState level;
  MakeNewWorld(level);
  level.grid.at(63, 63) = CellByteOf(kKeyCode);
  const MapThumbnails t = BuildMapThumbnails(Sheet(), 1, kPlayer);
  assets::Picture map(1600, 1620);
  ScrollPosition scroll{1, 1};
  RedrawMap(level.grid, scroll, t, map);
  EXPECT_EQ(map.at(63 * 25 + 1, 63 * 25 + 1), TileColour(50, 75));
  EXPECT_EQ(map.at(10, 1610), kEdgeColour);
}

TEST(MapPicture, DrawTileClipsAtTheEdges) {
  assets::Picture map(40, 30, {7, 7, 7});
  const assets::Picture tile(25, 25, {1, 1, 1});
  DrawTile(map, 30, 20, tile);
  DrawTile(map, -20, -20, tile);
  DrawTile(map, 100, 100, tile);
  EXPECT_EQ(map.at(39, 29), (assets::Rgb{1, 1, 1}));
  EXPECT_EQ(map.at(29, 29), (assets::Rgb{7, 7, 7}));
  EXPECT_EQ(map.at(4, 4), (assets::Rgb{1, 1, 1}));
  EXPECT_EQ(map.at(5, 5), (assets::Rgb{7, 7, 7}));
}

TEST(MapPicture, AtTheSmallestAndLargestZoomCellsAndStripsLieWhereTheCellSizeSays) {
  LevelState level;
  MakeNewWorld(level);
  level.grid.at(1, 1) = CellByteOf(kKeyCode);
  const MapThumbnails t = BuildMapThumbnails(Sheet(), 1, kPlayer);
  assets::Picture map(600, 620);

  const MapThumbnails small = ScaledThumbnails(t, kMinCellPixels);
  ScrollPosition scroll{30, 30};  // the whole level fits: back to 1, 1
  RedrawMap(level.grid, scroll, small, map, kMinCellPixels);
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(scroll.row, 1);
  EXPECT_EQ(map.at(7, 7), TileColour(50, 75));         // key
  EXPECT_EQ(map.at(63 * 5 + 2, 2), TileColour(0, 0));  // the border wall of column 64
  EXPECT_EQ(map.at(400, 100), kBackgroundColour);      // past the grid
  EXPECT_EQ(map.at(597, 100), kEdgeColour);            // the strips are one cell wide
  EXPECT_EQ(map.at(100, 617), kEdgeColour);
  EXPECT_EQ(map.at(594, 100), kBackgroundColour);

  const MapThumbnails large = ScaledThumbnails(t, kMaxCellPixels);
  scroll = {60, 60};  // 12 x 12 cells visible: brought back to 53, 53
  RedrawMap(level.grid, scroll, large, map, kMaxCellPixels);
  EXPECT_EQ(scroll.column, 53);
  EXPECT_EQ(scroll.row, 53);
  EXPECT_EQ(map.at(575, 300), TileColour(0, 0));  // column 64 is the last one drawn
  EXPECT_EQ(map.at(525, 300), kBackgroundColour);
  EXPECT_EQ(map.at(300, 610), kEdgeColour);  // below the twelfth row

  // One changed cell is drawn where it lies; cells out of view are not drawn.
  level.grid.at(60, 55) = CellByteOf(kKeyCode);
  EXPECT_TRUE(RedrawCell(level.grid, scroll, large, map, {60, 55}, kMaxCellPixels));
  EXPECT_EQ(map.at(8 * 50 + 1, 3 * 50 + 49), TileColour(50, 75));
  const assets::Picture unchanged = map;
  level.grid.at(10, 10) = CellByteOf(kKeyCode);
  EXPECT_FALSE(RedrawCell(level.grid, scroll, large, map, {10, 10}, kMaxCellPixels));
  EXPECT_FALSE(RedrawCell(level.grid, scroll, large, map, {64, 60}, kMaxCellPixels));
  EXPECT_EQ(map.pixels, unchanged.pixels);
}
