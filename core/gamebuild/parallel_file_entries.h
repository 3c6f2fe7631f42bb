// Making the pack entries of many files on every core while the caller
// takes them one by one in list order.
#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include "gamebuild/pack_file.h"

namespace gamebuild {

class ParallelFileEntries {
 public:
  // Starts `workers` threads (0: one per core), which make the entries in
  // list order so the first ones are ready first; files over `max_size`
  // bytes give no entry.
  explicit ParallelFileEntries(std::vector<std::filesystem::path> paths, unsigned workers = 0,
                               uint64_t max_size = kMaxEntrySize);
  ParallelFileEntries(const ParallelFileEntries&) = delete;
  ParallelFileEntries& operator=(const ParallelFileEntries&) = delete;

  size_t size() const { return paths_.size(); }

  // Waits for the entry of paths[index] (as MakeFileEntry makes it) and
  // hands it over; take each index once.
  [[nodiscard]] FileEntry Take(size_t index);

 private:
  void Work();

  std::vector<std::filesystem::path> paths_;
  uint64_t max_size_;
  // Slot i is written by the one worker that drew index i; the caller reads
  // it only through its future.
  std::vector<std::promise<FileEntry>> slots_;
  std::vector<std::future<FileEntry>> results_;
  std::atomic<size_t> next_{0};
  std::vector<std::jthread> workers_;  // declared last: joined before the rest goes
};

}  // namespace gamebuild
