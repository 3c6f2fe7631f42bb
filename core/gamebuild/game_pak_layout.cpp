#include "gamebuild/game_pak_layout.h"

#include "config/record_files.h"

namespace gamebuild {

namespace {

using Group = std::vector<std::string>;

// prefix + k + suffix for k = from ... to.
Group Numbered(const std::string& prefix, int from, int to, const std::string& suffix = "") {
  Group names;
  for (int k = from; k <= to; ++k) names.push_back(prefix + std::to_string(k) + suffix);
  return names;
}

Group Join(std::initializer_list<Group> parts) {
  Group all;
  for (const Group& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<Group> MakeGroups() {
  std::vector<Group> groups;
  using namespace config::files;
  groups.push_back({"", kVersion});  // 1-2
  groups.push_back(
      Join({{kTreasureSettings, kWallAnimSettings, kMidiSettings}, Numbered("midilvl", 1, 10)}));  // 3-15
  groups.push_back(Numbered("midilvl", 11, 20));                                                   // 16-25
  groups.push_back(Join({{kSpriteSettings, kAmmoHealthSettings, kWeaponSettings, kEnemySettings, kSettings,
                          kInfoText, kGameTitle, kCheat, "menumusic"},
                         Numbered("impact", 1, 6, "sound"),
                         Numbered("weapon", 1, 6, "sound"),
                         {"keyfoundsound", "sirenesound", "nextlevelsound", "gamefinishedsound",
                          "weaponfoundsound", "ammofoundsound", "reloadsound"},
                         Numbered("enemy", 1, 5, "shootsound")}));  // 26-58
  groups.push_back(Join({{"dooropensound", "doorclosesound", "footstepsound", "healthfoundsound"},
                         Numbered("enemy", 1, 5, "diesound")}));                             // 59-67
  groups.push_back(Numbered("enemy", 1, 5, "heysound"));                                     // 68-72
  groups.push_back(Join({Numbered("spr", 1, 10, "destroysound"), {"treasurefoundsound"}}));  // 73-83
  Group screens = {"introscreen", "helpscreen"};                                             // 84-100
  for (int k = 1; k <= 6; ++k) {
    screens.push_back("bullet" + std::to_string(k));
    screens.push_back("bulletexplode" + std::to_string(k));
  }
  screens.insert(screens.end(), {"guncenter", "entering_next_level", "specialdoor"});
  groups.push_back(screens);
  groups.push_back(Numbered("floortex", 1, 20));                                            // 101-120
  groups.push_back(Numbered("ceiltex", 1, 20));                                             // 121-140
  groups.push_back(Numbered("doortex", 1, 20));                                             // 141-160
  groups.push_back({"numbers", "scorenums", "food", "keypicture", "key", "ammo", "mask"});  // 161-167
  groups.push_back(Numbered("sprite", 1, 10));                                              // 168-177
  for (int k = 1; k <= 10; k += 2) {  // 178-217, 8 a group
    Group views;
    for (int s = k; s <= k + 1; ++s)
      for (const char* view : {"b", "c", "d", "e"}) views.push_back("sprite" + std::to_string(s) + view);
    groups.push_back(views);
  }
  groups.push_back(
      {"menu1", "menu2", "menu3", "menu4", "volumebutton", "menubutton", "finished"});  // 218-224
  groups.push_back(
      Join({Numbered("weapon", 1, 6, "sprite"), Numbered("treasure", 1, 5, "sprite")}));  // 225-235
  for (int k = 1; k <= 6; ++k)                                                            // 236-265
    groups.push_back(Numbered("weapon" + std::to_string(k) + "bitmap", 1, 5));
  groups.push_back(Numbered("tex", 1, 40));  // 266-305
  for (int e = 1; e <= 5; ++e) {             // 306-360
    const std::string enemy = std::to_string(e) + "_";
    groups.push_back(Numbered("walk_ene" + enemy, 1, 4));
    groups.push_back(Numbered("shoot_ene" + enemy, 1, 2));
    groups.push_back(Numbered("die_ene" + enemy, 1, 5));
  }
  groups.push_back(Numbered("game", 1, 20));  // 361-380
  return groups;
}

}  // namespace

const std::vector<std::vector<std::string>>& GamePakGroups() {
  static const std::vector<Group> groups = MakeGroups();
  return groups;
}

const std::vector<std::string>& GamePakEntryNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const Group& group : GamePakGroups()) all.insert(all.end(), group.begin(), group.end());
    return all;
  }();
  return names;
}

}  // namespace gamebuild
