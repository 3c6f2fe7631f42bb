// The command numbers of the menu items and keyboard shortcuts, by name;
// the command registry gives each its menu item, shortcut and handler.
#pragma once

namespace app::command {

constexpr int kNew = 200;
constexpr int kLoadLevel = 201;
constexpr int kSaveLevel = 207;
constexpr int kImportGamePak = 208;
constexpr int kQuit = 4;
constexpr int kNewProject = 400;
constexpr int kOpenProject = 401;
constexpr int kRecentProject1 = 410;  // to 414 for the fifth
constexpr int kReplaceWalls = 206;
constexpr int kImportWallTextures = 5;
constexpr int kImportDoorTextures = 26;
constexpr int kImportNextLevelDoor = 27;
constexpr int kImportFloorCeiling = 28;
constexpr int kEnemyAnimations = 40;
constexpr int kEnemySetup = 41;
constexpr int kImportWeapons = 132;
constexpr int kImportAmmoHealth = 133;
constexpr int kImportKey = 135;
constexpr int kImportTreasures = 136;
constexpr int kImportSprites = 138;
constexpr int kOpenGameBitmapsFolder = 299;
constexpr int kImportGameBitmaps = 300;
constexpr int kImportSounds = 150;
constexpr int kPackPassword = 309;
constexpr int kGameSettings = 310;
constexpr int kInfoText = 312;
constexpr int kIcon = 69;
constexpr int kCreateGame = 70;
constexpr int kExecuteGame = 71;
constexpr int kPlayLevel = 72;
constexpr int kPlayFromHere = 73;
constexpr int kProblems = 74;
constexpr int kHelp = 180;
constexpr int kAbout = 181;
constexpr int kScrollLeft = 301;
constexpr int kScrollRight = 302;
constexpr int kScrollUp = 303;
constexpr int kScrollDown = 304;
constexpr int kEscape = 305;

// Editing, shapes and zoom.
constexpr int kUndo = 600;
constexpr int kRedo = 601;
constexpr int kCut = 602;
constexpr int kCopy = 603;
constexpr int kPaste = 604;
constexpr int kDelete = 605;
constexpr int kSelectAll = 606;
constexpr int kFlipHorizontally = 607;
constexpr int kFlipVertically = 608;
constexpr int kTurn = 609;
constexpr int kShapePaint = 610;
constexpr int kShapeLine = 611;
constexpr int kShapeRectangle = 612;
constexpr int kShapeFilledRectangle = 613;
constexpr int kShapeFill = 614;
constexpr int kShapeSelect = 615;
constexpr int kZoomIn = 620;
constexpr int kZoomOut = 621;
constexpr int kZoomReset = 622;
constexpr int kZoomWholeLevel = 623;
constexpr int kGridLines = 624;

}  // namespace app::command
