#include "world/level.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"

namespace {

using testing_support::TempFolder;

TEST(CellCodes, BytesAndCodesOfTheCellTable) {
  EXPECT_EQ(world::CellByteOf(world::WallCode(1)), 16);
  EXPECT_EQ(world::CellByteOf(world::WallCode(40)), 55);
  EXPECT_EQ(world::CellByteOf(world::kDoorCode), '8');
  EXPECT_EQ(world::CellByteOf(world::kNextLevelDoorCode), '9');
  EXPECT_EQ(world::CellByteOf(world::kPlayerStartCode), '\\');
  EXPECT_EQ(world::CellByteOf(world::kFirstEnemyCode), 'h');
  EXPECT_EQ(world::CellByteOf(world::kLastTreasureCode), 'q');
  EXPECT_EQ(world::CellByteOf(world::kEmptyCode), 'x');
  EXPECT_EQ(world::CellCodeOf('x'), 120);
  EXPECT_EQ(world::CellCodeOf('W'), world::kHealthPackCode);
  EXPECT_EQ(world::CellCodeOf(0), -14);
  EXPECT_EQ(world::CellCodeOf(200), -56 - 14);  // read as a signed byte
  EXPECT_EQ(world::CellCodeOf(121), 121);
  EXPECT_FALSE(world::IsKnownCode(44));
}

TEST(LevelFile, NewWorldSavedAsLevelOne) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  world::LevelState level;
  world::MakeNewWorld(level);
  EXPECT_TRUE(level.unsaved_world);
  EXPECT_FALSE(level.unsaved_changes);
  EXPECT_EQ(level.current_level_number, "1");
  ASSERT_TRUE(world::SaveLevelFile(workspace, 1, level.grid));

  const auto bytes = *workspace.Read("game1");
  ASSERT_EQ(bytes.size(), 4224u);
  platform::Bytes border_line(64, 16);
  border_line.insert(border_line.end(), {13, 10});
  platform::Bytes inner_line(64, 120);
  inner_line.front() = inner_line.back() = 16;
  inner_line.insert(inner_line.end(), {13, 10});
  EXPECT_TRUE(std::equal(border_line.begin(), border_line.end(), bytes.begin()));
  EXPECT_TRUE(std::equal(inner_line.begin(), inner_line.end(), bytes.begin() + 66));
  EXPECT_TRUE(std::equal(border_line.begin(), border_line.end(), bytes.end() - 66));
}

TEST(LevelFile, RoundTripsThroughSaveAndLoad) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  world::LevelState saved;
  world::MakeNewWorld(saved);
  saved.grid.at(5, 7) = world::kPlayerStartByte;
  saved.grid.at(63, 63) = 'q';
  ASSERT_TRUE(world::SaveLevelFile(workspace, 20, saved.grid));

  platform::ScriptedPrompter prompter;
  world::LevelGrid loaded;
  ASSERT_TRUE(world::LoadLevelFile(workspace, 20, loaded, prompter));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 66; ++x) ASSERT_EQ(loaded.at(x, y), saved.grid.at(x, y)) << x << "," << y;
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(LevelFile, FilesOfAnyLengthLoad) {
  struct Case {
    size_t size;
  };
  for (const Case c : {Case{0}, Case{100}, Case{4224}, Case{10 * 1024 * 1024}}) {
    TempFolder home;
    home.Write("twksys/game3", platform::Bytes(c.size, 'A'));
    const platform::Workspace workspace(home.path());
    platform::ScriptedPrompter prompter;
    world::LevelGrid grid;
    grid.cells.fill(7);
    ASSERT_TRUE(world::LoadLevelFile(workspace, 3, grid, prompter)) << c.size;
    for (size_t offset = 0; offset < 4224; ++offset) {
      const int x = static_cast<int>(offset % 66), y = static_cast<int>(offset / 66);
      ASSERT_EQ(grid.at(x, y), offset < c.size ? 'A' : 0) << "size " << c.size << " offset " << offset;
    }
  }
}

TEST(LevelFile, MissingFileWarnsAndLeavesTheGrid) {
  TempFolder home;
  std::filesystem::create_directories(home / "twksys/game4");  // a folder of that name
  const platform::Workspace workspace(home.path());
  for (int level : {4, 5}) {
    platform::ScriptedPrompter prompter;
    world::LevelGrid grid;
    grid.cells.fill(9);
    EXPECT_FALSE(world::LoadLevelFile(workspace, level, grid, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], (platform::Message{"Level does not exist", "Warning"}));
    EXPECT_EQ(grid.at(0, 0), 9);
  }
}

TEST(Level, PlayerPlacedLooksAtAllSixtySixColumns) {
  world::LevelState level;
  world::MakeNewWorld(level);
  EXPECT_FALSE(world::PlayerPlaced(level.grid));
  level.grid.at(65, 10) = world::kPlayerStartByte;
  EXPECT_TRUE(world::PlayerPlaced(level.grid));
}

TEST(Level, SetCellCountsFromTheScrollPosition) {
  world::LevelState level;
  world::MakeNewWorld(level);
  world::ScrollPosition scroll{5, 90};  // the row is out of bounds and is brought back first
  ASSERT_TRUE(world::SetCell(level.grid, scroll, 24, 24, 1, 1, 'h'));
  EXPECT_EQ(scroll.row, 41);
  EXPECT_EQ(level.grid.at(4, 40), 'h');
  world::ScrollPosition far{41, 41};
  EXPECT_FALSE(world::SetCell(level.grid, far, 24, 24, 25, 1, 'h'));  // column 64: outside
}

}  // namespace
