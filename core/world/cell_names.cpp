#include "world/cell_names.h"

#include "world/cell_codes.h"

namespace world {

namespace {

struct NamedRun {
  int first_code;
  int last_code;
  const char* name;
  bool numbered;
};

constexpr NamedRun kNames[] = {
    {kFirstWallCode, kLastWallCode, "wall", true},
    {kDoorCode, kDoorCode, "door", false},
    {kNextLevelDoorCode, kNextLevelDoorCode, "next-level door", false},
    {kFirstSpriteCode, kLastSpriteCode, "sprite", true},
    {kFirstWeaponCode, kLastWeaponCode, "weapon", true},
    {kHealthPackCode, kHealthPackCode, "health pack", false},
    {kAmmunitionPackCode, kAmmunitionPackCode, "ammunition pack", false},
    {kKeyCode, kKeyCode, "key", false},
    {kPlayerStartCode, kPlayerStartCode, "player start", false},
    {kFirstEnemyCode, kLastEnemyCode, "enemy", true},
    {kFirstTreasureCode, kLastTreasureCode, "treasure", true},
    {kEmptyCode, kEmptyCode, "empty", false},
};

}  // namespace

std::string CellName(uint8_t cell_byte) {
  const int code = CellCodeOf(cell_byte);
  for (const NamedRun& run : kNames)
    if (code >= run.first_code && code <= run.last_code)
      return run.numbered ? std::string(run.name) + " " + std::to_string(code - run.first_code + 1)
                          : run.name;
  return "unknown (byte " + std::to_string(cell_byte) + ")";
}

}  // namespace world
