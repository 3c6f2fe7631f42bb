#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "game_worker_pool.h"

namespace {

using game::WorkerPool;

TEST(WorkerPool, EveryPartRunsOnceInEveryJob) {
  for (int threads : {1, 2, 5}) {
    WorkerPool pool(threads);
    EXPECT_EQ(pool.threads(), threads);
    for (int job = 0; job < 300; ++job) {
      const int parts = job % 37;
      std::vector<std::atomic<int>> runs(static_cast<size_t>(parts));
      pool.Run(parts, [&](int part) { ++runs[static_cast<size_t>(part)]; });
      for (int part = 0; part < parts; ++part)
        ASSERT_EQ(runs[static_cast<size_t>(part)], 1)
            << threads << " threads, job " << job << ", part " << part;
    }
  }
}

TEST(WorkerPool, PartsAreSharedAmongTheThreads) {
  WorkerPool pool(3);
  std::mutex mutex;
  std::set<std::thread::id> seen;
  std::atomic<int> waiting{0};
  // Each of the first three parts waits for the others to start, so three threads must take them.
  pool.Run(3, [&](int) {
    {
      std::lock_guard lock(mutex);
      seen.insert(std::this_thread::get_id());
    }
    ++waiting;
    while (waiting < 3) std::this_thread::yield();
  });
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(WorkerPool(0).threads(), static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
}

}  // namespace
