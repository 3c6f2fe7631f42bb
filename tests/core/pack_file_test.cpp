// Pack files written and read back, and readers facing damaged packs.
#include "gamebuild/pack_file.h"

#include <gtest/gtest.h>

#include <random>

#include "gamebuild/block_format.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

namespace {

using gamebuild::PackReader;
using gamebuild::PackStatus;
using gamebuild::PackWriter;
using testing_support::TempFolder;
using Bytes = std::vector<uint8_t>;

Bytes Random(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

Bytes Repetitive(size_t n) {
  Bytes b(n);
  for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>("wall door key "[i % 14]);
  return b;
}

Bytes Entry(uint32_t data_size, uint32_t stored_size, const Bytes& payload) {
  Bytes e;
  for (uint32_t v : {data_size, stored_size})
    for (int i = 0; i < 4; ++i) e.push_back(static_cast<uint8_t>(v >> (8 * i)));
  e.insert(e.end(), payload.begin(), payload.end());
  return e;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

struct ReadEntry {
  Bytes data;
  uint32_t stored;
};

// Every entry of a pack until the reader stops, and the status it stops with.
std::pair<std::vector<ReadEntry>, PackStatus> ReadAll(const std::filesystem::path& path,
                                                      uint32_t max_entry_size = gamebuild::kMaxEntrySize) {
  PackReader reader(max_entry_size);
  EXPECT_TRUE(reader.PackOpen(path));
  std::vector<ReadEntry> entries;
  for (;;) {
    const auto entry = reader.PackNextEntry();
    if (entry.empty()) break;
    EXPECT_EQ(reader.PackEntrySize(), static_cast<int64_t>(entry.size()));
    entries.push_back({Bytes(entry.begin(), entry.end()), reader.StoredSize()});
  }
  EXPECT_EQ(reader.PackEntrySize(), -1);
  return {entries, reader.Status()};
}

TEST(PackFile, EmptyPackIsAnEmptyFile) {
  TempFolder folder;
  PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(folder / "p"));
  EXPECT_EQ(writer.PackAddMemory({}), 0);
  EXPECT_TRUE(writer.PackClose());
  EXPECT_EQ(platform::FileSizeByName(folder / "p"), 0);
  const auto [entries, status] = ReadAll(folder / "p");
  EXPECT_TRUE(entries.empty());
  EXPECT_EQ(status, PackStatus::kEnd);
}

TEST(PackFile, EntriesComeBackInOrderRawOrCompressed) {
  TempFolder folder;
  folder.Write("file", Repetitive(5000));
  folder.Write("empty", Bytes{});
  const Bytes random = Random(3000, 1);
  const Bytes fourteen(14, 'a');
  const Bytes fifteen(40, 'b');

  PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(folder / "p"));
  EXPECT_EQ(writer.PackAddMemory(Repetitive(10000)), 1);
  EXPECT_EQ(writer.PackAddMemory(random), 1);
  EXPECT_EQ(writer.PackAddMemory(fourteen), 1);
  EXPECT_EQ(writer.PackAddFile(folder / "missing"), 0);
  EXPECT_EQ(writer.PackAddFile(folder / "empty"), 0);
  EXPECT_EQ(writer.PackAddFile(""), 0);
  EXPECT_EQ(writer.PackAddFile(folder / "file"), 1);
  EXPECT_EQ(writer.PackAddMemory(fifteen), 1);
  ASSERT_TRUE(writer.PackClose());

  const auto [entries, status] = ReadAll(folder / "p");
  EXPECT_EQ(status, PackStatus::kEnd);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].data, Repetitive(10000));
  EXPECT_LT(entries[0].stored, 200u);
  EXPECT_EQ(entries[1].data, random);
  EXPECT_EQ(entries[1].stored, 3000u);  // does not compress: stored raw
  EXPECT_EQ(entries[2].data, fourteen);
  EXPECT_EQ(entries[2].stored, 14u);  // too small to gain
  EXPECT_EQ(entries[3].data, Repetitive(5000));
  EXPECT_LT(entries[3].stored, 5000u);
  EXPECT_EQ(entries[4].data, fifteen);
  EXPECT_LT(entries[4].stored, 40u);

  // The first header: data size 10000, then the stored size.
  const auto file = platform::ReadFileBytes(folder / "p");
  ASSERT_TRUE(file);
  EXPECT_EQ(Bytes(file->begin(), file->begin() + 4), (Bytes{0x10, 0x27, 0, 0}));
  EXPECT_EQ((*file)[8], 0x4A);
  EXPECT_EQ((*file)[9], 0x43);
}

TEST(PackFile, MemoryEntriesReachSixtyFourKiBAndFileEntriesSixteen) {
  // The second half repeats the first 30000 bytes back: only the level-9
  // window of memory entries reaches that far.
  Bytes data = Random(30000, 2);
  data.insert(data.end(), data.begin(), data.end());
  TempFolder folder;
  folder.Write("file", data);
  PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(folder / "p"));
  ASSERT_EQ(writer.PackAddMemory(data), 1);
  ASSERT_EQ(writer.PackAddFile(folder / "file"), 1);
  ASSERT_TRUE(writer.PackClose());
  const auto [entries, status] = ReadAll(folder / "p");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_LT(entries[0].stored, 31000u);
  EXPECT_EQ(entries[1].stored, 60000u);
  EXPECT_EQ(entries[1].data, data);
}

TEST(PackFile, AFailedCreateWritesNothing) {
  TempFolder folder;
  PackWriter writer;
  EXPECT_FALSE(writer.PackCreate(folder / "no-folder" / "p"));
  EXPECT_EQ(writer.PackAddMemory(Repetitive(100)), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "no-folder"));
  PackReader reader;
  EXPECT_FALSE(reader.PackOpen(folder / "missing"));
  EXPECT_TRUE(reader.PackNextEntry().empty());
  EXPECT_EQ(reader.Status(), PackStatus::kNotOpen);
  EXPECT_EQ(reader.PackEntrySize(), -1);
}

TEST(PackFile, DamagedPacksAreRefused) {
  constexpr uint32_t kLimit = 1u << 20;  // the limit a reader is made with
  const Bytes good = Entry(3, 3, {1, 2, 3});
  const Bytes block = [] {
    TempFolder f;
    PackWriter w;
    EXPECT_TRUE(w.PackCreate(f / "p"));
    EXPECT_EQ(w.PackAddMemory(Repetitive(1000)), 1);
    EXPECT_TRUE(w.PackClose());
    const auto bytes = platform::ReadFileBytes(f / "p");
    return Bytes(bytes->begin() + 8, bytes->end());
  }();
  Bytes bad_checksum = block;
  bad_checksum[gamebuild::kBlockChecksumOffset] ^= 1;
  const Bytes cut_stream(block.begin(), block.end() - 4);
  const auto stored = static_cast<uint32_t>(block.size());

  struct Case {
    const char* name;
    Bytes pack;
    size_t good_entries;
    PackStatus status;
  };
  const Case cases[] = {
      {"header cut short", Concat({good, Bytes{5, 0, 0}}), 1, PackStatus::kTruncated},
      {"payload longer than the file", Concat({good, Entry(10, 10, {1, 2, 3})}), 1, PackStatus::kTruncated},
      {"entry over the reader's limit", Concat({good, Entry(kLimit + 1, 4, {1, 2, 3, 4})}), 1,
       PackStatus::kTooLarge},
      {"entry of 4 GiB", Entry(0xFFFFFFFFu, 0xFFFFFFF0u, {}), 0, PackStatus::kTooLarge},
      {"data size 0", Entry(0, 0, {}), 0, PackStatus::kBadSizes},
      {"stored size over data size", Entry(2, 3, {1, 2, 3}), 0, PackStatus::kBadSizes},
      {"block of another size", Concat({good, Entry(999, stored, block)}), 1, PackStatus::kCorrupt},
      {"checksum mismatch", Concat({good, Entry(1000, stored, bad_checksum)}), 1, PackStatus::kChecksum},
      {"bit stream cut short", Entry(1000, stored - 4, cut_stream), 0, PackStatus::kCorrupt},
      {"not a block", Entry(8, 4, {1, 2, 3, 4}), 0, PackStatus::kCorrupt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folder.Write("p", c.pack);
    const auto [entries, status] = ReadAll(folder / "p", kLimit);
    EXPECT_EQ(entries.size(), c.good_entries);
    EXPECT_EQ(status, c.status) << gamebuild::PackStatusText(status);
  }
}

TEST(PackFile, ByDefaultEntriesMayBeAsLargeAsTheirSizeFieldsAllow) {
  // Headers of entries beyond 256 MiB: refused for what the file lacks, not for their size.
  const Bytes not_a_block = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  const std::pair<Bytes, PackStatus> cases[] = {
      {Entry(0xFFFFFFFFu, 0xFFFFFFF0u, {}), PackStatus::kTruncated},
      {Entry((256u << 20) + 1, 14, not_a_block), PackStatus::kCorrupt},
  };
  for (const auto& [pack, expected] : cases) {
    TempFolder folder;
    folder.Write("p", pack);
    EXPECT_EQ(ReadAll(folder / "p").second, expected) << gamebuild::PackStatusText(expected);
  }
}

TEST(PackFile, ReadingGoesOnAfterADamagedBlockButNotAfterADamagedHeader) {
  TempFolder folder;
  {
    PackWriter writer;
    ASSERT_TRUE(writer.PackCreate(folder / "p"));
    ASSERT_EQ(writer.PackAddMemory(Repetitive(1000)), 1);
    ASSERT_EQ(writer.PackAddMemory(Bytes{9, 8, 7}), 1);
    ASSERT_TRUE(writer.PackClose());
  }
  auto bytes = *platform::ReadFileBytes(folder / "p");
  bytes[8 + gamebuild::kBlockChecksumOffset] ^= 1;
  folder.Write("p", bytes);
  PackReader reader;
  ASSERT_TRUE(reader.PackOpen(folder / "p"));
  EXPECT_TRUE(reader.PackNextEntry().empty());
  EXPECT_EQ(reader.Status(), PackStatus::kChecksum);
  const auto next = reader.PackNextEntry();
  EXPECT_EQ(Bytes(next.begin(), next.end()), (Bytes{9, 8, 7}));

  folder.Write("q", Concat({Entry(0, 0, {}), Entry(3, 3, {1, 2, 3})}));
  ASSERT_TRUE(reader.PackOpen(folder / "q"));
  EXPECT_TRUE(reader.PackNextEntry().empty());
  EXPECT_TRUE(reader.PackNextEntry().empty());
  EXPECT_EQ(reader.Status(), PackStatus::kBadSizes);
}

}  // namespace
