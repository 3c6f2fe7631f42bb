// The projects opened last, newest first, as the World menu lists them.
// They are kept in a plain text file, one folder per line.
#pragma once

#include <filesystem>
#include <span>
#include <vector>

namespace project {

inline constexpr size_t kRecentProjectCount = 5;

// The projects listed in `file`. Folders that are no project any more
// (removed, or without their `twksys`) are left out, and so are repeats
// and all beyond the first five. A missing file gives an empty list.
std::vector<std::filesystem::path> LoadRecentProjects(const std::filesystem::path& file);

// Writes the list, making the file's folder when it is missing.
[[nodiscard]] bool SaveRecentProjects(const std::filesystem::path& file,
                                      std::span<const std::filesystem::path> projects);

// `projects` with `folder` put first (moved there when it was listed
// already), at most five.
std::vector<std::filesystem::path> WithRecentProject(std::vector<std::filesystem::path> projects,
                                                     const std::filesystem::path& folder);

}  // namespace project
