// Positions of the entries the game looks up, counted from 0 in the list of
// entries read from game.pak; gamebuild::GamePakEntryNames() names each one.
#pragma once

namespace game {

namespace entry {
constexpr int kPassword = 0;
constexpr int kVersion = 1;
constexpr int kTreasureSettings = 2;
constexpr int kWallAnimSettings = 3;
constexpr int kMidiSettings = 4;
constexpr int kLevelMidi = 5;  // + level - 1
constexpr int kSpriteSettings = 25;
constexpr int kAmmoHealthSettings = 26;
constexpr int kWeaponSettings = 27;
constexpr int kEnemySettings = 28;
constexpr int kSettings = 29;
constexpr int kInfoText = 30;
constexpr int kGameTitle = 31;
constexpr int kCheat = 32;
constexpr int kMenuMusic = 33;
constexpr int kImpactSound = 34;  // + weapon - 1
constexpr int kWeaponSound = 40;  // + weapon - 1
constexpr int kKeyFoundSound = 46;
constexpr int kSireneSound = 47;
constexpr int kNextLevelSound = 48;
constexpr int kGameFinishedSound = 49;
constexpr int kWeaponFoundSound = 50;
constexpr int kAmmoFoundSound = 51;
constexpr int kReloadSound = 52;
constexpr int kEnemyShootSound = 53;  // + enemy - 1
constexpr int kDoorOpenSound = 58;
constexpr int kDoorCloseSound = 59;
constexpr int kFootstepSound = 60;
constexpr int kHealthFoundSound = 61;
constexpr int kEnemyDieSound = 62;       // + enemy - 1
constexpr int kEnemyHeySound = 67;       // + enemy - 1
constexpr int kSpriteDestroySound = 72;  // + sprite - 1
constexpr int kTreasureFoundSound = 82;
constexpr int kIntroScreen = 83;
constexpr int kHelpScreen = 84;
constexpr int kBullet = 85;  // bullet k at 85 + 2 (k - 1), its explosion one after
constexpr int kGunCenter = 97;
constexpr int kEnteringNextLevel = 98;
constexpr int kSpecialDoor = 99;
constexpr int kFloorTexture = 100;    // + level - 1
constexpr int kCeilingTexture = 120;  // + level - 1
constexpr int kDoorTexture = 140;     // + level - 1
constexpr int kNumbers = 160;
constexpr int kScoreNumbers = 161;
constexpr int kFood = 162;
constexpr int kKeyPicture = 163;
constexpr int kKey = 164;
constexpr int kAmmo = 165;
constexpr int kMask = 166;
constexpr int kSprite = 167;        // + sprite - 1
constexpr int kSpriteStages = 177;  // sprite s, stage b..e (j = 0..3) at 177 + 4 (s - 1) + j
constexpr int kMenu1 = 217;
constexpr int kMenu2 = 218;
constexpr int kMenu3 = 219;
constexpr int kMenu4 = 220;
constexpr int kVolumeButton = 221;
constexpr int kMenuButton = 222;
constexpr int kFinished = 223;
constexpr int kWeaponSprite = 224;    // + weapon - 1
constexpr int kTreasureSprite = 230;  // + treasure - 1
constexpr int kWeaponBitmap = 235;    // weapon w, picture p at 235 + 5 (w - 1) + p - 1
constexpr int kWallTexture = 265;     // + texture - 1
constexpr int kEnemyFrames = 305;     // enemy e, frame f (0..10) at 305 + 11 (e - 1) + f
constexpr int kLevel = 360;           // + level - 1
constexpr int kCount = 380;
}  // namespace entry

}  // namespace game
