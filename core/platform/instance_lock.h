// The single-instance guard: an exclusive lock on a file named after the
// editor's version in the user's runtime folder, held until the end.
#pragma once

#include <filesystem>

namespace platform {

// $XDG_RUNTIME_DIR when set, else the temp folder.
std::filesystem::path RuntimeFolder();

class InstanceLock {
 public:
  // Tries to take the lock on `folder / name`; Held() tells whether it did.
  InstanceLock(const std::filesystem::path& folder, const char* name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  bool Held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

constexpr const char* kInstanceLockName = "Tarnwick_v24";

}  // namespace platform
