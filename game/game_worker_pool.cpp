#include "game_worker_pool.h"

#include <algorithm>

namespace game {

WorkerPool::WorkerPool(int threads) {
  if (threads < 1) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { WorkerLoop(); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

std::vector<std::thread::native_handle_type> WorkerPool::WorkerHandles() {
  std::vector<std::thread::native_handle_type> handles;
  for (std::thread& worker : workers_) handles.push_back(worker.native_handle());
  return handles;
}

void WorkerPool::Run(int parts, const std::function<void(int)>& work) {
  if (workers_.empty() || parts <= 1) {
    for (int part = 0; part < parts; ++part) work(part);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    work_ = &work;
    parts_ = parts;
    next_part_ = 0;
    parts_left_ = parts;
    ++job_;
  }
  wake_.notify_all();
  TakeParts();
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return parts_left_ == 0; });
  work_ = nullptr;
}

void WorkerPool::TakeParts() {
  for (;;) {
    int part;
    const std::function<void(int)>* work;
    {
      std::lock_guard lock(mutex_);
      if (next_part_ >= parts_) return;
      part = next_part_++;
      work = work_;
    }
    (*work)(part);
    std::lock_guard lock(mutex_);
    if (--parts_left_ == 0) finished_.notify_one();
  }
}

void WorkerPool::WorkerLoop() {
  uint64_t seen = 0;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || job_ != seen; });
      if (stopping_) return;
      seen = job_;
    }
    TakeParts();
  }
}

}  // namespace game
