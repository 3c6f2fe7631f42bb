#include "gamebuild/pack_file.h"

#include <algorithm>
#include <array>
#include <new>

#include "gamebuild/block_decoder.h"
#include "gamebuild/block_encoder.h"
#include "gamebuild/block_format.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace {

enum class FileRead { kRead, kMissing, kTooLarge };

// Reads a whole file: kMissing when it is missing, unreadable or comes up
// short; kTooLarge when it holds more than `max_size` bytes or memory for it
// can't be had.
FileRead ReadWholeFile(const std::filesystem::path& path, uint64_t max_size, std::vector<uint8_t>& bytes) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return FileRead::kMissing;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return FileRead::kMissing;
  if (size > max_size) return FileRead::kTooLarge;
  std::ifstream in(path, std::ios::binary);
  if (!in) return FileRead::kMissing;
  try {
    bytes.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    return FileRead::kTooLarge;
  }
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<size_t>(in.gcount()) == bytes.size() ? FileRead::kRead : FileRead::kMissing;
}

}  // namespace

std::optional<StoredEntry> MakeStoredEntry(std::span<const uint8_t> data, int level) {
  if (data.empty() || data.size() > kMaxEntrySize) return std::nullopt;
  try {
    StoredEntry entry;
    entry.data_size = static_cast<uint32_t>(data.size());
    entry.payload = CompressBlock(data, WindowOfLevel(level));
    if (entry.payload.empty() || entry.payload.size() >= data.size())
      entry.payload.assign(data.begin(), data.end());
    return entry;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

FileEntry MakeFileEntry(const std::filesystem::path& path, uint64_t max_size) {
  std::vector<uint8_t> data;
  switch (ReadWholeFile(path, std::min<uint64_t>(max_size, kMaxEntrySize), data)) {
    case FileRead::kMissing:
      return {};
    case FileRead::kTooLarge:
      return {std::nullopt, true};
    case FileRead::kRead:
      break;
  }
  if (data.empty()) return {};
  FileEntry entry{MakeStoredEntry(data, kFileEntryLevel)};
  entry.too_large = !entry.stored;  // with data at hand, only memory can fail
  return entry;
}

bool PackWriter::PackCreate(const std::filesystem::path& path) {
  (void)PackClose();  // the pack open before is given up
  write_failed_ = false;
  file_.open(path, std::ios::binary | std::ios::trunc);
  return file_.is_open();
}

int PackWriter::PackAddMemory(std::span<const uint8_t> data) {
  if (!IsOpen()) return 0;
  const auto entry = MakeStoredEntry(data, kMemoryEntryLevel);
  return entry ? PackAddStored(*entry) : 0;
}

int PackWriter::PackAddFile(const std::filesystem::path& path) {
  if (!IsOpen()) return 0;
  const auto entry = MakeFileEntry(path);
  return entry.stored ? PackAddStored(*entry.stored) : 0;
}

int PackWriter::PackAddStored(const StoredEntry& entry) {
  if (!IsOpen()) return 0;
  std::array<uint8_t, kEntryHeaderSize> header{};
  platform::PutLe<uint32_t>(header, kEntryDataSizeOffset, entry.data_size);
  platform::PutLe<uint32_t>(header, kEntryStoredSizeOffset, static_cast<uint32_t>(entry.payload.size()));
  file_.write(reinterpret_cast<const char*>(header.data()), header.size());
  file_.write(reinterpret_cast<const char*>(entry.payload.data()),
              static_cast<std::streamsize>(entry.payload.size()));
  if (!file_) write_failed_ = true;
  return 1;
}

bool PackWriter::PackClose() {
  if (!file_.is_open()) return !write_failed_;
  file_.close();
  if (file_.fail()) write_failed_ = true;
  return !write_failed_;
}

const char* PackStatusText(PackStatus status) {
  switch (status) {
    case PackStatus::kEntry:
      return "entry read";
    case PackStatus::kEnd:
      return "end of pack";
    case PackStatus::kNotOpen:
      return "no pack open";
    case PackStatus::kTruncated:
      return "pack cut short";
    case PackStatus::kTooLarge:
      return "entry too large";
    case PackStatus::kBadSizes:
      return "entry sizes invalid";
    case PackStatus::kNoMemory:
      return "not enough memory for the entry";
    case PackStatus::kCorrupt:
      return "corrupt entry";
    case PackStatus::kChecksum:
      return "entry checksum mismatch";
  }
  return "unknown pack status";
}

bool PackReader::PackOpen(const std::filesystem::path& path) {
  PackClose();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return false;
  file_.open(path, std::ios::binary);
  if (!file_.is_open()) return false;
  remaining_ = size;
  status_ = PackStatus::kEnd;
  return true;
}

bool PackReader::Allocate(std::vector<uint8_t>& buffer, uint32_t size) {
  try {
    buffer.clear();
    buffer.resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    entry_ = {};
    payload_ = {};
    return false;
  }
}

std::span<const uint8_t> PackReader::Fail(PackStatus status) {
  status_ = status;
  entry_size_ = -1;
  stored_size_ = 0;
  return {};
}

std::span<const uint8_t> PackReader::PackNextEntry() {
  entry_size_ = -1;
  if (!file_.is_open()) return Fail(PackStatus::kNotOpen);
  // A damaged header leaves no way to find the next entry.
  if (status_ != PackStatus::kEntry && status_ != PackStatus::kEnd && status_ != PackStatus::kCorrupt &&
      status_ != PackStatus::kChecksum)
    return Fail(status_);
  if (remaining_ == 0) return Fail(PackStatus::kEnd);
  if (remaining_ < kEntryHeaderSize) return Fail(PackStatus::kTruncated);

  std::array<uint8_t, kEntryHeaderSize> header{};
  if (!file_.read(reinterpret_cast<char*>(header.data()), header.size())) return Fail(PackStatus::kTruncated);
  remaining_ -= kEntryHeaderSize;
  const platform::ByteView fields(header);
  const uint32_t data_size = fields.U32Or0(kEntryDataSizeOffset);
  const uint32_t stored_size = fields.U32Or0(kEntryStoredSizeOffset);
  if (data_size == 0 || stored_size == 0 || stored_size > data_size) return Fail(PackStatus::kBadSizes);
  if (data_size > max_entry_size_) return Fail(PackStatus::kTooLarge);
  if (stored_size > remaining_) return Fail(PackStatus::kTruncated);

  // The payload is read and its block header checked before the entry's
  // memory is taken, so a header claiming much costs nothing.
  const bool raw = stored_size == data_size;
  std::vector<uint8_t>& target = raw ? entry_ : payload_;
  if (!Allocate(target, stored_size)) return Fail(PackStatus::kNoMemory);
  if (!file_.read(reinterpret_cast<char*>(target.data()), stored_size)) return Fail(PackStatus::kTruncated);
  remaining_ -= stored_size;

  if (!raw) {
    const std::span<const uint8_t> block(payload_.data(), stored_size);
    const auto header_of_block = ReadBlockHeader(block);
    if (!header_of_block || header_of_block->size != data_size) return Fail(PackStatus::kCorrupt);
    if (!Allocate(entry_, data_size)) return Fail(PackStatus::kNoMemory);
    const BlockDecodeResult result = DecodeBlock(block, std::span<uint8_t>(entry_));
    if (result.error == BlockError::kChecksum) return Fail(PackStatus::kChecksum);
    if (!result.ok()) return Fail(PackStatus::kCorrupt);
  }
  status_ = PackStatus::kEntry;
  entry_size_ = data_size;
  stored_size_ = stored_size;
  return std::span<const uint8_t>(entry_.data(), data_size);
}

void PackReader::PackClose() {
  if (file_.is_open()) file_.close();
  file_.clear();
  entry_ = {};
  payload_ = {};
  entry_size_ = -1;
  stored_size_ = 0;
  remaining_ = 0;
  status_ = PackStatus::kNotOpen;
}

}  // namespace gamebuild
