#include "project/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"

namespace project {

namespace fs = std::filesystem;

namespace {

// An absolute path from the environment variable `name`; nothing when it is
// unset, empty or relative.
std::optional<fs::path> AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value || value[0] != '/') return std::nullopt;
  return fs::path(value);
}

fs::path HomeFolder() {
  if (auto home = AbsoluteFromEnvironment("HOME")) return *home;
  if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
  return "/";
}

// The value of a shell assignment's double-quoted right side, with its
// backslash escapes taken out.
std::string Unquoted(std::string_view quoted) {
  std::string text;
  for (size_t i = 0; i < quoted.size(); ++i) {
    if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
    text += quoted[i];
  }
  return text;
}

}  // namespace

std::optional<fs::path> DocumentsEntry(std::string_view user_dirs, const fs::path& home) {
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
  std::optional<fs::path> found;
  size_t start = 0;
  while (start < user_dirs.size()) {
    size_t end = user_dirs.find('\n', start);
    if (end == std::string_view::npos) end = user_dirs.size();
    std::string_view line = user_dirs.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    const size_t close = line.rfind('"');
    if (!line.starts_with(kKey) || close < kKey.size()) continue;
    const std::string value = Unquoted(line.substr(kKey.size(), close - kKey.size()));
    if (value == "$HOME" || value == "$HOME/")
      found = home;
    else if (value.starts_with("$HOME/"))
      found = (home / value.substr(6)).lexically_normal();
    else if (value.starts_with("/"))
      found = fs::path(value).lexically_normal();
  }
  return found;
}

UserFolders UserFoldersOfEnvironment() {
  UserFolders folders;
  folders.home = HomeFolder();
  folders.config = AbsoluteFromEnvironment("XDG_CONFIG_HOME").value_or(folders.home / ".config");
  if (auto documents = AbsoluteFromEnvironment("XDG_DOCUMENTS_DIR")) {
    folders.documents = *documents;
  } else if (auto text = platform::ReadFileBytes(folders.config / "user-dirs.dirs", 1 << 16)) {
    const std::string user_dirs(text->begin(), text->end());
    folders.documents = DocumentsEntry(user_dirs, folders.home).value_or(fs::path());
  }
  return folders;
}

fs::path DefaultProjectFolder(const UserFolders& folders) {
  const fs::path& base = folders.documents.empty() ? folders.home : folders.documents;
  return base / "Tarnwick" / "Ember Keep";
}

fs::path RecentProjectsFile(const UserFolders& folders) {
  return folders.config / "tarnwick" / "recent-projects";
}

}  // namespace project
