// The level rules of the checker on small hand-drawn levels: each case
// lists the lines the checker gives, in order.
#include "world/level_problems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/drawn_level.h"
#include "world/cell_codes.h"

namespace {

using namespace world;
using testing_support::DrawnLevel;

std::vector<std::string> Lines(const LevelGrid& grid, const LevelCheck& check) {
  std::vector<std::string> lines;
  for (const Problem& problem : CheckLevelGrid(grid, check)) lines.push_back(ProblemLine(problem));
  return lines;
}

struct Case {
  const char* name;
  std::vector<std::string> art;
  std::vector<std::string> expected;
  LevelCheck check = {};
};

SpriteBlocking OnlySprite2Blocks() {
  SpriteBlocking blocking{};
  blocking[1] = true;
  return blocking;
}

const Case kCases[] = {
    {"closed level with its way out", {"#####", "#P E#", "#####"}, {}},
    {"open border cells and a door on the border",
     {"## D#h", "#P E#", "#####"},
     {"game1:3:1: error: open border cell", "game1:4:1: error: door on the border",
      "game1:6:1: error: health pack on the border"}},
    {"player start on the border still starts the level",
     {"#P###", "#  E#", "#####"},
     {"game1:2:1: error: player start on the border"}},
    {"next-level door on the border passes validation",
     {"###E#", "#P  #", "#####"},
     {"game1:4:1: warning: next-level door on the border"}},
    {"no player start", {"#####", "#  E#", "#####"}, {"game1: error: no player start"}},
    {"two player starts, the game takes the first row by row",
     {"######", "#   P#", "#P  E#", "######"},
     {"game1:5:2: warning: one of 2 player starts: the game starts here",
      "game1:2:3: warning: one of 2 player starts: the game starts at 5:2"}},
    {"through doors, enemies and items", {"#########", "#PDehwD E#", "##########"}, {}},
    {"next-level door walled off",
     {"######", "#P #E#", "######"},
     {"game1:5:2: warning: the next-level door cannot be reached from the player start"}},
    {"a solid sprite blocks the corridor",
     {"########", "#P s  E#", "########"},
     {"game1:7:2: warning: the next-level door cannot be reached from the player start"},
     {.blocking = OnlySprite2Blocks()}},
    {"a sprite without collision does not",
     {"########", "#P S  E#", "########"},
     {},
     {.blocking = OnlySprite2Blocks()}},
    {"the door is used across a sprite before it",
     {"######", "#P sE#", "######"},
     {},
     {.blocking = OnlySprite2Blocks()}},
    {"the door is used from a corner", {"####", "#P##", "##E#", "####"}, {}},
    {"the body does not pass between corners",
     {"#####", "#P###", "## ##", "###E#", "#####"},
     {"game1:4:4: warning: the next-level door cannot be reached from the player start"}},
    {"the key that opens the next-level door is walled off",
     {"#######", "#P E#K#", "#######"},
     {"game1:6:2: warning: the key cannot be reached from the player start, and the next-level door opens "
      "only "
      "with it"}},
    {"one key in reach is enough", {"#######", "#PKE#K#", "#######"}, {}},
    {"no next-level door before the last level",
     {"####", "#P #", "####"},
     {"game3: warning: no next-level door: level 4 cannot be reached"},
     {.level = 3}},
    {"the last level needs none", {"####", "#P #", "####"}, {}, {.level = 3, .last = true}},
};

TEST(LevelProblems, EachRuleOnAHandDrawnLevel) {
  for (const Case& c : kCases) EXPECT_EQ(Lines(DrawnLevel(c.art), c.check), c.expected) << c.name;
}

TEST(LevelProblems, EveryOpenBorderCellIsAProblemOfItsOwn) {
  LevelGrid grid = DrawnLevel({"#####", "#P E#", "#####"});
  for (int row = 10; row < 13; ++row) grid.at(kLevelSize - 1, row) = kEmptyByte;
  grid.at(20, kLevelSize - 1) = 0;  // a byte past the end of a short file
  std::vector<GridCell> cells;
  for (const Problem& problem : CheckLevelGrid(grid, {})) {
    EXPECT_EQ(problem.rule, "open-border");
    EXPECT_EQ(problem.severity, Severity::kError);
    cells.push_back(*problem.cell);
  }
  EXPECT_EQ(cells, (std::vector<GridCell>{{63, 10}, {63, 11}, {63, 12}, {20, 63}}));
}

}  // namespace
