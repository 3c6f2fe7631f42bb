// The user's folders that the editor uses besides its projects: where the
// default project lies and where the list of recent projects is kept.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace project {

struct UserFolders {
  std::filesystem::path home;       // $HOME
  std::filesystem::path config;     // $XDG_CONFIG_HOME, else ~/.config
  std::filesystem::path documents;  // the documents folder; empty when none is named
};

// From the environment: $HOME, $XDG_CONFIG_HOME, and the documents folder
// from $XDG_DOCUMENTS_DIR or else the XDG_DOCUMENTS_DIR line of
// user-dirs.dirs in the config folder. Relative paths are ignored, as the
// XDG rules say.
UserFolders UserFoldersOfEnvironment();

// The XDG_DOCUMENTS_DIR line of a user-dirs.dirs text: "$HOME/Documents"
// or an absolute path in double quotes; nothing when there is none.
std::optional<std::filesystem::path> DocumentsEntry(std::string_view user_dirs,
                                                    const std::filesystem::path& home);

// The default project "Ember Keep" in the folder Tarnwick of the documents
// folder, or of the home folder when there is no documents folder.
std::filesystem::path DefaultProjectFolder(const UserFolders& folders);

// The settings file that remembers the recent projects.
std::filesystem::path RecentProjectsFile(const UserFolders& folders);

}  // namespace project
