#include "project/recent_projects.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "project/project_folder.h"

namespace project {

namespace fs = std::filesystem;

std::vector<fs::path> LoadRecentProjects(const fs::path& file) {
  std::vector<fs::path> projects;
  const auto bytes = platform::ReadFileBytes(file, 1 << 20);
  if (!bytes) return projects;
  const std::string text(bytes->begin(), bytes->end());
  size_t start = 0;
  while (start < text.size() && projects.size() < kRecentProjectCount) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.front() != '/') continue;
    const fs::path folder = NormalFolder(line);
    if (IsProjectFolder(folder) && std::find(projects.begin(), projects.end(), folder) == projects.end())
      projects.push_back(folder);
  }
  return projects;
}

bool SaveRecentProjects(const fs::path& file, std::span<const fs::path> projects) {
  std::string text;
  for (const fs::path& folder : projects) {
    const std::string line = folder.string();
    if (line.find('\n') == std::string::npos) text += line + "\n";  // a name with a line end can't be kept
  }
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  return platform::WriteFileAtomic(file, text);
}

std::vector<fs::path> WithRecentProject(std::vector<fs::path> projects, const fs::path& folder) {
  const fs::path normal = NormalFolder(folder);
  std::erase(projects, normal);
  projects.insert(projects.begin(), normal);
  if (projects.size() > kRecentProjectCount) projects.resize(kRecentProjectCount);
  return projects;
}

}  // namespace project
