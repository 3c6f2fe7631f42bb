#include "game_data.h"

#include "config/text_record.h"
#include "game_entry_positions.h"
#include "game_pictures.h"
#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"

namespace game {
namespace {

class Loader {
 public:
  Loader(const std::vector<Entry>& entries, GameData& out) : entries_(entries), out_(out) {}

  LoadResult Run() {
    if (entries_.size() < 2 || !IsPlayableVersion(At(entry::kVersion)))
      return {LoadStatus::kWrongVersion, "wrong game.pak"};
    if (entries_.size() < static_cast<size_t>(entry::kCount))
      return Damaged("it holds " + std::to_string(entries_.size()) + " of 380 entries");
    ReadRecords();
    if (!ReadLevels() || !ReadTextures() || !ReadScreens()) return Damaged(problem_);
    ReadSounds();
    return {};
  }

 private:
  static LoadResult Damaged(const std::string& what) {
    return {LoadStatus::kDamaged, "game.pak is damaged: " + what};
  }

  const Entry& At(int position) const { return entries_[static_cast<size_t>(position)]; }

  std::string NameOf(int position) const {
    return gamebuild::GamePakEntryNames()[static_cast<size_t>(position)];
  }

  void ReadRecords() {
    out_.settings = DecodeSettings(At(entry::kSettings));
    out_.enemies = DecodeEnemySettings(At(entry::kEnemySettings));
    out_.weapons = DecodeWeaponSettings(At(entry::kWeaponSettings));
    out_.sprites = DecodeSpriteSettings(At(entry::kSpriteSettings));
    out_.treasure_points = DecodeTreasurePoints(At(entry::kTreasureSettings));
    out_.packs = DecodePackSizes(At(entry::kAmmoHealthSettings));
    out_.wall_animation = DecodeWallAnimation(At(entry::kWallAnimSettings));
    out_.level_midi = DecodeMidiEnabled(At(entry::kMidiSettings));
    out_.title = config::FirstLine(At(entry::kGameTitle));
    out_.cheat_code = DecodeCheatCode(At(entry::kCheat));
    out_.info_text = DecodeInfoText(At(entry::kInfoText));
  }

  bool ReadLevels() {
    const int count = out_.settings.level_count;
    if (count < 1 || count > 20) {
      problem_ = "the level count " + std::to_string(count) + " is outside 1 to 20";
      return false;
    }
    out_.levels.assign(static_cast<size_t>(count), LevelMap{});
    for (int level = 1; level <= count; ++level) {
      const Entry& bytes = At(entry::kLevel + level - 1);
      std::string error;
      if (bytes.empty()) {
        problem_ = "level " + std::to_string(level) + " is missing";
        return false;
      }
      if (!ParseLevel(bytes, out_.levels[static_cast<size_t>(level - 1)], error)) {
        problem_ = "level " + std::to_string(level) + ": " + error;
        return false;
      }
      out_.level_midi_files.push_back(At(entry::kLevelMidi + level - 1));
    }
    return true;
  }

  bool Texture(int position, bool keyed, game::Texture& texture) {
    if (DecodeSlotTexture(At(position), keyed, texture)) return true;
    problem_ = "the picture " + NameOf(position) + " cannot be read";
    return false;
  }

  bool Screen(int position, bool keyed, Image& image) {
    if (DecodeScreenImage(At(position), keyed, image)) return true;
    problem_ = "the picture " + NameOf(position) + " cannot be read";
    return false;
  }

  bool ReadTextures() {
    bool ok = true;
    for (int k = 0; k < 40; ++k) ok = ok && Texture(entry::kWallTexture + k, false, out_.wall_textures[k]);
    for (int k = 0; k < 20 && k < out_.LevelCount(); ++k) {
      ok = ok && Texture(entry::kFloorTexture + k, false, out_.floor_textures[k]);
      ok = ok && Texture(entry::kCeilingTexture + k, false, out_.ceiling_textures[k]);
      ok = ok && Texture(entry::kDoorTexture + k, false, out_.door_textures[k]);
    }
    ok = ok && Texture(entry::kSpecialDoor, false, out_.exit_door_texture);
    for (int s = 0; s < 10; ++s) {
      ok = ok && Texture(entry::kSprite + s, true, out_.sprite_textures[s][0]);
      for (int j = 0; j < 4; ++j)
        ok = ok && Texture(entry::kSpriteStages + 4 * s + j, true, out_.sprite_textures[s][j + 1]);
    }
    for (int w = 0; w < 6; ++w) {
      ok = ok && Texture(entry::kWeaponSprite + w, true, out_.weapon_item_textures[w]);
      ok = ok && Texture(entry::kBullet + 2 * w, true, out_.bullet_textures[w]);
      ok = ok && Texture(entry::kBullet + 2 * w + 1, true, out_.explosion_textures[w]);
    }
    for (int t = 0; t < 5; ++t)
      ok = ok && Texture(entry::kTreasureSprite + t, true, out_.treasure_textures[t]);
    ok = ok && Texture(entry::kFood, true, out_.health_texture) &&
         Texture(entry::kAmmo, true, out_.ammo_texture) && Texture(entry::kKey, true, out_.key_texture);
    for (int e = 0; e < 5; ++e)
      for (int f = 0; f < 11; ++f)
        ok = ok && Texture(entry::kEnemyFrames + 11 * e + f, true, out_.enemy_frames[e][f]);
    return ok;
  }

  bool ReadScreens() {
    bool ok = Screen(entry::kIntroScreen, false, out_.intro) &&
              Screen(entry::kHelpScreen, false, out_.help) &&
              Screen(entry::kEnteringNextLevel, false, out_.entering_next_level) &&
              Screen(entry::kFinished, false, out_.finished);
    for (int m = 0; m < 4; ++m) ok = ok && Screen(entry::kMenu1 + m, false, out_.menus[m]);
    ok = ok && Screen(entry::kVolumeButton, true, out_.volume_button) &&
         Screen(entry::kMenuButton, true, out_.menu_button) && Screen(entry::kNumbers, false, out_.numbers) &&
         Screen(entry::kScoreNumbers, false, out_.score_numbers) &&
         Screen(entry::kKeyPicture, false, out_.key_picture) && Screen(entry::kMask, false, out_.mask) &&
         Screen(entry::kGunCenter, true, out_.gun_center);
    for (int w = 0; w < 6; ++w)
      for (int p = 0; p < 5; ++p)
        ok = ok && Screen(entry::kWeaponBitmap + 5 * w + p, true, out_.weapon_in_hand[w][p]);
    return ok;
  }

  void ReadSounds() {
    out_.sounds.assign(static_cast<size_t>(entry::kCount), Entry{});
    for (int position = entry::kImpactSound; position <= entry::kTreasureFoundSound; ++position)
      out_.sounds[static_cast<size_t>(position)] = At(position);
    out_.menu_music = At(entry::kMenuMusic);
  }

  const std::vector<Entry>& entries_;
  GameData& out_;
  std::string problem_;
};

}  // namespace

bool IsPlayableVersion(std::span<const uint8_t> v) {
  if (v.size() < 4) return false;
  const uint32_t value = v[0] | v[1] << 8 | v[2] << 16 | static_cast<uint32_t>(v[3]) << 24;
  return value == static_cast<uint32_t>(gamebuild::kPackVersion);
}

LoadResult LoadGameData(const std::vector<Entry>& entries, GameData& out) {
  out = GameData{};
  return Loader(entries, out).Run();
}

}  // namespace game
