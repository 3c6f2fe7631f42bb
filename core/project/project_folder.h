// A project: a folder laid out as the editor's program folder is, with the
// workspace `twksys`, `GameBitmaps` and `pakpassword.txt`. Checking that a
// folder is one the editor can work on, and making a new one.
#pragma once

#include <filesystem>
#include <string>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace project {

enum class ProjectProblem { kNone, kMissing, kNotAProject, kUnwritable };

// The folder as an absolute path without "." or ".." parts and without a
// trailing separator, so that one folder is always written the same way.
std::filesystem::path NormalFolder(const std::filesystem::path& folder);

// Whether `folder` holds a workspace folder `twksys` (an empty path names
// no folder, not the current one).
bool IsProjectFolder(const std::filesystem::path& folder);

// Whether the editor can work on `folder`: it exists, holds `twksys`, and
// both can be written to (tried by making a file in each and removing it
// at once, so that read-only file systems count as well).
ProjectProblem CheckProject(const std::filesystem::path& folder);

// What the author is told about `problem` with `folder`, titled "Error".
platform::Message ProjectProblemMessage(ProjectProblem problem, const std::filesystem::path& folder);

// The name a project goes by: the name of its folder.
std::string ProjectName(const std::filesystem::path& folder);

// The one check of a workspace before the editor works on it: its icon
// sheet opens for reading. Failing it, the author is told kCannotLoadResources.
bool IconSheetOpens(const platform::Workspace& workspace);
inline const platform::Message kCannotLoadResources{"Can't load ressources", "Error"};

enum class ProjectContent {
  kStarter,  // a copy of the starter project
  kEmpty,    // a workspace with just a black icon sheet, and an empty GameBitmaps folder
};

// Makes a new project in `folder` (made when missing). The starter content
// is copied from the folder `starter`. A file or folder that cannot be
// made is reported with "cannot write to file <path>", a starter folder
// that is missing with "The starter project <path> is missing."; false then.
[[nodiscard]] bool CreateProject(const std::filesystem::path& folder, ProjectContent content,
                                 const std::filesystem::path& starter, platform::Prompter& prompter);

}  // namespace project
