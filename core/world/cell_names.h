// What a cell holds, in words, for the map view's status line.
#pragma once

#include <cstdint>
#include <string>

namespace world {

// "wall 12", "door", "next-level door", "sprite 3", "weapon 2", "health pack",
// "ammunition pack", "key", "player start", "enemy 3", "treasure 5", "empty";
// "unknown (byte 7)" for a byte the editor never writes.
std::string CellName(uint8_t cell_byte);

}  // namespace world
