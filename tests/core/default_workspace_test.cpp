// The default program folder made by tarnwick-workspace: every file that
// game.pak carries, in the format its reader expects, the sample levels
// playable, and the same bytes at every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/workspace.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"
#include "world/level_validation.h"

namespace {

namespace fs = std::filesystem;
using testing_support::RunAndCapture;
using testing_support::TempFolder;

uint32_t Le32(const platform::Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const platform::Bytes& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t Be32(const platform::Bytes& b, size_t at) {
  return (static_cast<uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

std::string N(const std::string& prefix, int n, const std::string& suffix = "") {
  return prefix + std::to_string(n) + suffix;
}

enum class Kind { kSlot, kScreen, kWave, kMidi, kRecord, kText, kLevel };

// The workspace files of game.pak in pack order, positions 3 to 380.
std::vector<std::pair<std::string, Kind>> PackFiles() {
  std::vector<std::pair<std::string, Kind>> files;
  auto add = [&files](const std::string& name, Kind kind) { files.push_back({name, kind}); };
  add("Treasuresettings", Kind::kRecord);
  add("wasettings", Kind::kRecord);
  add("MidiSettings", Kind::kRecord);
  for (int k = 1; k <= 20; ++k) add(N("midilvl", k), Kind::kMidi);
  for (const char* r :
       {"spritesettings", "ammohealthsettings", "weaponsettings", "enemysettings", "settings"})
    add(r, Kind::kRecord);
  for (const char* t : {"InfoText", "gametitle", "cheat"}) add(t, Kind::kText);
  add("menumusic", Kind::kWave);
  for (int k = 1; k <= 6; ++k) add(N("impact", k, "sound"), Kind::kWave);
  for (int k = 1; k <= 6; ++k) add(N("weapon", k, "sound"), Kind::kWave);
  for (const char* s : {"keyfoundsound", "sirenesound", "nextlevelsound", "gamefinishedsound",
                        "weaponfoundsound", "ammofoundsound", "reloadsound"})
    add(s, Kind::kWave);
  for (int k = 1; k <= 5; ++k) add(N("enemy", k, "shootsound"), Kind::kWave);
  for (const char* s : {"dooropensound", "doorclosesound", "footstepsound", "healthfoundsound"})
    add(s, Kind::kWave);
  for (int k = 1; k <= 5; ++k) add(N("enemy", k, "diesound"), Kind::kWave);
  for (int k = 1; k <= 5; ++k) add(N("enemy", k, "heysound"), Kind::kWave);
  for (int k = 1; k <= 10; ++k) add(N("spr", k, "destroysound"), Kind::kWave);
  add("treasurefoundsound", Kind::kWave);
  add("introscreen", Kind::kScreen);
  add("helpscreen", Kind::kScreen);
  for (int k = 1; k <= 6; ++k) {
    add(N("bullet", k), Kind::kSlot);
    add(N("bulletexplode", k), Kind::kSlot);
  }
  add("guncenter", Kind::kScreen);
  add("entering_next_level", Kind::kScreen);
  add("specialdoor", Kind::kSlot);
  for (const char* set : {"floortex", "ceiltex", "doortex"})
    for (int k = 1; k <= 20; ++k) add(N(set, k), Kind::kSlot);
  add("numbers", Kind::kScreen);
  add("scorenums", Kind::kScreen);
  add("food", Kind::kSlot);
  add("keypicture", Kind::kScreen);
  add("key", Kind::kSlot);
  add("ammo", Kind::kSlot);
  add("mask", Kind::kScreen);
  for (int k = 1; k <= 10; ++k) add(N("sprite", k), Kind::kSlot);
  for (int k = 1; k <= 10; ++k)
    for (char j : {'b', 'c', 'd', 'e'}) add(N("sprite", k) + j, Kind::kSlot);
  for (const char* s : {"menu1", "menu2", "menu3", "menu4", "volumebutton", "menubutton", "finished"})
    add(s, Kind::kScreen);
  for (int k = 1; k <= 6; ++k) add(N("weapon", k, "sprite"), Kind::kSlot);
  for (int k = 1; k <= 5; ++k) add(N("treasure", k, "sprite"), Kind::kSlot);
  for (int k = 1; k <= 6; ++k)
    for (int j = 1; j <= 5; ++j) add(N("weapon", k, "bitmap") + std::to_string(j), Kind::kScreen);
  for (int k = 1; k <= 40; ++k) add(N("tex", k), Kind::kSlot);
  for (int e = 1; e <= 5; ++e) {
    for (int j = 1; j <= 4; ++j) add(N("walk_ene", e, "_") + std::to_string(j), Kind::kSlot);
    for (int j = 1; j <= 2; ++j) add(N("shoot_ene", e, "_") + std::to_string(j), Kind::kSlot);
    for (int j = 1; j <= 5; ++j) add(N("die_ene", e, "_") + std::to_string(j), Kind::kSlot);
  }
  for (int k = 1; k <= 20; ++k) add(N("game", k), Kind::kLevel);
  return files;
}

struct Bmp {
  int width = 0, height = 0;
};

// Checks the 24-bit BMP layout the editor writes; returns its size.
Bmp CheckBmp(const platform::Bytes& b, const std::string& name) {
  Bmp bmp;
  EXPECT_GE(b.size(), 54u) << name;
  if (b.size() < 54) return bmp;
  EXPECT_TRUE(b[0] == 'B' && b[1] == 'M') << name;
  EXPECT_EQ(Le32(b, 2), b.size()) << name;
  EXPECT_EQ(Le32(b, 10), 54u) << name;
  EXPECT_EQ(Le32(b, 14), 40u) << name;
  bmp.width = static_cast<int>(Le32(b, 18));
  bmp.height = static_cast<int>(Le32(b, 22));
  EXPECT_EQ(Le16(b, 26), 1) << name;
  EXPECT_EQ(Le16(b, 28), 24) << name;
  EXPECT_EQ(Le32(b, 30), 0u) << name;
  const size_t row = (static_cast<size_t>(bmp.width) * 3 + 3) & ~size_t{3};
  EXPECT_EQ(b.size(), 54 + row * bmp.height) << name;
  return bmp;
}

// The colour of the stored file's pixel (x, y), top-down.
uint32_t PixelOf(const platform::Bytes& b, int x, int y) {
  const int width = static_cast<int>(Le32(b, 18)), height = static_cast<int>(Le32(b, 22));
  const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t at = 54 + row * (height - 1 - y) + 3 * x;
  return (b[at + 2] << 16) | (b[at + 1] << 8) | b[at];
}

void CheckWave(const platform::Bytes& b, const std::string& name) {
  ASSERT_GE(b.size(), 44u) << name;
  EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0) << name;
  EXPECT_EQ(Le32(b, 4), b.size() - 8) << name;
  EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0) << name;
  EXPECT_EQ(Le16(b, 20), 1) << name;  // PCM
  const uint16_t channels = Le16(b, 22), bits = Le16(b, 34);
  EXPECT_EQ(Le32(b, 28), Le32(b, 24) * channels * bits / 8) << name;
  EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0) << name;
  EXPECT_EQ(Le32(b, 40), b.size() - 44) << name;
  EXPECT_GT(Le32(b, 40), 1000u) << name << " is almost silent";
}

// Walks the chunks of a standard MIDI file: every track ends with its
// end-of-track event and the chunks fill the file exactly.
void CheckMidi(const platform::Bytes& b, const std::string& name) {
  ASSERT_GE(b.size(), 14u) << name;
  EXPECT_EQ(std::memcmp(b.data(), "MThd", 4), 0) << name;
  EXPECT_EQ(Be32(b, 4), 6u) << name;
  const int tracks = (b[10] << 8) | b[11];
  EXPECT_GE(tracks, 1) << name;
  size_t at = 14;
  for (int t = 0; t < tracks; ++t) {
    ASSERT_LE(at + 8, b.size()) << name;
    EXPECT_EQ(std::memcmp(b.data() + at, "MTrk", 4), 0) << name;
    const size_t length = Be32(b, at + 4);
    ASSERT_LE(at + 8 + length, b.size()) << name;
    EXPECT_EQ(b[at + 8 + length - 3], 0xFF) << name;
    EXPECT_EQ(b[at + 8 + length - 2], 0x2F) << name;
    at += 8 + length;
  }
  EXPECT_EQ(at, b.size()) << name;
  EXPECT_LE(b.size(), 120000u) << name;
}

class DefaultWorkspace : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new TempFolder;
    const auto run =
        RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" + home_->path().string() + "'");
    ASSERT_EQ(run.status, 0) << run.out;
  }
  static void TearDownTestSuite() {
    delete home_;
    home_ = nullptr;
  }
  static platform::Workspace Workspace() { return platform::Workspace(home_->path()); }
  static platform::Bytes Read(const std::string& name) {
    return Workspace().Read(name).value_or(platform::Bytes{});
  }

  static TempFolder* home_;
};

TempFolder* DefaultWorkspace::home_ = nullptr;

TEST_F(DefaultWorkspace, HoldsEveryPackFileInItsFormat) {
  const std::map<std::string, Bmp> screen_sizes = {
      {"introscreen", {320, 200}}, {"helpscreen", {320, 200}},
      {"guncenter", {16, 16}},     {"entering_next_level", {320, 200}},
      {"numbers", {200, 20}},      {"scorenums", {200, 20}},
      {"keypicture", {20, 20}},    {"mask", {320, 24}},
      {"menu1", {320, 200}},       {"menu2", {320, 200}},
      {"menu3", {320, 200}},       {"menu4", {320, 200}},
      {"volumebutton", {12, 12}},  {"menubutton", {16, 16}},
      {"finished", {320, 200}},
  };
  const std::map<std::string, size_t> record_sizes = {
      {"Treasuresettings", 20},  {"wasettings", 44},     {"MidiSettings", 10},  {"spritesettings", 30},
      {"ammohealthsettings", 6}, {"weaponsettings", 38}, {"enemysettings", 20}, {"settings", 104},
  };
  const auto files = PackFiles();
  ASSERT_EQ(files.size(), 378u);
  for (const auto& [name, kind] : files) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Workspace().Exists(name));
    const platform::Bytes b = Read(name);
    switch (kind) {
      case Kind::kSlot: {
        const Bmp bmp = CheckBmp(b, name);
        EXPECT_EQ(bmp.width, 64);
        EXPECT_EQ(bmp.height, 64);
        EXPECT_EQ(b.size(), 12342u);
        break;
      }
      case Kind::kScreen: {
        const Bmp bmp = CheckBmp(b, name);
        const Bmp want = name.find("bitmap") != std::string::npos ? Bmp{64, 74} : screen_sizes.at(name);
        EXPECT_EQ(bmp.width, want.width);
        EXPECT_EQ(bmp.height, want.height);
        break;
      }
      case Kind::kWave:
        CheckWave(b, name);
        break;
      case Kind::kMidi:
        CheckMidi(b, name);
        break;
      case Kind::kRecord:
        EXPECT_EQ(b.size(), record_sizes.at(name));
        break;
      case Kind::kText: {
        EXPECT_GE(b.size(), 5u);
        const std::string text(b.begin(), b.end());
        if (name != "InfoText") {
          EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
        }
        break;
      }
      case Kind::kLevel:
        EXPECT_EQ(b.size(), static_cast<size_t>(world::kLevelFileSize));
        break;
    }
  }
  const Bmp sheet = CheckBmp(Read("ic"), "ic");
  EXPECT_EQ(sheet.width, 550);
  EXPECT_EQ(sheet.height, 550);
}

TEST_F(DefaultWorkspace, RecordsHoldValuesTheDialogsAccept) {
  const platform::Bytes settings = Read("settings");
  EXPECT_EQ(Le32(settings, 0), 3u);  // three levels
  for (size_t key : {4, 16, 28, 32, 40, 44, 56, 60, 72, 76, 88}) EXPECT_LT(Le32(settings, key), 104u) << key;
  EXPECT_LE(Le32(settings, 92), 2u);

  const platform::Bytes enemies = Read("enemysettings");
  for (int e = 0; e < 5; ++e) {
    EXPECT_LE(enemies[e], 1);
    EXPECT_LE(enemies[5 + e], 12);
    EXPECT_GE(enemies[10 + e], 1);
    EXPECT_LE(enemies[10 + e], 40);
    EXPECT_LE(enemies[15 + e], 40);
    if (enemies[15 + e] == 0) {
      EXPECT_EQ(enemies[e], 0);
    }
  }
  const platform::Bytes weapons = Read("weaponsettings");
  for (int w = 0; w < 6; ++w) {
    EXPECT_GE(weapons[6 + w], 1);
    EXPECT_LE(weapons[6 + w], 5);
    EXPECT_GE(weapons[12 + w], 1);
    EXPECT_LE(weapons[12 + w], 10);
    EXPECT_LE(weapons[18 + w], 99);
    EXPECT_GE(weapons[24 + w], 1);
    EXPECT_LE(weapons[24 + w], 99);
  }
  EXPECT_LT(weapons[30], 104);
  const platform::Bytes sprites = Read("spritesettings");
  for (int s = 0; s < 10; ++s) EXPECT_LE(static_cast<int8_t>(sprites[10 + s]), 10);
  const platform::Bytes treasures = Read("Treasuresettings");
  for (int t = 0; t < 5; ++t) {
    EXPECT_GE(Le32(treasures, 4 * t), 1u);
    EXPECT_LE(Le32(treasures, 4 * t), 9000u);
  }
  const platform::Bytes packs = Read("ammohealthsettings");
  EXPECT_TRUE(packs[0] >= 1 && packs[0] <= 99 && packs[1] >= 1 && packs[1] <= 100);
  EXPECT_EQ(platform::Bytes(packs.begin(), packs.begin() + 2),
            platform::Bytes(packs.begin() + 4, packs.end()));
  EXPECT_EQ(Le32(Read("Version"), 0), 405u);
}

TEST_F(DefaultWorkspace, KeyedPicturesStandOnWhite) {
  // The four points where the import samples the background colour.
  std::vector<std::string> keyed = {"food", "ammo", "key"};
  for (int k = 1; k <= 10; ++k) keyed.push_back(N("sprite", k));
  for (int k = 1; k <= 6; ++k) keyed.push_back(N("weapon", k, "sprite"));
  for (int k = 1; k <= 5; ++k) keyed.push_back(N("Treasure", k, "sprite"));
  for (int e = 1; e <= 5; ++e) keyed.push_back(N("walk_ene", e, "_1"));
  for (const auto& name : keyed)
    for (auto [x, y] : {std::pair{1, 1}, {63, 1}, {1, 63}, {63, 63}})
      EXPECT_EQ(PixelOf(Read(name), x, y), 0xFFFFFFu) << name << " at " << x << "," << y;
  // Textures cover the whole picture.
  for (int k = 1; k <= 40; ++k) EXPECT_NE(PixelOf(Read(N("tex", k)), 1, 1), 0xFFFFFFu) << k;
}

TEST_F(DefaultWorkspace, IconSheetShowsEverySlotAtItsTile) {
  const platform::Bytes sheet = Read("ic");
  // A tile's centre for tex1, tex21, sprite10e, Treasure5sprite, walk_ene5_1 and floortex1.
  for (auto [x, y] : {std::pair{12, 12}, {37, 12}, {487, 237}, {512, 112}, {262, 12}, {312, 12}})
    EXPECT_NE(PixelOf(sheet, x, y), 0u) << x << "," << y;
  // Outside the tiles the sheet stays black.
  EXPECT_EQ(PixelOf(sheet, 540, 540), 0u);
}

TEST_F(DefaultWorkspace, GameBitmapsMatchTheWorkspaceCopies) {
  const fs::path folder = Workspace().GameBitmapsFolder();
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    (void)entry;
    ++count;
  }
  EXPECT_EQ(count, 57u);
  EXPECT_EQ(platform::ReadFileBytes(folder / "SoundScreen.bmp"), Workspace().Read("menu4"));
  EXPECT_EQ(platform::ReadFileBytes(folder / "weapon6_5.bmp"), Workspace().Read("weapon6bitmap5"));
  EXPECT_EQ(platform::ReadFileBytes(folder / "scorenums.bmp"), Workspace().Read("scorenums"));
  // Bullets are stored with rows and columns exchanged.
  const platform::Bytes source =
      platform::ReadFileBytes(folder / "BulletExplode5.bmp").value_or(platform::Bytes{});
  const platform::Bytes stored = Read("bulletexplode5");
  ASSERT_EQ(CheckBmp(source, "BulletExplode5.bmp").width, 64);
  for (auto [x, y] : {std::pair{10, 30}, {40, 20}, {5, 60}})
    EXPECT_EQ(PixelOf(source, x, y), PixelOf(stored, y, x));
}

TEST_F(DefaultWorkspace, UserGuideShowsOnlyPicturesItCarries) {
  const auto page = platform::ReadFileBytes(Workspace().HelpPage());
  ASSERT_TRUE(page);
  const std::string html(page->begin(), page->end());
  int pictures = 0;
  for (size_t at = html.find("src=\""); at != std::string::npos; at = html.find("src=\"", at + 1)) {
    const size_t end = html.find('"', at + 5);
    const fs::path picture = Workspace().HelpPage().parent_path() / html.substr(at + 5, end - at - 5);
    const auto bytes = platform::ReadFileBytes(picture);
    ASSERT_TRUE(bytes) << picture;
    EXPECT_EQ(platform::Bytes(bytes->begin(), bytes->begin() + 8),
              (platform::Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}))
        << picture;
    ++pictures;
  }
  EXPECT_GE(pictures, 5);
  for (const char* topic : {"Painting levels", "Importing pictures", "Screen bitmaps", "Sounds and music",
                            "Settings", "Create Game", "Import game.pak", "Limits and messages"})
    EXPECT_NE(html.find(topic), std::string::npos) << topic;
}

// Flood fill through everything the player can walk through or open.
std::set<std::pair<int, int>> Reachable(const world::LevelGrid& grid) {
  std::deque<std::pair<int, int>> queue;
  for (int y = 0; y < world::kLevelSize; ++y)
    for (int x = 0; x < world::kLevelSize; ++x)
      if (grid.at(x, y) == world::kPlayerStartByte) queue.push_back({x, y});
  std::set<std::pair<int, int>> seen(queue.begin(), queue.end());
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop_front();
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= world::kLevelSize || ny >= world::kLevelSize || seen.count({nx, ny}))
        continue;
      const int code = world::CellCodeOf(grid.at(nx, ny));
      if ((code >= world::kFirstWallCode && code <= world::kLastWallCode) ||
          code == world::kNextLevelDoorCode)
        continue;
      seen.insert({nx, ny});
      queue.push_back({nx, ny});
    }
  }
  return seen;
}

TEST_F(DefaultWorkspace, SampleLevelsPassValidationAndCanBeFinished) {
  EXPECT_EQ(world::ValidateLevels(Workspace(), nullptr), 0);
  for (int level = 1; level <= world::kLevelCount; ++level)
    EXPECT_EQ(world::ValidateLevel(Workspace(), level), 1) << level;
  const auto cli =
      RunAndCapture(std::string(TARNWICK_CLI) + " --home '" + home_->path().string() + "' validate");
  EXPECT_EQ(cli.status, 0) << cli.out;

  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    world::LevelGrid grid;
    world::ReadLevelBytes(Read(world::LevelFileName(level)), grid);
    const auto reachable = Reachable(grid);
    std::map<int, int> things;  // cell code -> how many can be reached
    bool exit_reached = false;
    for (auto [x, y] : reachable) {
      ++things[world::CellCodeOf(grid.at(x, y))];
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < world::kLevelSize && ny < world::kLevelSize &&
            world::CellCodeOf(grid.at(nx, ny)) == world::kNextLevelDoorCode)
          exit_reached = true;
      }
    }
    EXPECT_TRUE(exit_reached);
    EXPECT_EQ(things[world::kPlayerStartCode], 1);
    EXPECT_EQ(things[world::kKeyCode], 1);
    EXPECT_GT(things[world::kDoorCode], 0);
    int enemies = 0, treasures = 0;
    for (int e = world::kFirstEnemyCode; e <= world::kLastEnemyCode; ++e) enemies += things[e];
    for (int t = world::kFirstTreasureCode; t <= world::kLastTreasureCode; ++t) treasures += things[t];
    EXPECT_GE(enemies, 5);
    EXPECT_GE(treasures, 3);
  }
}

TEST_F(DefaultWorkspace, PacksIntoAGameAtOnce) {
  TempFolder copy;  // packing writes twksys/game.pak: keep the shared folder as made
  fs::copy(home_->path(), copy.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  copy.Write("pakpassword.txt", "STARTERGAME");
  const std::string cli = std::string(TARNWICK_CLI) + " --home '" + copy.path().string() + "' ";
  const auto pack = RunAndCapture(cli + "pack");
  ASSERT_EQ(pack.status, 0) << pack.out;
  const auto list = RunAndCapture(cli + "list '" + (copy / "twksys/game.pak").string() + "'");
  ASSERT_EQ(list.status, 0) << list.out;
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 380) << list.out;

  const auto create = RunAndCapture(cli + "create '" + (copy / "mygame").string() + "'");
  EXPECT_EQ(create.status, 0) << create.out;
  EXPECT_TRUE(fs::exists(copy / "mygame.exe"));
  EXPECT_TRUE(fs::exists(copy / "game.pak"));
}

std::map<std::string, platform::Bytes> AllFiles(const fs::path& root) {
  std::map<std::string, platform::Bytes> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), root).string()] =
          platform::ReadFileBytes(entry.path()).value_or(platform::Bytes{});
  return files;
}

TEST_F(DefaultWorkspace, TwoRunsGiveTheSameBytes) {
  TempFolder second;
  const auto run = RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL) + " '" + second.path().string() + "'");
  ASSERT_EQ(run.status, 0) << run.out;
  const auto a = AllFiles(home_->path()), b = AllFiles(second.path());
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    const auto other = b.find(name);
    ASSERT_NE(other, b.end()) << name;
    EXPECT_TRUE(bytes == other->second) << name << " differs";
  }
}

TEST(DefaultWorkspaceTool, KeepsTheAuthorsFilesUnlessForced) {
  TempFolder home;
  home.Write("twksys/tex1", std::string("my own wall"));
  home.Write("twksys/Settings", std::string("mine"));  // another spelling of `settings`
  const std::string tool = std::string(TARNWICK_WORKSPACE_TOOL) + " '" + home.path().string() + "'";
  ASSERT_EQ(RunAndCapture(tool).status, 0);
  const platform::Workspace workspace(home.path());
  EXPECT_EQ(workspace.FileSize("tex1"), 11);
  EXPECT_EQ(workspace.FileSize("settings"), 4);
  EXPECT_FALSE(fs::exists(home / "twksys/settings"));
  EXPECT_EQ(workspace.FileSize("tex2"), 12342);

  ASSERT_EQ(RunAndCapture(tool + " --force").status, 0);
  EXPECT_EQ(workspace.FileSize("tex1"), 12342);
  EXPECT_EQ(workspace.FileSize("settings"), 104);

  EXPECT_EQ(RunAndCapture(tool + " --forse").status, 2);
  EXPECT_EQ(RunAndCapture(std::string(TARNWICK_WORKSPACE_TOOL)).status, 2);
}

}  // namespace
