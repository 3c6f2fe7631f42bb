#include "game_data.h"

#include <memory>
#include <string>
#include <utility>

#include "config/record_files.h"
#include "config/text_record.h"
#include "game_entry_index.h"
#include "game_pictures.h"
#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"
#include "platform/byte_io.h"

namespace game {
namespace {

namespace files = config::files;

constexpr const char* kSpriteViews[] = {"b", "c", "d", "e"};

// The enemy frames in the order of GameData::enemy_frames: kind_ene<e>_<j>.
constexpr std::pair<const char*, int> kEnemyFrameKinds[] = {
    {"walk_ene", 4}, {"shoot_ene", 2}, {"die_ene", 5}};

class Loader {
 public:
  Loader(const std::vector<Entry>& entries, GameData& out) : entries_(entries), out_(out) {}

  LoadResult Run() {
    if (entries_.size() <= static_cast<size_t>(EntryIndex(files::kVersion)) ||
        !IsPlayableVersion(At(files::kVersion)))
      return {LoadStatus::kWrongVersion, "wrong game.pak"};
    if (entries_.size() < static_cast<size_t>(gamebuild::kGamePakEntries))
      return Damaged("it holds " + std::to_string(entries_.size()) + " of " +
                     std::to_string(gamebuild::kGamePakEntries) + " entries");
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
  const Entry& At(std::string_view name) const { return At(EntryIndex(name)); }

  std::string NameOf(int position) const {
    return gamebuild::GamePakEntryNames()[static_cast<size_t>(position)];
  }

  void ReadRecords() {
    out_.settings = DecodeSettings(At(files::kSettings));
    out_.enemies = DecodeEnemySettings(At(files::kEnemySettings));
    out_.weapons = DecodeWeaponSettings(At(files::kWeaponSettings));
    out_.sprites = DecodeSpriteSettings(At(files::kSpriteSettings));
    out_.treasure_points = DecodeTreasurePoints(At(files::kTreasureSettings));
    out_.packs = DecodePackSizes(At(files::kAmmoHealthSettings));
    out_.wall_animation = DecodeWallAnimation(At(files::kWallAnimSettings));
    out_.level_midi = DecodeMidiEnabled(At(files::kMidiSettings));
    out_.title = config::FirstLine(At(files::kGameTitle));
    out_.cheat_code = DecodeCheatCode(At(files::kCheat));
    out_.info_text = DecodeInfoText(At(files::kInfoText));
  }

  bool ReadLevels() {
    const int count = out_.settings.level_count;
    if (count < 1 || count > 20) {
      problem_ = "the level count " + std::to_string(count) + " is outside 1 to 20";
      return false;
    }
    out_.levels.assign(static_cast<size_t>(count), LevelMap{});
    for (int level = 1; level <= count; ++level) {
      const Entry& bytes = At(EntryIndex("game", level));
      std::string error;
      if (bytes.empty()) {
        problem_ = "level " + std::to_string(level) + " is missing";
        return false;
      }
      if (!ParseLevel(bytes, out_.levels[static_cast<size_t>(level - 1)], error)) {
        problem_ = "level " + std::to_string(level) + ": " + error;
        return false;
      }
      out_.level_midi_files.push_back(At(EntryIndex("midilvl", level)));
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
    for (int k = 1; k <= 40; ++k) ok = ok && Texture(EntryIndex("tex", k), false, out_.wall_textures[k - 1]);
    for (int k = 1; k <= 20 && k <= out_.LevelCount(); ++k) {
      ok = ok && Texture(EntryIndex("floortex", k), false, out_.floor_textures[k - 1]);
      ok = ok && Texture(EntryIndex("ceiltex", k), false, out_.ceiling_textures[k - 1]);
      ok = ok && Texture(EntryIndex("doortex", k), false, out_.door_textures[k - 1]);
    }
    ok = ok && Texture(EntryIndex("specialdoor"), false, out_.exit_door_texture);
    for (int s = 1; s <= 10; ++s) {
      std::array<game::Texture, 5>& views = out_.sprite_textures[s - 1];
      ok = ok && Texture(EntryIndex("sprite", s), true, views[0]);
      for (int j = 1; j <= 4; ++j)
        ok = ok && Texture(EntryIndex("sprite", s, kSpriteViews[j - 1]), true, views[j]);
    }
    for (int w = 1; w <= 6; ++w) {
      ok = ok && Texture(EntryIndex("weapon", w, "sprite"), true, out_.weapon_item_textures[w - 1]);
      ok = ok && Texture(EntryIndex("bullet", w), true, out_.bullet_textures[w - 1]);
      ok = ok && Texture(EntryIndex("bulletexplode", w), true, out_.explosion_textures[w - 1]);
    }
    for (int t = 1; t <= 5; ++t)
      ok = ok && Texture(EntryIndex("treasure", t, "sprite"), true, out_.treasure_textures[t - 1]);
    ok = ok && Texture(EntryIndex("food"), true, out_.health_texture) &&
         Texture(EntryIndex("ammo"), true, out_.ammo_texture) &&
         Texture(EntryIndex("key"), true, out_.key_texture);
    for (int e = 1; e <= 5; ++e) {
      int frame = 0;
      for (const auto& [kind, count] : kEnemyFrameKinds)
        for (int j = 1; j <= count; ++j)
          ok = ok && Texture(EntryIndex(kind + std::to_string(e) + "_", j), true,
                             out_.enemy_frames[e - 1][frame++]);
    }
    return ok;
  }

  bool ReadScreens() {
    bool ok = Screen(EntryIndex("introscreen"), false, out_.intro) &&
              Screen(EntryIndex("helpscreen"), false, out_.help) &&
              Screen(EntryIndex("entering_next_level"), false, out_.entering_next_level) &&
              Screen(EntryIndex("finished"), false, out_.finished);
    for (int m = 1; m <= 4; ++m) ok = ok && Screen(EntryIndex("menu", m), false, out_.menus[m - 1]);
    ok = ok && Screen(EntryIndex("volumebutton"), true, out_.volume_button) &&
         Screen(EntryIndex("menubutton"), true, out_.menu_button) &&
         Screen(EntryIndex("numbers"), false, out_.numbers) &&
         Screen(EntryIndex("scorenums"), false, out_.score_numbers) &&
         Screen(EntryIndex("keypicture"), false, out_.key_picture) &&
         Screen(EntryIndex("mask"), false, out_.mask) &&
         Screen(EntryIndex("guncenter"), true, out_.gun_center);
    for (int w = 1; w <= 6; ++w)
      for (int p = 1; p <= 5; ++p)
        ok = ok && Screen(EntryIndex("weapon" + std::to_string(w) + "bitmap", p), true,
                          out_.weapon_in_hand[w - 1][p - 1]);
    return ok;
  }

  // The sounds lie together from the impact sounds to the treasure sound.
  void ReadSounds() {
    out_.sounds.assign(static_cast<size_t>(gamebuild::kGamePakEntries), Entry{});
    for (int index = EntryIndex("impact1sound"); index <= EntryIndex("treasurefoundsound"); ++index)
      out_.sounds[static_cast<size_t>(index)] = At(index);
    out_.menu_music = At("menumusic");
  }

  const std::vector<Entry>& entries_;
  GameData& out_;
  std::string problem_;
};

}  // namespace

bool IsPlayableVersion(std::span<const uint8_t> version_entry) {
  return platform::ByteView(version_entry).I32(0) == gamebuild::kPackVersion;
}

LoadResult LoadGameData(const std::vector<Entry>& entries, GameData& out) {
  // The fresh record is made on the heap: its pictures take megabytes, more
  // than a stack holds beside the caller's own record in a sanitizer build.
  out = std::move(*std::make_unique<GameData>());
  const LoadResult result = Loader(entries, out).Run();
  // FNV-1a over each entry's length and bytes.
  uint64_t hash = 14695981039346656037ull;
  auto mix = [&hash](uint8_t byte) { hash = (hash ^ byte) * 1099511628211ull; };
  for (const Entry& entry : entries) {
    for (int shift = 0; shift < 32; shift += 8) mix(static_cast<uint8_t>(entry.size() >> shift));
    for (uint8_t byte : entry) mix(byte);
  }
  out.pack_hash = hash;
  return result;
}

}  // namespace game
