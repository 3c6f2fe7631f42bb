// Cell codes of the things placed in a level and the bytes that store them.
#pragma once

#include <cstdint>

namespace world {

// A placed thing's cell byte is its cell code + 14; an empty cell is 120.
constexpr int kCellByteOffset = 14;
constexpr int kEmptyCode = 120;
constexpr uint8_t kEmptyByte = 120;

constexpr int kWallTextureCount = 40;
constexpr int kFirstWallCode = 2;  // wall texture n is code n + 1
constexpr int kLastWallCode = 41;
constexpr int kDoorCode = 42;
constexpr int kNextLevelDoorCode = 43;
constexpr int kFirstSpriteCode = 50;  // sprites 1 to 10
constexpr int kLastSpriteCode = 59;
constexpr int kFirstWeaponCode = 67;  // weapons 1 to 6
constexpr int kLastWeaponCode = 72;
constexpr int kHealthPackCode = 73;
constexpr int kAmmunitionPackCode = 74;
constexpr int kKeyCode = 75;
constexpr int kPlayerStartCode = 78;
constexpr int kFirstEnemyCode = 90;  // enemies 1 to 5
constexpr int kLastEnemyCode = 94;
constexpr int kFirstTreasureCode = 95;  // treasures 1 to 5
constexpr int kLastTreasureCode = 99;

constexpr uint8_t kPlayerStartByte = kPlayerStartCode + kCellByteOffset;  // 92, the backslash

constexpr int WallCode(int texture) {
  return texture + 1;
}

constexpr uint8_t CellByteOf(int code) {
  return code == kEmptyCode ? kEmptyByte : static_cast<uint8_t>(code + kCellByteOffset);
}

// Cell bytes are read as signed 8-bit values: a byte below 120 minus 14,
// any other byte unchanged.
constexpr int CellCodeOf(uint8_t byte) {
  const int value = static_cast<int8_t>(byte);
  return value < kEmptyCode ? value - kCellByteOffset : value;
}

// True for the codes the editor places (the codes of its cell table).
constexpr bool IsKnownCode(int code) {
  return (code >= kFirstWallCode && code <= kNextLevelDoorCode) ||
         (code >= kFirstSpriteCode && code <= kLastSpriteCode) ||
         (code >= kFirstWeaponCode && code <= kKeyCode) || code == kPlayerStartCode ||
         (code >= kFirstEnemyCode && code <= kLastTreasureCode) || code == kEmptyCode;
}

}  // namespace world
