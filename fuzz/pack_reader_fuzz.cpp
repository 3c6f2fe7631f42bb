// Reads arbitrary bytes as a pack file, entry by entry.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "gamebuild/pack_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("pack_reader_fuzz_" + std::to_string(::getpid()) + ".pak");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  gamebuild::PackReader reader(64u << 20);  // entries as large as the format allows would only test memory
  if (!reader.PackOpen(path)) std::abort();
  size_t total = 0;
  for (;;) {
    const auto entry = reader.PackNextEntry();
    if (entry.empty()) {
      if (reader.PackEntrySize() != -1) std::abort();
      if (reader.Status() == gamebuild::PackStatus::kEnd ||
          reader.Status() == gamebuild::PackStatus::kTruncated ||
          reader.Status() == gamebuild::PackStatus::kTooLarge ||
          reader.Status() == gamebuild::PackStatus::kBadSizes)
        break;
      continue;  // a damaged block: the next entry follows
    }
    if (reader.PackEntrySize() != static_cast<int64_t>(entry.size()) || reader.StoredSize() > entry.size())
      std::abort();
    total += entry.size();
    if (total > (64u << 20)) break;
  }
  return 0;
}
