// The settings records and texts of the sample game, written by the same
// record code as the settings dialogs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/enemy_settings.h"
#include "config/game_settings.h"
#include "config/info_text.h"
#include "config/key_list.h"
#include "config/midi_settings.h"
#include "config/pack_settings.h"
#include "config/record_files.h"
#include "config/sprite_settings.h"
#include "config/text_record.h"
#include "config/treasure_settings.h"
#include "config/wall_anim_settings.h"
#include "config/weapon_settings.h"
#include "gamebuild/game_pak.h"
#include "tools/starter/content.h"

namespace starter {

namespace {

platform::Bytes Text(const config::TextRecord& record, const std::string& text) {
  const std::string stored = record.stored(text);
  return platform::Bytes(stored.begin(), stored.end());
}

// The index of a key name of the settings dialogs' key list ("= W").
int64_t Key(std::string_view name) {
  const auto& names = config::KeyNames();
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) std::abort();  // a misspelt name in this file
  return found - names.begin();
}

constexpr int kLevelsInSampleGame = 3;

config::GameSettings SampleGameSettings() {
  config::GameSettings s;
  s.max_levels = kLevelsInSampleGame;
  s.walk_forward_key = Key("= W");
  s.walk_forward_speed = 6;
  s.walk_backward_key = Key("= S");
  s.walk_backward_speed = 4;
  s.move_left_key = Key("= A");
  s.move_right_key = Key("= D");
  s.sideways_speed = 4;
  s.turn_left_key = Key("= Left");
  s.turn_right_key = Key("= Right");
  s.turn_mouse = 1;
  s.turn_speed = 5;
  s.look_up_key = Key("= PageUp");
  s.look_down_key = Key("= PageDown");
  s.look_speed = 3;
  s.shoot_key = Key("= Mouse left");
  s.open_door_key = Key("= Space");
  s.mouse_sensitivity = 5;
  s.use_shader = 1;
  s.show_map_key = Key("= M");
  s.screen_mode = 0;  // a window
  s.red_screen_when_hit = 1;
  s.bright_screen_on_item = 1;
  return s;
}

}  // namespace

void AddRecords(Content& content) {
  auto add = [&content](const std::string& name, platform::Bytes bytes) {
    content.files.push_back({name, std::move(bytes)});
  };
  auto record = [&add](const auto& format, const auto& value) {
    add(format.file, config::Encode(format, value));
  };
  auto text = [&add](const config::TextRecord& format, const std::string& value) {
    add(format.file, Text(format, value));
  };

  record(config::kGameSettingsRecord, SampleGameSettings());

  // Guard, brute, robot, cultist, warlord.
  record(config::kEnemySettingsRecord, config::EnemySettings{.can_shoot = {true, true, true, true, true},
                                                             .speed = {4, 6, 3, 5, 2},
                                                             .endurance = {3, 6, 10, 4, 24},
                                                             .power = {2, 3, 5, 4, 9}});

  // Pistol, shotgun, chain gun, plasma rifle, rocket launcher, ember staff.
  record(config::kWeaponSettingsRecord,
         config::WeaponSettings{.can_shoot = {true, true, true, true, true, true},
                                .repetition = {3, 2, 5, 4, 1, 3},
                                .power = {2, 6, 2, 4, 10, 5},
                                .start_ammo = {20, 8, 40, 20, 3, 15},
                                .max_ammo = {99, 40, 99, 80, 20, 60},
                                .weapon_key = Key("= Q"),
                                .start_with_weapon1 = true,
                                .show_bullet = {false, false, false, true, true, true}});

  // Barrel, lamp, pillar, plant, table, crate, armour, chandelier, brazier, banner.
  record(config::kSpriteSettingsRecord,
         config::SpriteSettings{
             .collision = {true, true, true, true, true, true, true, false, true, false},
             .endurance = {2, 1, 0, 1, 3, 3, 0, 0, 0, 1},
             .shoot_through = {false, false, false, true, true, false, false, true, false, true}});

  // Coins, chalice, gem, crown, chest.
  record(config::kTreasureSettingsRecord, config::TreasureSettings{.points = {100, 250, 500, 1000, 2500}});

  record(config::kPackSettingsRecord, config::PackSettings{.ammo = 15, .health = 25});

  // Row 10 of the wall grid (tex10, tex20, tex30, tex40) is animated, at
  // speed 5.
  config::WallAnimSettings walls{.speed = 5};
  walls.animate[9] = true;
  record(config::kWallAnimSettingsRecord, walls);

  // The levels play their own tunes.
  record(config::kMidiSettingsRecord, config::MidiSettings{.use_midi_music = true});

  text(config::kGameTitleRecord, "Ember Keep");
  text(config::kCheatRecord, "ashwalker");

  text(config::kInfoTextRecord,
       "Ember Keep - a sample game made with Tarnwick.\r\n"
       "\r\n"
       "Find the gold key, fight your way past the keep's guards\r\n"
       "and reach the green exit door of each level.\r\n"
       "\r\n"
       "W/S walk, A/D step sideways, mouse or arrow keys turn,\r\n"
       "left mouse button shoots, Space opens doors,\r\n"
       "Q changes the weapon, M shows the map.");

  // The format version of the pack, written again by Create Game.
  add(config::files::kVersion, gamebuild::VersionRecord());
}

}  // namespace starter
