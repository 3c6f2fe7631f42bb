// A small set of threads kept for the life of their owner, sharing the parts of one job at a time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace game {

class WorkerPool {
 public:
  // `threads` in all, the calling thread included; less than 1 means one per core.
  explicit WorkerPool(int threads);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  int threads() const { return static_cast<int>(workers_.size()) + 1; }
  // The workers' own threads, for measuring each one's CPU time.
  std::vector<std::thread::native_handle_type> WorkerHandles();

  // Calls work(part) once for every part 0 .. parts - 1, on this thread and the workers, and returns when
  // all are done. Which thread takes which part varies from run to run.
  void Run(int parts, const std::function<void(int)>& work);

 private:
  void WorkerLoop();
  void TakeParts();

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable wake_, finished_;
  const std::function<void(int)>* work_ = nullptr;
  int parts_ = 0;
  int next_part_ = 0;
  int parts_left_ = 0;
  uint64_t job_ = 0;  // counts the jobs started, so that a worker takes each one once
  bool stopping_ = false;
};

}  // namespace game
