// Which project the editor works on when it starts, and the places it
// uses besides the project: the default project, the list of recent
// projects and its own data (the starter project and the user guide).
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/prompter.h"
#include "project/user_folders.h"

namespace project {

struct Places {
  std::filesystem::path own_folder;       // the folder of the running executable
  std::filesystem::path default_project;  // .../Tarnwick/Ember Keep
  std::filesystem::path recent_file;      // the recent projects; empty: no list is kept
  std::filesystem::path data;             // the editor's own data; empty when not found

  std::filesystem::path Starter() const { return data.empty() ? data : data / "starter"; }
  std::filesystem::path Guide() const { return data.empty() ? data : data / "help" / "index.htm"; }
};

// The editor's data folder `share/tarnwick`: beside the folder of the
// executable when installed (<prefix>/bin and <prefix>/share), inside it in
// the build folder. Empty when neither holds the starter project.
std::filesystem::path FindDataFolder(const std::filesystem::path& executable_folder);

Places PlacesOf(const UserFolders& user, const std::filesystem::path& executable_folder);

enum class ProjectSource {
  kOwnFolder,  // the executable's own folder holds a `twksys` (the build folder)
  kArgument,   // the folder named on the command line
  kRecent,     // the project used last
  kDefault,    // the default project
};

struct ProjectChoice {
  std::filesystem::path folder;
  ProjectSource source;
  std::optional<platform::Message> problem;  // why the named or last project was passed over
};

// A folder named on the command line wins; without one the executable's
// own folder when it holds a `twksys`, else the first of `recent`, else the
// default project. A named or last project that the editor cannot work on
// (missing, no project, unwritable) gives way to the default project, with
// the problem to tell.
ProjectChoice ChooseStartProject(const Places& places, const std::optional<std::filesystem::path>& argument,
                                 std::span<const std::filesystem::path> recent);

struct StartProject {
  std::filesystem::path folder;
  std::string name;  // for the window title; empty for the executable's own folder
  std::vector<std::filesystem::path> recent;  // the recent projects, newest first
};

// Start-up: chooses the project with the recent list of `places`, tells the
// problem if there was one, makes the default project from the starter when
// it does not exist yet, and puts the project first in the recent list (not
// the executable's own folder, which is not a project of the author's).
StartProject OpenStartProject(const Places& places, const std::optional<std::filesystem::path>& argument,
                              platform::Prompter& prompter);

// Puts `folder` first in the recent list of `places` and writes the list.
// The list is a convenience: a file that cannot be written is not reported.
std::vector<std::filesystem::path> RememberProject(const Places& places, std::vector<std::filesystem::path> recent,
                                                   const std::filesystem::path& folder);

}  // namespace project
