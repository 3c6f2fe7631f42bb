// The pack file: entries written and read back in order, each stored raw or
// as one compressed block, behind an 8-byte header (data size, stored size,
// both 32-bit little endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <vector>

namespace gamebuild {

constexpr size_t kEntryHeaderSize = 8;
constexpr size_t kEntryDataSizeOffset = 0;    // u32: bytes of the entry's data
constexpr size_t kEntryStoredSizeOffset = 4;  // u32: bytes of the payload that follows
constexpr int kMemoryEntryLevel = 9;
constexpr int kFileEntryLevel = 4;
// The sizes of an entry are 32-bit: no entry holds more than this.
constexpr uint32_t kMaxEntrySize = UINT32_MAX;

// One entry as it goes into a pack: the size of its data and the payload,
// the compressed block or, when that would not be smaller, the data itself.
struct StoredEntry {
  uint32_t data_size = 0;
  std::vector<uint8_t> payload;
};

// Compresses the data at the level; nothing for empty data, data above
// kMaxEntrySize or when memory runs out. Safe to call from any thread.
[[nodiscard]] std::optional<StoredEntry> MakeStoredEntry(std::span<const uint8_t> data, int level);

// The entry of a file, or why there is none.
struct FileEntry {
  std::optional<StoredEntry> stored;
  // The file is there but holds more than the limit, or more than memory allows.
  bool too_large = false;
};

// The whole content of a file as an entry at level 4; none when the file is
// missing, unreadable or empty, or larger than `max_size` bytes. Safe to
// call from any thread.
[[nodiscard]] FileEntry MakeFileEntry(const std::filesystem::path& path, uint64_t max_size = kMaxEntrySize);

// Writes one pack. Creating a new pack closes the one open.
class PackWriter {
 public:
  PackWriter() = default;
  PackWriter(const PackWriter&) = delete;
  PackWriter& operator=(const PackWriter&) = delete;
  ~PackWriter() { (void)PackClose(); }  // a writer that cares closes first

  // Creates (or truncates) the file; false when it can't be created, and
  // then every add fails until the next successful create.
  [[nodiscard]] bool PackCreate(const std::filesystem::path& path);

  // Appends the data as one entry compressed at level 9. 1 when the entry
  // was written, 0 (nothing written) for empty data or no open pack.
  [[nodiscard]] int PackAddMemory(std::span<const uint8_t> data);

  // Appends the whole content of a file as one entry compressed at level 4.
  // 0 (nothing written) when the file is missing, unreadable or empty.
  [[nodiscard]] int PackAddFile(const std::filesystem::path& path);

  // Appends an entry made beforehand; 1 when written, 0 with no open pack.
  [[nodiscard]] int PackAddStored(const StoredEntry& entry);

  // Closes the file; false when any write to it failed.
  [[nodiscard]] bool PackClose();

  bool IsOpen() const { return file_.is_open(); }

 private:
  std::ofstream file_;
  bool write_failed_ = false;
};

enum class PackStatus {
  kEntry,      // the last call returned an entry
  kEnd,        // no more entries
  kNotOpen,    // no pack open for reading
  kTruncated,  // a header or payload is cut short
  kTooLarge,   // an entry claims more than the reader takes
  kBadSizes,   // data size 0, or stored size above data size
  kNoMemory,   // the entry's buffers could not be had
  kCorrupt,    // the compressed block does not decode to the data size
  kChecksum,   // the decoded data fails its checksum
};

const char* PackStatusText(PackStatus status);

// Reads one pack, entry by entry.
class PackReader {
 public:
  // Entries that claim more than `max_entry_size` bytes are refused (kTooLarge).
  explicit PackReader(uint32_t max_entry_size = kMaxEntrySize) : max_entry_size_(max_entry_size) {}
  PackReader(const PackReader&) = delete;
  PackReader& operator=(const PackReader&) = delete;

  // Opens the file for reading (closing any pack open); false when it can't.
  [[nodiscard]] bool PackOpen(const std::filesystem::path& path);

  // The decoded bytes of the next entry, valid until the next call of
  // PackNextEntry, PackOpen or PackClose; empty at the end of the pack and
  // on any failure (Status() tells which). After a damaged block the reader
  // can go on with the next entry; after a damaged header it can't.
  std::span<const uint8_t> PackNextEntry();

  // The size of the entry last returned, or -1 when the last read failed or
  // no pack is open.
  int64_t PackEntrySize() const { return entry_size_; }

  // The payload size of the entry last returned (its data size when stored raw).
  uint32_t StoredSize() const { return stored_size_; }

  PackStatus Status() const { return status_; }

  void PackClose();

 private:
  std::span<const uint8_t> Fail(PackStatus status);
  // Makes `buffer` `size` bytes long; false (all buffers released) when memory runs out.
  bool Allocate(std::vector<uint8_t>& buffer, uint32_t size);

  uint32_t max_entry_size_;
  std::ifstream file_;
  uint64_t remaining_ = 0;  // bytes of the file not read yet
  std::vector<uint8_t> entry_;
  std::vector<uint8_t> payload_;
  int64_t entry_size_ = -1;
  uint32_t stored_size_ = 0;
  PackStatus status_ = PackStatus::kNotOpen;
};

}  // namespace gamebuild
