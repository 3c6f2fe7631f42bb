#include "world/level_problems.h"

#include <optional>
#include <string>

#include "world/cell_codes.h"
#include "world/level.h"

namespace world {

namespace {

// The thing of a cell as the author knows it; empty for an empty cell or a
// byte the editor never writes.
std::string ThingName(int code) {
  const auto numbered = [code](const char* name, int first) {
    return name + std::to_string(code - first + 1);
  };
  if (code >= kFirstWallCode && code <= kLastWallCode) return numbered("wall ", kFirstWallCode);
  if (code == kDoorCode) return "door";
  if (code == kNextLevelDoorCode) return "next-level door";
  if (code >= kFirstSpriteCode && code <= kLastSpriteCode) return numbered("sprite ", kFirstSpriteCode);
  if (code >= kFirstWeaponCode && code <= kLastWeaponCode) return numbered("weapon ", kFirstWeaponCode);
  if (code == kHealthPackCode) return "health pack";
  if (code == kAmmunitionPackCode) return "ammunition pack";
  if (code == kKeyCode) return "key";
  if (code == kPlayerStartCode) return "player start";
  if (code >= kFirstEnemyCode && code <= kLastEnemyCode) return numbered("enemy ", kFirstEnemyCode);
  if (code >= kFirstTreasureCode && code <= kLastTreasureCode)
    return numbered("treasure ", kFirstTreasureCode);
  return "";
}

bool OnBorder(int column, int row) {
  return column == 0 || row == 0 || column == kLevelSize - 1 || row == kLevelSize - 1;
}

std::string CellText(GridCell cell) {
  return std::to_string(cell.column + 1) + ":" + std::to_string(cell.row + 1);
}

// The cells holding `code`, row by row as the game reads them.
std::vector<GridCell> CellsOf(const LevelGrid& grid, int code) {
  std::vector<GridCell> cells;
  for (int row = 0; row < kLevelSize; ++row)
    for (int column = 0; column < kLevelSize; ++column)
      if (CellCodeOf(grid.at(column, row)) == code) cells.push_back({column, row});
  return cells;
}

class LevelChecker {
 public:
  LevelChecker(const LevelGrid& grid, const LevelCheck& check) : grid_(grid), check_(check) {}

  std::vector<Problem> Run() {
    CheckBorder();
    const std::vector<GridCell> starts = CellsOf(grid_, kPlayerStartCode);
    CheckStarts(starts);
    if (!starts.empty()) CheckWayOut(ReachableFrom(grid_, starts.front(), check_.blocking));
    return std::move(problems_);
  }

 private:
  void Add(Severity severity, std::optional<GridCell> cell, const char* rule, std::string message) {
    problems_.push_back(
        {severity, LevelFileName(check_.level), check_.level, cell, rule, std::move(message)});
  }

  // Every border cell must be a wall or a next-level door.
  void CheckBorder() {
    for (int row = 0; row < kLevelSize; ++row)
      for (int column = 0; column < kLevelSize; ++column) {
        if (!OnBorder(column, row)) continue;
        const int code = CellCodeOf(grid_.at(column, row));
        if (code >= kFirstWallCode && code <= kLastWallCode) continue;
        if (code == kNextLevelDoorCode)
          Add(Severity::kWarning, GridCell{column, row}, "exit-on-border", "next-level door on the border");
        else if (code == kDoorCode)
          Add(Severity::kError, GridCell{column, row}, "door-on-border", "door on the border");
        else if (const std::string thing = ThingName(code); !thing.empty())
          Add(Severity::kError, GridCell{column, row}, "open-border", thing + " on the border");
        else
          Add(Severity::kError, GridCell{column, row}, "open-border", "open border cell");
      }
  }

  // One player start; with more, the game starts at the first row by row.
  void CheckStarts(const std::vector<GridCell>& starts) {
    if (starts.empty()) {
      Add(Severity::kError, std::nullopt, "no-player-start", "no player start");
      return;
    }
    if (starts.size() == 1) return;
    const std::string count = std::to_string(starts.size());
    Add(Severity::kWarning, starts.front(), "player-starts",
        "one of " + count + " player starts: the game starts here");
    for (size_t i = 1; i < starts.size(); ++i)
      Add(Severity::kWarning, starts[i], "player-starts",
          "one of " + count + " player starts: the game starts at " + CellText(starts.front()));
  }

  // A next-level door in reach, and the key that opens it when the level
  // has one (the door stays shut until a key the level holds is taken).
  void CheckWayOut(const ReachableCells& reach) {
    const std::vector<GridCell> doors = CellsOf(grid_, kNextLevelDoorCode);
    if (doors.empty()) {
      if (!check_.last)
        Add(Severity::kWarning, std::nullopt, "no-exit",
            "no next-level door: level " + std::to_string(check_.level + 1) + " cannot be reached");
      return;
    }
    bool door_in_reach = false;
    for (const GridCell& door : doors) door_in_reach = door_in_reach || DoorInReach(grid_, reach, door);
    if (!door_in_reach)
      for (const GridCell& door : doors)
        Add(Severity::kWarning, door, "exit-unreachable",
            "the next-level door cannot be reached from the player start");
    const std::vector<GridCell> keys = CellsOf(grid_, kKeyCode);
    bool key_in_reach = false;
    for (const GridCell& key : keys) key_in_reach = key_in_reach || IsReachable(reach, key);
    if (!keys.empty() && !key_in_reach)
      for (const GridCell& key : keys)
        Add(Severity::kWarning, key, "key-unreachable",
            "the key cannot be reached from the player start, and the next-level door opens only with it");
  }

  const LevelGrid& grid_;
  const LevelCheck& check_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> CheckLevelGrid(const LevelGrid& grid, const LevelCheck& check) {
  return LevelChecker(grid, check).Run();
}

}  // namespace world
