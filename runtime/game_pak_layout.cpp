#include "runtime/game_pak_layout.h"

namespace game {

std::vector<std::string> PakEntryNames() {
  std::vector<std::string> names{"", "Version", "Treasuresettings", "wasettings", "MidiSettings"};
  auto add = [&names](const std::string& prefix, int first, int last, const std::string& suffix = "") {
    for (int k = first; k <= last; ++k) names.push_back(prefix + std::to_string(k) + suffix);
  };
  add("midilvl", 1, 20);
  for (const char* name : {"spritesettings", "ammohealthsettings", "weaponsettings", "enemysettings",
                           "settings", "InfoText", "gametitle", "cheat", "menumusic"})
    names.push_back(name);
  add("impact", 1, 6, "sound");
  add("weapon", 1, 6, "sound");
  for (const char* name : {"keyfoundsound", "sirenesound", "nextlevelsound", "gamefinishedsound",
                           "weaponfoundsound", "ammofoundsound", "reloadsound"})
    names.push_back(name);
  add("enemy", 1, 5, "shootsound");
  for (const char* name : {"dooropensound", "doorclosesound", "footstepsound", "healthfoundsound"})
    names.push_back(name);
  add("enemy", 1, 5, "diesound");
  add("enemy", 1, 5, "heysound");
  add("spr", 1, 10, "destroysound");
  for (const char* name : {"treasurefoundsound", "introscreen", "helpscreen"}) names.push_back(name);
  for (int k = 1; k <= 6; ++k) {
    names.push_back("bullet" + std::to_string(k));
    names.push_back("bulletexplode" + std::to_string(k));
  }
  for (const char* name : {"guncenter", "entering_next_level", "specialdoor"}) names.push_back(name);
  add("floortex", 1, 20);
  add("ceiltex", 1, 20);
  add("doortex", 1, 20);
  for (const char* name : {"numbers", "scorenums", "food", "keypicture", "key", "ammo", "mask"})
    names.push_back(name);
  add("sprite", 1, 10);
  for (int k = 1; k <= 10; ++k)
    for (const char* stage : {"b", "c", "d", "e"}) names.push_back("sprite" + std::to_string(k) + stage);
  for (const char* name : {"menu1", "menu2", "menu3", "menu4", "volumebutton", "menubutton", "finished"})
    names.push_back(name);
  add("weapon", 1, 6, "sprite");
  add("treasure", 1, 5, "sprite");
  for (int w = 1; w <= 6; ++w) add("weapon" + std::to_string(w) + "bitmap", 1, 5);
  add("tex", 1, 40);
  for (int e = 1; e <= 5; ++e) {
    const std::string n = std::to_string(e) + "_";
    add("walk_ene" + n, 1, 4);
    add("shoot_ene" + n, 1, 2);
    add("die_ene" + n, 1, 5);
  }
  add("game", 1, 20);
  return names;
}

}  // namespace game
