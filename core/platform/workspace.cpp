#include "platform/workspace.h"

#include <system_error>

namespace platform {

namespace fs = std::filesystem;

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path();
  return exe.parent_path();
}

Workspace::Workspace(fs::path program_folder) : program_folder_(std::move(program_folder)) {}

fs::path Workspace::PathOf(const std::string& name) const {
  return ResolveNoCase(Folder(), name);
}

bool Workspace::Write(const std::string& name, std::span<const uint8_t> bytes) const {
  return WriteFileAtomic(PathOf(name), bytes);
}

bool Workspace::Write(const std::string& name, std::string_view text) const {
  return WriteFileAtomic(PathOf(name), text);
}

}  // namespace platform
