// The settings records and texts of the sample game, as the raw bytes the
// game runtime reads.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "tools/starter/content.h"

namespace starter {

namespace {

platform::Bytes Int32s(std::initializer_list<int32_t> values) {
  platform::Bytes out;
  for (int32_t v : values)
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  return out;
}

platform::Bytes Bytes(std::initializer_list<int> values) {
  platform::Bytes out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

platform::Bytes Text(const std::string& text) {
  return platform::Bytes(text.begin(), text.end());
}

// Indexes into the key list of the settings dialog.
enum Key : int32_t {
  kMouseLeft = 1,
  kKeyA = 13,
  kKeyD = 16,
  kKeyM = 25,
  kKeyQ = 29,
  kKeyS = 31,
  kKeyW = 35,
  kSpace = 59,
  kLeft = 97,
  kRight = 98,
  kPageUp = 100,
  kPageDown = 101,
};

constexpr int kLevelsInSampleGame = 3;

}  // namespace

void AddRecords(Content& content) {
  auto add = [&content](const std::string& name, platform::Bytes bytes) {
    content.files.push_back({name, std::move(bytes)});
  };

  // settings: 26 integers of game rules and controls.
  add("settings", Int32s({
                      kLevelsInSampleGame,  // number of levels
                      kKeyW,
                      0,
                      6,  // walk forward: key, with the mouse, speed
                      kKeyS,
                      0,
                      4,  // walk backward: key, with the mouse, speed
                      kKeyA,
                      kKeyD,
                      4,  // step left, step right, sideways speed
                      kLeft,
                      kRight,
                      1,
                      5,  // turn left, turn right, with the mouse, speed
                      kPageUp,
                      kPageDown,
                      0,
                      3,           // look up, look down, with the mouse, speed
                      kMouseLeft,  // shoot
                      kSpace,      // open door
                      5,           // mouse sensitivity
                      1,           // use the shader
                      kKeyM,       // show the map
                      0,           // screen mode: window
                      1,           // red screen when hit
                      1,           // bright screen on a find
                  }));

  // enemysettings: can shoot, speed, endurance and power of enemies 1 to 5.
  add("enemysettings", Bytes({1, 1, 1,  1, 1,   //
                              4, 6, 3,  5, 2,   //
                              3, 6, 10, 4, 24,  //
                              2, 3, 5,  4, 9}));

  // weaponsettings: pistol, shotgun, chain gun, plasma rifle, rocket launcher, ember staff.
  add("weaponsettings", Bytes({1,     1,  1,  1,  1,  1,     // can shoot
                               3,     2,  5,  4,  1,  3,     // repetition speed
                               2,     6,  2,  4,  10, 5,     // power
                               20,    8,  40, 20, 3,  15,    // start ammunition
                               99,    40, 99, 80, 20, 60,    // maximum ammunition
                               kKeyQ,                        // key to select a weapon
                               1,                            // start with weapon 1
                               0,     0,  0,  1,  1,  1}));  // show the bullet

  // spritesettings: collision, endurance and shoot-through of sprites 1 to 10
  // (barrel, lamp, pillar, plant, table, crate, armour, chandelier, brazier, banner).
  add("spritesettings", Bytes({1, 1, 1, 1, 1, 1, 1, 0, 1, 0,  //
                               2, 1, 0, 1, 3, 3, 0, 0, 0, 1,  //
                               0, 0, 0, 1, 1, 0, 0, 1, 0, 1}));

  // Treasuresettings: points of treasures 1 to 5 (coins, chalice, gem, crown, chest).
  add("Treasuresettings", Int32s({100, 250, 500, 1000, 2500}));

  // ammohealthsettings: ammunition and health pack sizes, three times.
  add("ammohealthsettings", Bytes({15, 25, 15, 25, 15, 25}));

  // wasettings: row 10 of the wall grid (tex10, tex20, tex30, tex40) is animated.
  add("wasettings", Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5}));

  // MidiSettings: the levels play their MIDI tunes.
  add("MidiSettings", Bytes({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));

  // gametitle and cheat: first-line texts of at least five characters.
  add("gametitle", Text("Ember Keep"));
  add("cheat", Text("ashwalker"));

  // InfoText: shown in the info menu of the game window.
  add("InfoText", Text("Ember Keep - a sample game made with Tarnwick.\r\n"
                       "\r\n"
                       "Find the gold key, fight your way past the keep's guards\r\n"
                       "and reach the green exit door of each level.\r\n"
                       "\r\n"
                       "W/S walk, A/D step sideways, mouse or arrow keys turn,\r\n"
                       "left mouse button shoots, Space opens doors,\r\n"
                       "Q changes the weapon, M shows the map."));

  // Version: the format version of the pack, written again by Create Game.
  add("Version", Int32s({405, 405}));
}

}  // namespace starter
