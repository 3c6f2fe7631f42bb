// A small complete game made in code: the 380 entries of a game.pak with
// procedural pictures, two levels and settings, for tests and benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/picture.h"
#include "game_data.h"
#include "game_draw.h"
#include "game_entry_index.h"
#include "game_entry_source.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/password_block.h"
#include "platform/byte_io.h"

namespace sample {

using game::Entry;

inline void PutInt(Entry& e, int32_t v) {
  platform::ByteWriter(e).I32(v);
}

// A slot picture as the editor stores it: rows and columns exchanged.
inline Entry StoredSlot(const assets::Picture& user) {
  assets::Picture stored(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) stored.set(x, y, user.at(y, x));
  return assets::EncodeBmp24(stored);
}

inline assets::Rgb Mix(assets::Rgb a, int scale) {
  auto c = [scale](int v) { return static_cast<uint8_t>(std::clamp(v * scale / 100, 0, 255)); };
  return {c(a.r), c(a.g), c(a.b)};
}

inline assets::Picture Bricks(assets::Rgb base) {
  assets::Picture p(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const int row = y / 16, shifted = (x + (row % 2) * 16) % 32;
      const bool mortar = y % 16 == 0 || shifted == 0;
      p.set(x, y, mortar ? assets::Rgb{90, 90, 90} : Mix(base, 80 + ((x * 7 + y * 13) % 40)));
    }
  return p;
}

inline assets::Picture Tiles(assets::Rgb a, assets::Rgb b) {
  assets::Picture p(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) p.set(x, y, ((x / 32) + (y / 32)) % 2 ? a : Mix(b, 90 + (x + y) % 20));
  return p;
}

inline assets::Picture Door(assets::Rgb base) {
  assets::Picture p(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool frame = x < 4 || x > 59 || y < 4 || y > 59 || (x > 28 && x < 35);
      p.set(x, y, frame ? assets::Rgb{60, 50, 40} : Mix(base, 90 + (y % 8) * 3));
    }
  return p;
}

// A figure on a white (transparent) background: body, head, and a pose shift.
inline assets::Picture Figure(assets::Rgb body, int pose, bool dying = false, int stage = 0) {
  assets::Picture p(64, 64, {255, 255, 255});
  const int sink = dying ? stage * 9 : 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const int dx = x - 32, hy = y - 14 - sink;
      const bool head = dx * dx + hy * hy < 60;
      const bool torso = y >= 22 + sink && y < 46 && std::abs(dx) < 10 - (dying ? stage : 0);
      const bool legs =
          y >= 46 && y < 64 && !dying && (std::abs(dx - 5 - pose) < 3 || std::abs(dx + 5 - pose) < 3);
      const bool arm = y >= 26 + sink && y < 30 + sink && dx > 8 && dx < 22 && pose >= 4;
      if (head)
        p.set(x, y, {230, 190, 150});
      else if (torso || legs)
        p.set(x, y, legs ? Mix(body, 60) : body);
      else if (arm)
        p.set(x, y, {40, 40, 40});
      else if (dying && stage == 4 && y > 54 && std::abs(dx) < 20)
        p.set(x, y, Mix(body, 70));
    }
  return p;
}

inline assets::Picture Blob(assets::Rgb color, int radius, int cy = 48) {
  assets::Picture p(64, 64, {255, 255, 255});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if ((x - 32) * (x - 32) + (y - cy) * (y - cy) < radius * radius)
        p.set(x, y, Mix(color, 70 + (y - cy + radius) * 3));
  return p;
}

inline assets::Picture Pillar(assets::Rgb color, int damage) {
  assets::Picture p(64, 64, {255, 255, 255});
  for (int y = 0; y < 64; ++y)
    for (int x = 20; x < 44; ++x) {
      if (damage >= 4 && y < 48) continue;
      if (damage > 0 && ((x * 31 + y * 17) % 7) < damage) continue;
      p.set(x, y, Mix(color, 60 + (x - 20) * 3));
    }
  return p;
}

inline Entry ScreenWithText(int w, int h, uint32_t background, const std::vector<std::string>& lines) {
  game::FrameBuffer f(w, h, background);
  for (size_t i = 0; i < lines.size(); ++i)
    game::DrawText(f, lines[i], 96, 20 + 24 * static_cast<int>(i), 2, game::Rgb(255, 230, 120));
  return assets::EncodeBmp24(game::ToPicture(f));
}

inline Entry DigitStrip(uint32_t color) {
  game::FrameBuffer f(200, 20, game::Rgb(30, 30, 30));
  for (int d = 0; d < 10; ++d) game::DrawText(f, std::to_string(d), d * 20 + 5, 2, 2, color);
  return assets::EncodeBmp24(game::ToPicture(f));
}

inline Entry WeaponInHand(int weapon, int picture) {
  assets::Picture p(64, 74, {255, 255, 255});
  for (int y = 20; y < 74; ++y)
    for (int x = 24; x < 40; ++x) p.set(x, y, Mix({70, 70, 80}, 60 + x + weapon * 5));
  for (int y = 50; y < 74; ++y)
    for (int x = 18; x < 46; ++x) p.set(x, y, {200, 160, 120});
  if (picture >= 2 && picture <= 3)
    for (int y = 2; y < 20; ++y)
      for (int x = 22; x < 42; ++x)
        if ((x - 32) * (x - 32) + (y - 11) * (y - 11) < 70) p.set(x, y, {255, 200, 40});
  return assets::EncodeBmp24(p);
}

inline Entry Level(const std::vector<std::string>& rows) {
  Entry bytes;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const char c =
          y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size()) ? rows[y][x] : '#';
      uint8_t b = 16;
      switch (c) {
        case '#':
          b = 16;
          break;
        case '%':
          b = 17;
          break;
        case '=':
          b = 18;
          break;
        case '&':
          b = 36;
          break;
        case '.':
          b = 120;
          break;
        case 'D':
          b = 56;
          break;
        case 'E':
          b = 57;
          break;
        case 'P':
          b = 92;
          break;
        case 's':
          b = 64;
          break;
        case 't':
          b = 65;
          break;
        case 'w':
          b = 82;
          break;
        case 'h':
          b = 87;
          break;
        case 'a':
          b = 88;
          break;
        case 'k':
          b = 89;
          break;
        case 'e':
          b = 104;
          break;
        case 'f':
          b = 105;
          break;
        case '$':
          b = 109;
          break;
        default:
          b = 120;
          break;
      }
      bytes.push_back(b);
    }
    bytes.push_back(13);
    bytes.push_back(10);
  }
  return bytes;
}

inline std::vector<std::string> LevelOneRows() {
  return {"########################", "#......#....s....%.....#", "#P.....D.........D...e.#",
          "#......#.........%.....#", "###D####....$....%%%D%%%", "#......#.........%.....#",
          "#..w...====D======..a..#", "#......=.........=.....#", "#......D....f....D..k..#",
          "#..h...=....t....=.....E", "########################"};
}

inline std::vector<std::string> LevelTwoRows() {
  return {"&&&&&&&&&&&&&&&&", "&P.............&", "&..s......s....&", "&......e.......&",
          "&..s......s....&", "&..............E", "&&&&&&&&&&&&&&&&"};
}

// A short mono 8-bit wave: a beep of `tone` Hz.
inline Entry Beep(int tone) {
  constexpr int kRate = 11025, kSamples = kRate / 10;
  Entry e;
  platform::ByteWriter out(e);
  auto tag = [&out](std::string_view t) {
    out.Bytes(std::span(reinterpret_cast<const uint8_t*>(t.data()), 4));
  };
  tag("RIFF"), out.U32(36 + kSamples), tag("WAVE");
  tag("fmt "), out.U32(16), out.U16(1), out.U16(1), out.U32(kRate), out.U32(kRate), out.U16(1), out.U16(8);
  tag("data"), out.U32(kSamples);
  for (int i = 0; i < kSamples; ++i)
    e.push_back(static_cast<uint8_t>(128 + ((i * tone * 2 / kRate) % 2 ? 40 : -40)));
  return e;
}

// A standard MIDI file of one track: a tempo, a time signature and a short
// scale of notes, ended by the end-of-track event.
inline Entry Tune() {
  Entry track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08,
                 0x00, 0xC0, 0x13};
  for (uint8_t key : {60, 62, 64, 65, 67}) {
    track.insert(track.end(), {0x00, 0x90, key, 0x60});
    track.insert(track.end(), {0x83, 0x60, 0x80, key, 0x00});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  Entry file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
  for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<uint8_t>(track.size() >> shift));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

// Key-list indexes used by the sample's bindings.
constexpr int kUp = 95, kDown = 96, kLeft = 97, kRight = 98, kA = 13, kD = 16, kM = 25, kSpace = 59,
              kCtrl = 47, kTab = 43, kPageUp = 100, kPageDown = 101;

inline Entry Settings(int levels) {
  Entry e;
  for (int v : {levels, kUp,     0,         5, kDown, 0,     5,      kA, kD, 5,  kLeft, kRight, 0,
                5,      kPageUp, kPageDown, 0, 5,     kCtrl, kSpace, 5,  1,  kM, 0,     1,      1})
    PutInt(e, v);
  return e;
}

// The 380 entries of the sample game in pack order.
inline std::vector<Entry> Entries(int levels = 2) {
  using game::EntryIndex, game::Rgb;
  std::vector<Entry> e(gamebuild::kGamePakEntries);
  auto at = [&e](int index) -> Entry& { return e[static_cast<size_t>(index)]; };
  at(game::kPasswordEntry) = gamebuild::PasswordBlockBytes(
      gamebuild::EncodePasswordBlock(std::vector<uint8_t>{'S', 'A', 'M', 'P', 'L', 'E'}));
  PutInt(at(EntryIndex("Version")), 405);
  PutInt(at(EntryIndex("Version")), 405);
  for (int t = 0; t < 5; ++t) PutInt(at(EntryIndex("Treasuresettings")), 100 * (t + 1));
  for (int r = 0; r < 11; ++r) PutInt(at(EntryIndex("wasettings")), r == 10 ? 2 : 0);
  at(EntryIndex("MidiSettings")) = Entry(10, 0);
  at(EntryIndex("spritesettings")) = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 3, 0, 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  at(EntryIndex("ammohealthsettings")) = {15, 25, 15, 25, 15, 25};
  at(EntryIndex("weaponsettings")) = {1,  1, 0,  1,  1, 1,  5,  3, 5,  2,  2,  1,    2, 5, 10, 4, 8, 10, 30,
                                      10, 0, 10, 10, 5, 99, 40, 1, 50, 50, 20, kTab, 1, 0, 1,  0, 0, 1,  1};
  at(EntryIndex("enemysettings")) = {1, 1, 0, 1, 1, 4, 6, 3, 5, 2, 6, 10, 4, 8, 20, 5, 8, 10, 6, 12};
  at(EntryIndex("settings")) = Settings(levels);
  const std::string info = "A sample game", title = "Sample Game", cheat = " IDDQ";
  at(EntryIndex("InfoText")) = Entry(info.begin(), info.end());
  at(EntryIndex("gametitle")) = Entry(title.begin(), title.end());
  at(EntryIndex("cheat")) = Entry(cheat.begin(), cheat.end());
  // The menu music and every sound after it, each a beep of its own.
  const int music = EntryIndex("menumusic");
  for (int index = music; index <= EntryIndex("treasurefoundsound"); ++index)
    at(index) = Beep(200 + 10 * (index - music));
  for (int k = 1; k <= 20; ++k) at(EntryIndex("midilvl", k)) = {'M', 'T', 'h', 'd'};
  const uint32_t bg = Rgb(20, 30, 60);
  at(EntryIndex("introscreen")) = ScreenWithText(320, 200, Rgb(60, 20, 20), {"SAMPLE GAME", "press a key"});
  at(EntryIndex("helpscreen")) =
      ScreenWithText(320, 300, bg, {"HELP", "arrows walk", "space opens", "ctrl shoots"});
  for (int w = 1; w <= 6; ++w) {
    at(EntryIndex("bullet", w)) = StoredSlot(Blob({255, 220, 60}, 5, 32));
    at(EntryIndex("bulletexplode", w)) = StoredSlot(Blob({255, 120, 20}, 14, 32));
  }
  {
    assets::Picture cross(16, 16, {255, 255, 255});
    for (int i = 0; i < 16; ++i) cross.set(i, 8, {255, 255, 0}), cross.set(8, i, {255, 255, 0});
    at(EntryIndex("guncenter")) = assets::EncodeBmp24(cross);
  }
  at(EntryIndex("entering_next_level")) = ScreenWithText(320, 200, bg, {"ENTERING", "NEXT LEVEL"});
  at(EntryIndex("specialdoor")) = StoredSlot(Door({220, 180, 40}));
  for (int k = 1; k <= 20; ++k) {
    at(EntryIndex("floortex", k)) = StoredSlot(Tiles({90, 80, 70}, {120, 110, 90}));
    at(EntryIndex("ceiltex", k)) = StoredSlot(Tiles({60, 60, 70}, {80, 80, 95}));
    at(EntryIndex("doortex", k)) = StoredSlot(Door({60, 110, 170}));
  }
  at(EntryIndex("numbers")) = DigitStrip(Rgb(255, 80, 80));
  at(EntryIndex("scorenums")) = DigitStrip(Rgb(255, 220, 80));
  at(EntryIndex("food")) = StoredSlot(Blob({220, 40, 40}, 10));
  at(EntryIndex("keypicture")) = assets::EncodeBmp24(assets::Picture(20, 20, {230, 200, 40}));
  at(EntryIndex("key")) = StoredSlot(Blob({230, 200, 40}, 7));
  at(EntryIndex("ammo")) = StoredSlot(Blob({60, 160, 60}, 9));
  at(EntryIndex("mask")) = assets::EncodeBmp24(assets::Picture(320, 24, {50, 50, 60}));
  for (int s = 1; s <= 10; ++s) {
    at(EntryIndex("sprite", s)) = StoredSlot(Pillar({140, 140, 160}, 0));
    int damage = 1;
    for (const char* view : {"b", "c", "d", "e"})
      at(EntryIndex("sprite", s, view)) = StoredSlot(Pillar({140, 140, 160}, damage++));
  }
  at(EntryIndex("menu1")) =
      ScreenWithText(320, 200, bg, {"MAIN MENU", "new game", "help", "sound", "info", "quit"});
  at(EntryIndex("menu2")) = ScreenWithText(320, 200, bg, {"PAUSED", "continue", "help", "sound", "end game"});
  at(EntryIndex("menu3")) = ScreenWithText(320, 200, Rgb(90, 0, 0), {"GAME OVER"});
  at(EntryIndex("menu4")) = ScreenWithText(320, 200, bg, {"SOUND", "volume"});
  at(EntryIndex("volumebutton")) = assets::EncodeBmp24(assets::Picture(12, 12, {240, 240, 240}));
  at(EntryIndex("menubutton")) = assets::EncodeBmp24(assets::Picture(16, 16, {255, 220, 60}));
  at(EntryIndex("finished")) = ScreenWithText(320, 200, Rgb(20, 60, 20), {"FINISHED!"});
  for (int w = 1; w <= 6; ++w) at(EntryIndex("weapon", w, "sprite")) = StoredSlot(Blob({80, 80, 90}, 8));
  for (int t = 1; t <= 5; ++t) at(EntryIndex("treasure", t, "sprite")) = StoredSlot(Blob({250, 210, 0}, 6));
  for (int w = 1; w <= 6; ++w)
    for (int p = 1; p <= 5; ++p)
      at(EntryIndex("weapon" + std::to_string(w) + "bitmap", p)) = WeaponInHand(w - 1, p);
  static const assets::Rgb kWallColors[] = {{150, 70, 50}, {90, 110, 140}, {120, 130, 80}, {140, 120, 100}};
  for (int t = 1; t <= 40; ++t) at(EntryIndex("tex", t)) = StoredSlot(Bricks(kWallColors[(t - 1) % 4]));
  static const assets::Rgb kEnemyColors[] = {
      {40, 120, 40}, {130, 40, 40}, {40, 40, 140}, {120, 120, 40}, {100, 40, 120}};
  for (int en = 1; en <= 5; ++en) {
    const assets::Rgb body = kEnemyColors[en - 1];
    const std::string ene = std::to_string(en) + "_";
    for (int f = 1; f <= 4; ++f) at(EntryIndex("walk_ene" + ene, f)) = StoredSlot(Figure(body, f - 1));
    for (int f = 1; f <= 2; ++f) at(EntryIndex("shoot_ene" + ene, f)) = StoredSlot(Figure(body, 3 + f));
    for (int f = 1; f <= 5; ++f)
      at(EntryIndex("die_ene" + ene, f)) = StoredSlot(Figure(body, 0, true, f - 1));
  }
  at(EntryIndex("game1")) = Level(LevelOneRows());
  for (int k = 2; k <= 20; ++k) at(EntryIndex("game", k)) = Level(LevelTwoRows());
  return e;
}

// Writes the entries as a program folder with `twksys/` and `pakpassword.txt`.
inline void WriteWorkspace(const std::filesystem::path& folder, const std::vector<Entry>& entries) {
  std::filesystem::create_directories(folder / "twksys");
  std::ofstream(folder / "pakpassword.txt") << "SAMPLE";
  const std::vector<std::string>& names = gamebuild::GamePakEntryNames();
  for (size_t i = 1; i < names.size(); ++i)
    std::ofstream(folder / "twksys" / names[i], std::ios::binary)
        .write(reinterpret_cast<const char*>(entries[i].data()),
               static_cast<std::streamsize>(entries[i].size()));
}

}  // namespace sample
