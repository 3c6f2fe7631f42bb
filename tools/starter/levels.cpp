// The sample levels: three hand-drawn maps and seventeen plain arenas, so
// that every level file of the workspace exists.
#include <map>
#include <string>
#include <vector>

#include "tools/starter/content.h"
#include "world/cell_codes.h"
#include "world/level.h"

namespace starter {

namespace {

using Legend = std::map<char, int>;  // map character to cell code

// Characters every map shares.
Legend BaseLegend() {
  using namespace world;
  Legend legend = {
      {' ', kEmptyCode},
      {'P', kPlayerStartCode},
      {'D', kDoorCode},
      {'E', kNextLevelDoorCode},
      {'K', kKeyCode},
      {'+', kHealthPackCode},
      {'*', kAmmunitionPackCode},
      {'B', kFirstSpriteCode},      // barrel
      {'L', kFirstSpriteCode + 1},  // floor lamp
      {'O', kFirstSpriteCode + 2},  // pillar
      {'Y', kFirstSpriteCode + 3},  // plant
      {'T', kFirstSpriteCode + 4},  // table
      {'C', kFirstSpriteCode + 5},  // crate
      {'M', kFirstSpriteCode + 6},  // suit of armour
      {'H', kFirstSpriteCode + 7},  // chandelier
      {'F', kFirstSpriteCode + 8},  // brazier
      {'N', kFirstSpriteCode + 9},  // banner
      {'i', kFirstWeaponCode},
      {'g', kFirstWeaponCode + 1},
      {'m', kFirstWeaponCode + 2},
      {'r', kFirstWeaponCode + 3},
      {'n', kFirstWeaponCode + 4},
      {'u', kFirstWeaponCode + 5},
      {'a', kFirstTreasureCode},
      {'b', kFirstTreasureCode + 1},
      {'c', kFirstTreasureCode + 2},
      {'d', kFirstTreasureCode + 3},
      {'e', kFirstTreasureCode + 4},
  };
  for (int e = 1; e <= 5; ++e) legend['0' + e] = kFirstEnemyCode + e - 1;
  return legend;
}

// Level 1, the gatehouse: brick halls, a courtyard and the guards' barracks.
const std::vector<std::string> kGatehouse = {
    "###############################################", "#      #         N         #        %         %",
    "#  P   #                   #   1    %  a   b  %", "#      D    B         B    D        D         %",
    "#  *   #                   #   T    %    +    %", "#      #    O    L    O    #        %%%%D%%%%%%",
    "###D####                   #######D###   %    %", "#      #    O         O    #         %   %  Y %",
    "#  i   #         1         #    2    %   D    %", "#      D                   D         D   %  c %",
    "#  +   #    O    L    O    #   C  C  %   %    %", "#      #                   #         %%%%%%%%D%",
    "########!!!!!!!D!!!!!!!!!!!####D######    %   %", "#     C   C  #         #         #    %   %   %",
    "#  2         #    F    #    N    # M  D 3 D  d%", "#     C   C  D         D         D    %   %   %",
    "#            #    g    #   1     # M  %   %%%%%", "#  *  K  +   #         #         #    %   %",
    "#            #    F    #    N    #    %   E",     "##############=========#####=#####%%%%%%%%",
};

// Level 2, the cellars: wooden store rooms, a stone crypt and the forge.
const std::vector<std::string> kCellars = {
    "==================================================",
    "=  P     =     C  C   =        &&&&&&&&&&&&&&&&&&&",
    "=        =            =   B    &      &    &     &",
    "=   B    D     1      D        D  3   D 2  D  e  &",
    "=        =            =   B    &      &    &     &",
    "=  m     =  C     C   =        &   F  &&D&&&  +  &",
    "=====D====            ====D=====      &    &&&D&&&",
    "%        ======D=======    &   &&&D&&&&  1 &     &",
    "%  1                       &   &     &     D  a  &",
    "%        %     2      %    D   &  O  &  *  &     &",
    "%   O    %            %    &   &     &&&&&&&&&&D&&",
    "%        %     T      %  + &   D  2  D     &     &",
    "%   O    %            %    &   &     &  K  &  r  &",
    "%        %%%%%%%D%%%%%%&&&&&   &  O  &     &     &",
    "%  *  +  %     %             $ &     &&&D&&&&&D&&&",
    "%        D  4  %   F    F    $ &&&D&&&           &",
    "%   b    %     D             $       D   4   N   &",
    "%        %  c  %   1    3    $   C   &           &",
    "%%%%%%%%%%%%%%%%%%%%%%%%%%%%%$$$$$$$$&&&&&&&E&&&&&",
};

// Level 3, the keep: metal halls, the machine rooms and the throne hall.
const std::vector<std::string> kKeep = {
    "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
    "@    $    @         @        @                     @",
    "@  P      @   3     D    4   @   N     H     N     @",
    "@         D         @        @                     @",
    "@  *  +   @   C  C  @   B  B @   O     O     O     @",
    "@         @         @        D                     @",
    "@@@@D@@@@@@@@@@D@@@@@@@@D@@@@@   O  5  d  5  O     @",
    "@         @         @        @                     @",
    "@  4      @    n    @   3    @   O     O     O     @",
    "@         D         D        @                     @",
    "@  C  C   @   L  L  @   +  * @   N     e     N     @",
    "@         @         @        @                     @",
    "@@@@@@D@@@@@@@@@D@@@@@@@D@@@@@@@@@@@@@@D@@@@@@@@@@@@",
    "@       $     @    @      @       @         @      @",
    "@   3     u   D 2  D   K  D   4   D    *    D  b   @",
    "@       $     @    @      @       @         @      @",
    "@   +     *   @ +  @   M  @   c   @    5    @  a   E",
    "@       $     @    @      @       @         @      @",
    "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
};

// Wall textures of the maps: 1-9 brick, 11-19 stone, 21-24 wood, 25-29
// metal, 31-39 tech; 10, 20, 30 and 40 are the frames of the animated wall.
Legend WallLegend(int hash, int percent, int bang, int equals, int amp, int at, int dollar) {
  Legend legend;
  legend['#'] = world::WallCode(hash);
  legend['%'] = world::WallCode(percent);
  legend['!'] = world::WallCode(bang);
  legend['='] = world::WallCode(equals);
  legend['&'] = world::WallCode(amp);
  legend['@'] = world::WallCode(at);
  legend['$'] = world::WallCode(dollar);
  return legend;
}

world::LevelGrid GridFromMap(const std::vector<std::string>& map, const Legend& walls, int fill_texture) {
  Legend legend = BaseLegend();
  legend.insert(walls.begin(), walls.end());
  world::LevelState level;
  world::MakeNewWorld(level);
  world::LevelGrid& grid = level.grid;
  // The map sits one cell in from the top left; the rest of the grid is rock.
  for (int y = 1; y < world::kLevelSize - 1; ++y)
    for (int x = 1; x < world::kLevelSize - 1; ++x)
      grid.at(x, y) = world::CellByteOf(world::WallCode(fill_texture));
  for (size_t y = 0; y < map.size(); ++y)
    for (size_t x = 0; x < map[y].size(); ++x) {
      const auto found = legend.find(map[y][x]);
      const int code = found == legend.end() ? world::kEmptyCode : found->second;
      grid.at(static_cast<int>(x) + 1, static_cast<int>(y) + 1) = world::CellByteOf(code);
    }
  return grid;
}

// A plain arena for the levels the sample game does not use yet.
world::LevelGrid Arena(int level) {
  world::LevelState state;
  world::MakeNewWorld(state);
  world::LevelGrid& grid = state.grid;
  const int wall = world::WallCode(1 + (level * 7) % 39);
  for (int i = 0; i < world::kLevelSize; ++i) {
    grid.at(i, 0) = grid.at(i, world::kLevelSize - 1) = world::CellByteOf(wall);
    grid.at(0, i) = grid.at(world::kLevelSize - 1, i) = world::CellByteOf(wall);
  }
  for (int y = 8; y < 56; y += 12)
    for (int x = 8; x < 56; x += 12) grid.at(x, y) = world::CellByteOf(world::kFirstSpriteCode + 2);
  grid.at(32, 32) = world::kPlayerStartByte;
  grid.at(32, world::kLevelSize - 1) = world::CellByteOf(world::kNextLevelDoorCode);
  return grid;
}

}  // namespace

void AddLevels(Content& content) {
  const world::LevelGrid designed[] = {
      GridFromMap(kGatehouse, WallLegend(1, 12, 5, 21, 13, 25, 10), 11),
      GridFromMap(kCellars, WallLegend(3, 14, 6, 22, 15, 27, 20), 16),
      GridFromMap(kKeep, WallLegend(31, 18, 7, 23, 17, 26, 30), 25),
  };
  for (int level = 1; level <= world::kLevelCount; ++level) {
    const world::LevelGrid grid = level <= 3 ? designed[level - 1] : Arena(level);
    content.files.push_back({world::LevelFileName(level), world::LevelFileBytes(grid)});
  }
}

}  // namespace starter
