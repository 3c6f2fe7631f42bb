#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::filesystem::path RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return runtime;
  std::error_code ec;
  auto temp = std::filesystem::temp_directory_path(ec);
  return ec ? std::filesystem::path("/tmp") : temp;
}

InstanceLock::InstanceLock(const std::filesystem::path& folder, const char* name) {
  fd_ = ::open((folder / name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
