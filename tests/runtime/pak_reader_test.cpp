// game.pak read through the pack reader: every entry in order, and damaged
// or missing packs reported by what is wrong.
#include <gtest/gtest.h>

#include "game_data.h"
#include "game_entry_source.h"
#include "gamebuild/pack_file.h"
#include "tests/runtime/sample_game.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace game;
using testing_support::TempFolder;

// Writes the non-empty entries as a pack (the writer skips empty data).
void WritePack(const std::filesystem::path& path, const std::vector<Entry>& entries) {
  gamebuild::PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(path));
  for (const Entry& e : entries) EXPECT_EQ(writer.PackAddMemory(e), e.empty() ? 0 : 1);
  ASSERT_TRUE(writer.PackClose());
}

std::vector<Entry> Filled(int count) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i)
    entries.push_back(Entry(100 + static_cast<size_t>(i), static_cast<uint8_t>(i)));
  return entries;
}

TEST(PakReader, ReadsTheSampleGameBackEntryForEntry) {
  TempFolder folder;
  std::vector<Entry> entries = sample::Entries();
  for (Entry& e : entries)
    if (e.empty()) e = {0};  // a pack holds no empty entries
  WritePack(folder / "game.pak", entries);
  std::vector<Entry> read;
  const PakRead result = ReadGamePakEntries(folder / "game.pak", read);
  ASSERT_EQ(result.status, PakReadStatus::kOk) << result.message;
  EXPECT_EQ(read, entries);
  GameData data;
  EXPECT_EQ(LoadGameData(read, data).status, LoadStatus::kOk);
}

TEST(PakReader, StopsAfterTheEntriesOfAGame) {
  TempFolder folder;
  WritePack(folder / "game.pak", Filled(383));
  std::vector<Entry> read;
  ASSERT_EQ(ReadGamePakEntries(folder / "game.pak", read).status, PakReadStatus::kOk);
  EXPECT_EQ(read.size(), 380u);
}

TEST(PakReader, MissingOrUnreadablePacksAreNotFound) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "folder.pak");
  std::vector<Entry> read;
  EXPECT_EQ(ReadGamePakEntries(folder / "game.pak", read).status, PakReadStatus::kNotFound);
  EXPECT_EQ(ReadGamePakEntries(folder / "folder.pak", read).status, PakReadStatus::kNotFound);
}

TEST(PakReader, DamagedEntriesAreNamed) {
  TempFolder folder;
  WritePack(folder / "good.pak", Filled(3));
  const Entry good = platform::ReadFileBytes(folder / "good.pak").value();
  const uint32_t first_stored = good[4] | good[5] << 8;
  const size_t second = gamebuild::kEntryHeaderSize + first_stored;  // header of entry 2
  struct Case {
    const char* what;
    std::function<void(Entry&)> damage;
    const char* message;
    size_t entries_before;
  } cases[] = {
      {"cut inside entry 2", [&](Entry& b) { b.resize(second + 10); }, "entry 2 (Version): pack cut short",
       1},
      {"entry 2 of size 0", [&](Entry& b) { b[second] = b[second + 1] = b[second + 2] = b[second + 3] = 0; },
       "entry 2 (Version): entry sizes invalid", 1},
      {"payload of entry 1 changed", [&](Entry& b) { b[gamebuild::kEntryHeaderSize + 2] ^= 0x55; },
       "entry 1 (password block)", 0},
      {"not a pack", [&](Entry& b) { b = Entry(5, 'x'); }, "entry 1 (password block): pack cut short", 0},
  };
  for (const Case& c : cases) {
    Entry bytes = good;
    c.damage(bytes);
    folder.Write("game.pak", bytes);
    std::vector<Entry> read;
    const PakRead result = ReadGamePakEntries(folder / "game.pak", read);
    EXPECT_EQ(result.status, PakReadStatus::kDamaged) << c.what;
    EXPECT_NE(result.message.find("game.pak is damaged: " + std::string(c.message)), std::string::npos)
        << c.what << ": " << result.message;
    EXPECT_EQ(read.size(), c.entries_before) << c.what;
  }
}

}  // namespace
