#include "shell/menu_table.h"

#include "shell/command_numbers.h"

namespace app {

namespace {

std::vector<Menu> MakeTable() {
  using namespace command;
  const MenuItem separator{kSeparator, ""};
  return {
      {"World",
       {{kNew, "New"},
        separator,
        {kLoadLevel, "LoadWorld"},
        separator,
        {kSaveLevel, "Save World"},
        separator,
        {kImportGamePak, "Import game.pak"},
        separator,
        {kQuit, "Quit"}}},
      {"Tools", {{kReplaceWalls, "Exchange walls"}}},
      {"Walls", {{kImportWallTextures, "Import Wall Textures"}}},
      {"Doors",
       {{kImportDoorTextures, "Import Door Textures"},
        {kImportNextLevelDoor, "Import NextLevel Door Texture"}}},
      {"Floor+Ceiling", {{kImportFloorCeiling, "Import Floor and Ceiling Textures"}}},
      {"Enemies", {{kEnemyAnimations, "Enemy Animations"}, {kEnemySetup, "Enemy Setup"}}},
      {"InGameItems",
       {{kImportWeapons, "Import Weapons"},
        {kImportAmmoHealth, "Import Ammo and Health"},
        {kImportKey, "Import Key"},
        {kImportTreasures, "Import Treasures"}}},
      {"Sprites", {{kImportSprites, "Import Sprites"}}},
      {"GameBitmaps",
       {{kOpenGameBitmapsFolder, "Open GameBitmaps Folder"}, {kImportGameBitmaps, "Import GameBitmaps"}}},
      {"Sounds", {{kImportSounds, "Import Sounds"}}},
      {"Settings", {{kPackPassword, "Set GamePak Password"}, {kGameSettings, "Game Settings"}}},
      {"InfoText", {{kInfoText, "Define Info Text"}}},
      {"Game", {{kIcon, "Icon"}, {kCreateGame, "CreateGame"}, {kExecuteGame, "ExecuteGame"}}},
      {"?", {{kHelp, "Help"}, {kAbout, "About"}}},
  };
}

}  // namespace

const std::vector<Menu>& MenuBarTable() {
  static const std::vector<Menu> table = MakeTable();
  return table;
}

}  // namespace app
