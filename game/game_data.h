// Everything a game.pak carries, decoded: rules, levels, textures, screens and sounds.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game_image.h"
#include "game_level.h"
#include "game_records.h"

namespace game {

using Entry = std::vector<uint8_t>;

struct GameData {
  GameSettings settings;
  std::array<EnemyKind, 5> enemies{};
  WeaponSettings weapons;
  std::array<SpriteKind, 10> sprites{};
  std::array<int, 5> treasure_points{};
  PackSizes packs;
  WallAnimation wall_animation;
  bool level_midi = false;
  std::string title;
  std::string cheat_code;
  std::string info_text;  // "" when the game has none
  uint64_t pack_hash = 0;  // of all entries: saves name the pack they belong to

  std::vector<LevelMap> levels;         // levels 1..level count
  std::vector<Entry> level_midi_files;  // per level, may be empty
  std::vector<Entry> sounds;            // indexed by entry position; non-sound entries empty
  Entry menu_music;

  std::array<Texture, 40> wall_textures{};
  std::array<Texture, 20> floor_textures{}, ceiling_textures{}, door_textures{};
  Texture exit_door_texture;
  std::array<std::array<Texture, 5>, 10> sprite_textures{};  // main, then stages b..e
  std::array<Texture, 6> weapon_item_textures{};
  std::array<Texture, 5> treasure_textures{};
  Texture health_texture, ammo_texture, key_texture;
  std::array<std::array<Texture, 11>, 5> enemy_frames{};  // walk 1-4, shoot 1-2, die 1-5
  std::array<Texture, 6> bullet_textures{}, explosion_textures{};

  Image intro, help, entering_next_level, finished;
  std::array<Image, 4> menus;  // menu1..menu3 and the sound screen menu4
  Image volume_button, menu_button, numbers, score_numbers, key_picture, mask, gun_center;
  std::array<std::array<Image, 5>, 6> weapon_in_hand;

  int LevelCount() const { return static_cast<int>(levels.size()); }
};

enum class LoadStatus { kOk, kWrongVersion, kDamaged };

struct LoadResult {
  LoadStatus status = LoadStatus::kOk;
  std::string message;  // the text to show when not kOk
};

// Whether the Version entry starts with the version this runtime plays.
bool IsPlayableVersion(std::span<const uint8_t> version_entry);

// Builds the game from the entries of game.pak in pack order.
LoadResult LoadGameData(const std::vector<Entry>& entries, GameData& out);

}  // namespace game
