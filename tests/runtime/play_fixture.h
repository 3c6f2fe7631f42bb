// Games made in code for simulation tests: a level from text rows and the sample's key bindings.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game_play.h"
#include "tests/runtime/sample_game.h"

namespace play_fixture {

using namespace game;

// Level rows as in the sample game: '#' wall, 'D' door, 'E' next-level door,
// 'P' start, 'e' enemy 1, 'f' enemy 2, 's' sprite 1, 't' sprite 2, 'w' weapon 2,
// 'h' health, 'a' ammunition, 'k' key, '$' treasure 1.
inline std::unique_ptr<GameData> DataOf(const std::vector<std::string>& rows) {
  auto data = std::make_unique<GameData>();
  data->settings = DecodeSettings(sample::Settings(1));
  data->settings.red_flash = false;
  data->settings.bright_flash = false;
  data->weapons = DecodeWeaponSettings(sample::Entries()[EntryIndex("weaponsettings")]);
  data->enemies = DecodeEnemySettings(sample::Entries()[EntryIndex("enemysettings")]);
  data->sprites = DecodeSpriteSettings(sample::Entries()[EntryIndex("spritesettings")]);
  data->treasure_points = {100, 200, 300, 400, 500};
  data->packs = {15, 25};
  data->cheat_code = "IDDQ";
  LevelMap map;
  std::string error;
  if (!ParseLevel(sample::Level(rows), map, error)) throw std::runtime_error(error);
  data->levels.push_back(map);
  return data;
}

inline TicInput Holding(std::initializer_list<int> keys, bool pressed = false) {
  TicInput input;
  for (int k : keys) {
    input.held.set(static_cast<size_t>(k));
    if (pressed) input.pressed.set(static_cast<size_t>(k));
  }
  return input;
}
inline TicInput Press(std::initializer_list<int> keys) {
  return Holding(keys, true);
}

inline void RunTics(Play& play, int tics, const TicInput& input = {}) {
  for (int i = 0; i < tics; ++i) play.Tick(input);
}

inline bool Contains(const std::vector<SoundEvent>& sounds, int sound) {
  return std::any_of(sounds.begin(), sounds.end(), [sound](const SoundEvent& e) { return e.sound == sound; });
}

}  // namespace play_fixture
