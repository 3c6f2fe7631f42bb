// A level as the game plays it: the 64 x 64 grid of walls and doors and the things placed on it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace game {

constexpr int kMapSize = 64;

enum class CellKind : uint8_t { kEmpty, kWall, kDoor, kExitDoor };

enum class ThingKind : uint8_t { kSprite, kWeapon, kHealth, kAmmo, kKey, kEnemy, kTreasure };

struct PlacedThing {
  ThingKind kind;
  int number;  // sprite 1..10, weapon 1..6, enemy 1..5, treasure 1..5; 0 otherwise
  int x, y;    // cell
};

struct LevelMap {
  std::array<CellKind, kMapSize * kMapSize> kind{};
  std::array<uint8_t, kMapSize * kMapSize> wall_texture{};  // 1..40 for walls
  std::vector<PlacedThing> things;
  int start_x = 0, start_y = 0;

  static bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kMapSize && y < kMapSize; }
  CellKind KindAt(int x, int y) const {
    return Inside(x, y) ? kind[static_cast<size_t>(y * kMapSize + x)] : CellKind::kWall;
  }
  int TextureAt(int x, int y) const {
    return Inside(x, y) ? wall_texture[static_cast<size_t>(y * kMapSize + x)] : 1;
  }
  void Set(int x, int y, CellKind k, int texture = 0) {
    kind[static_cast<size_t>(y * kMapSize + x)] = k;
    wall_texture[static_cast<size_t>(y * kMapSize + x)] = static_cast<uint8_t>(texture);
  }
};

// Reads a level file (64 rows of 64 cell bytes and a line end). Bytes past a
// short file read as 0 (nothing there). False, with `error` set, when the
// level has no player start.
bool ParseLevel(std::span<const uint8_t> bytes, LevelMap& out, std::string& error);

}  // namespace game
