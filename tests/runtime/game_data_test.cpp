#include "game_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "game_entry_index.h"
#include "game_pictures.h"
#include "gamebuild/game_pak_layout.h"
#include "tests/runtime/sample_game.h"
#include "tests/support/png_writer.h"

namespace {

using namespace game;

TEST(GameData, SampleGameLoadsEveryPart) {
  GameData data;
  const LoadResult result = LoadGameData(sample::Entries(), data);
  ASSERT_EQ(result.status, LoadStatus::kOk) << result.message;
  EXPECT_EQ(data.LevelCount(), 2);
  EXPECT_EQ(data.title, "Sample Game");
  EXPECT_EQ(data.cheat_code, "IDDQ");
  EXPECT_EQ(data.info_text, "A sample game");
  EXPECT_EQ(data.settings.walk_forward_key, sample::kUp);
  EXPECT_TRUE(data.settings.shader);
  EXPECT_EQ(data.weapons.select_key, sample::kTab);
  EXPECT_EQ(data.enemies[4].endurance, 20);
  EXPECT_EQ(data.sprites[1].endurance, 3);
  EXPECT_EQ(data.treasure_points[4], 500);
  EXPECT_EQ(data.packs.health, 25);
  EXPECT_EQ(data.mask.width, 320);
  EXPECT_EQ(data.help.height, 300);
  EXPECT_EQ(data.levels[0].start_x, 1);
  EXPECT_EQ(data.levels[0].KindAt(23, 9), CellKind::kExitDoor);
  EXPECT_TRUE(data.wall_textures[39].present);
  EXPECT_TRUE(data.sounds[EntryIndex("treasurefoundsound")].size() > 0);
}

TEST(GameData, SlotPicturesComeBackAsDrawnWithWhiteTransparentWhenKeyed) {
  assets::Picture drawn(64, 64, {255, 255, 255});
  drawn.set(10, 3, {200, 0, 0});  // column 10, row 3 as the author sees it
  std::vector<Entry> entries = sample::Entries();
  entries[EntryIndex("tex1")] = sample::StoredSlot(drawn);
  entries[EntryIndex("sprite1")] = sample::StoredSlot(drawn);
  GameData data;
  ASSERT_EQ(LoadGameData(entries, data).status, LoadStatus::kOk);
  EXPECT_EQ(data.wall_textures[0].at(10, 3), Rgb(200, 0, 0));
  EXPECT_EQ(data.wall_textures[0].at(3, 10), Rgb(255, 255, 255)) << "walls keep white";
  EXPECT_EQ(data.sprite_textures[0][0].at(10, 3), Rgb(200, 0, 0));
  EXPECT_TRUE(IsTransparent(data.sprite_textures[0][0].at(0, 0))) << "sprites are keyed";
}

TEST(GameData, ScreenPicturesWithTransparencyLieOnWhiteAsTheEditorShowsThem) {
  // A clear pixel, then an opaque red one.
  const std::vector<uint8_t> png = testing_support::EncodePng(2, 1, {0, 0, 0, 0, 200, 0, 0, 255});
  Image keyed, plain;
  ASSERT_TRUE(DecodeScreenImage(png, true, keyed));
  ASSERT_TRUE(DecodeScreenImage(png, false, plain));
  EXPECT_EQ(keyed.pixels, (std::vector<uint32_t>{kTransparent, Rgb(200, 0, 0)}));
  EXPECT_EQ(plain.pixels, (std::vector<uint32_t>{Rgb(255, 255, 255), Rgb(200, 0, 0)}));
}

struct BrokenPack {
  const char* fault;
  std::function<void(std::vector<Entry>&)> damage;
  LoadStatus status;
  const char* message;
};

TEST(GameData, BrokenPacksAreRefusedWithAMessageNamingTheFault) {
  auto set_levels = [](int n) {
    return [n](std::vector<Entry>& e) { e[EntryIndex("settings")] = sample::Settings(n); };
  };
  const BrokenPack cases[] = {
      {"version 404", [](auto& e) { e[EntryIndex("Version")][0] = 148; }, LoadStatus::kWrongVersion,
       "wrong game.pak"},
      {"empty version", [](auto& e) { e[EntryIndex("Version")].clear(); }, LoadStatus::kWrongVersion,
       "wrong game.pak"},
      {"one entry", [](auto& e) { e.resize(1); }, LoadStatus::kWrongVersion, "wrong game.pak"},
      {"too few entries", [](auto& e) { e.pop_back(); }, LoadStatus::kDamaged,
       "game.pak is damaged: it holds 379 of 380 entries"},
      {"no levels", set_levels(0), LoadStatus::kDamaged,
       "game.pak is damaged: the level count 0 is outside 1 to 20"},
      {"21 levels", set_levels(21), LoadStatus::kDamaged,
       "game.pak is damaged: the level count 21 is outside 1 to 20"},
      {"level missing", [](auto& e) { e[EntryIndex("game2")].clear(); }, LoadStatus::kDamaged,
       "game.pak is damaged: level 2 is missing"},
      {"no player start",
       [](auto& e) {
         e[EntryIndex("game1")] = sample::Level({"####", "#..#", "####"});
       },
       LoadStatus::kDamaged, "game.pak is damaged: level 1: the player start is missing"},
      {"corrupt texture", [](auto& e) { e[EntryIndex("tex5")].assign(100, 7); }, LoadStatus::kDamaged,
       "game.pak is damaged: the picture tex5 cannot be read"},
      {"truncated screen", [](auto& e) { e[EntryIndex("menu1")].resize(60); }, LoadStatus::kDamaged,
       "game.pak is damaged: the picture menu1 cannot be read"},
      {"missing enemy frame", [](auto& e) { e[EntryIndex("shoot_ene2_2")].clear(); }, LoadStatus::kDamaged,
       "game.pak is damaged: the picture shoot_ene2_2 cannot be read"},
  };
  for (const BrokenPack& c : cases) {
    std::vector<Entry> entries = sample::Entries();
    c.damage(entries);
    GameData data;
    const LoadResult result = LoadGameData(entries, data);
    EXPECT_EQ(result.status, c.status) << c.fault;
    EXPECT_EQ(result.message, c.message) << c.fault;
  }
}

TEST(GameRecords, ShortAndOddRecordsGivePlayableValues) {
  const GameSettings s = DecodeSettings(std::vector<uint8_t>{3, 0, 0, 0, 200, 0, 0, 0});
  EXPECT_EQ(s.level_count, 3);
  EXPECT_EQ(s.walk_forward_key, 0) << "an index outside the key list binds nothing";
  EXPECT_EQ(s.walk_forward_speed, 5) << "a missing speed takes the default";
  EXPECT_EQ(s.screen_mode, ScreenMode::kWindow);
  EXPECT_EQ(DecodeEnemySettings({}).at(0).endurance, 1);
  const std::vector<uint8_t> no_power = {1, 0, 0, 0, 0, 3, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(DecodeEnemySettings(no_power)[0].can_shoot) << "power 0 cannot shoot";
  EXPECT_TRUE(DecodeSpriteSettings(std::vector<uint8_t>(29, 0))[0].collision)
      << "a wrong size reads as the default";
  EXPECT_EQ(DecodeInfoText(std::vector<uint8_t>{'e', 'm', 'p', 't', 'y'}), "");
  EXPECT_EQ(DecodeCheatCode(std::vector<uint8_t>{' ', ' ', ' ', 'a', 'b'}), "ab");
  EXPECT_EQ(DecodeCheatCode(std::vector<uint8_t>(5, ' ')), "") << "five spaces: no code";
  const WeaponSettings w = DecodeWeaponSettings(std::vector<uint8_t>(38, 0));
  EXPECT_EQ(w.weapons[0].repetition, 1);
  EXPECT_EQ(w.weapons[0].max_ammo, 1);
}

TEST(EntryIndex, FindsEveryEntryOfThePackLayoutByItsName) {
  const std::vector<std::string>& names = gamebuild::GamePakEntryNames();
  for (size_t i = 1; i < names.size(); ++i) EXPECT_EQ(EntryIndex(names[i]), static_cast<int>(i)) << names[i];
  EXPECT_EQ(EntryIndex("impact", 6, "sound"), EntryIndex("impact6sound"));
  EXPECT_EQ(EntryIndex("walk_ene2_", 1), 316);
  EXPECT_THROW(EntryIndex("impact7sound"), std::logic_error);
  EXPECT_THROW(EntryIndex(""), std::logic_error) << "the password block has no name";
}

}  // namespace
