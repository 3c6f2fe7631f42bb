#include "gamebuild/parallel_file_entries.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace gamebuild {

ParallelFileEntries::ParallelFileEntries(std::vector<std::filesystem::path> paths, unsigned workers,
                                         uint64_t max_size)
    : paths_(std::move(paths)), max_size_(max_size), slots_(paths_.size()) {
  results_.reserve(slots_.size());
  for (auto& slot : slots_) results_.push_back(slot.get_future());
  if (workers == 0) workers = std::thread::hardware_concurrency();
  const size_t count = std::clamp<size_t>(workers, 1, std::max<size_t>(paths_.size(), 1));
  workers_.reserve(count);
  for (size_t i = 0; i < count; ++i) workers_.emplace_back([this] { Work(); });
}

FileEntry ParallelFileEntries::Take(size_t index) {
  return results_.at(index).get();
}

void ParallelFileEntries::Work() {
  for (size_t i = next_++; i < paths_.size(); i = next_++) {
    try {
      slots_[i].set_value(MakeFileEntry(paths_[i], max_size_));
    } catch (...) {
      slots_[i].set_exception(std::current_exception());
    }
  }
}

}  // namespace gamebuild
