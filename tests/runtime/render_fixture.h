// Tiny hand-built maps and textures whose texels tell where they came from.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game_render.h"

namespace render_fixture {

using namespace game;

// Texel (u, v) of a coded texture is red 4u, green 4v, blue = the texture's id.
inline Texture Coded(int id) {
  Texture t;
  t.present = true;
  for (int u = 0; u < 64; ++u)
    for (int v = 0; v < 64; ++v) t.at(u, v) = Rgb(4 * u, 4 * v, id);
  return t;
}

inline int IdOf(uint32_t pixel) {
  return static_cast<int>(pixel & 0xFF);
}
inline int UOf(uint32_t pixel) {
  return static_cast<int>((pixel >> 16) & 0xFF) / 4;
}
inline int VOf(uint32_t pixel) {
  return static_cast<int>((pixel >> 8) & 0xFF) / 4;
}

// A solid texture of one colour, with white texels transparent when `keyed`.
inline Texture Plain(uint32_t color) {
  Texture t;
  t.present = true;
  t.texels.fill(color);
  return t;
}

// Map rows: '#' wall texture 1, '2' wall texture 2, 'D' door, '.' empty; the rest of the 64 x 64 grid is
// wall.
inline LevelMap MapOf(const std::vector<std::string>& rows) {
  LevelMap map;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const char c =
          y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size()) ? rows[y][x] : '#';
      if (c == '.')
        map.Set(x, y, CellKind::kEmpty);
      else if (c == 'D')
        map.Set(x, y, CellKind::kDoor);
      else
        map.Set(x, y, CellKind::kWall, c == '2' ? 2 : 1);
    }
  return map;
}

constexpr int kWallId = 10, kWall2Id = 20, kDoorId = 30, kFloorId = 40, kCeilingId = 50;

// Owns everything a Scene points to.
struct World {
  LevelMap map;
  Texture wall = Coded(kWallId), wall2 = Coded(kWall2Id), door = Coded(kDoorId), floor = Coded(kFloorId),
          ceiling = Coded(kCeilingId);
  std::array<float, kMapSize * kMapSize> open{};
  std::vector<std::unique_ptr<Texture>> sprite_textures;

  explicit World(const std::vector<std::string>& rows) : map(MapOf(rows)) {}

  Scene MakeScene() const {
    Scene s;
    s.map = &map;
    s.walls[1] = &wall;
    s.walls[2] = &wall2;
    s.door = &door;
    s.exit_door = &door;
    s.floor = &floor;
    s.ceiling = &ceiling;
    s.door_open = &open;
    return s;
  }
};

}  // namespace render_fixture
