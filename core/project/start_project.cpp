#include "project/start_project.h"

#include "project/project_folder.h"
#include "project/recent_projects.h"

namespace project {

namespace fs = std::filesystem;

fs::path FindDataFolder(const fs::path& executable_folder) {
  for (const fs::path& data : {executable_folder.parent_path() / "share" / "tarnwick",
                               executable_folder / "share" / "tarnwick"})
    if (IsProjectFolder(data / "starter")) return NormalFolder(data);
  return {};
}

Places PlacesOf(const UserFolders& user, const fs::path& executable_folder) {
  return {executable_folder, DefaultProjectFolder(user), RecentProjectsFile(user),
          FindDataFolder(executable_folder)};
}

namespace {

// The default project in place of `folder`, which has `problem`.
ProjectChoice DefaultInstead(const Places& places, const fs::path& folder, ProjectProblem problem) {
  platform::Message message = ProjectProblemMessage(problem, folder);
  message.text += "\nThe default project " + places.default_project.string() + " is opened instead.";
  return {places.default_project, ProjectSource::kDefault, message};
}

}  // namespace

ProjectChoice ChooseStartProject(const Places& places, const std::optional<fs::path>& argument,
                                 std::span<const fs::path> recent) {
  if (argument) {
    const fs::path folder = NormalFolder(*argument);
    // The editor's own folder named (as a restored level of it names it) stays what it is without a name.
    if (IsProjectFolder(places.own_folder) && folder == NormalFolder(places.own_folder))
      return {places.own_folder, ProjectSource::kOwnFolder, std::nullopt};
    const ProjectProblem problem = CheckProject(folder);
    if (problem != ProjectProblem::kNone) return DefaultInstead(places, folder, problem);
    return {folder, ProjectSource::kArgument, std::nullopt};
  }
  if (IsProjectFolder(places.own_folder)) return {places.own_folder, ProjectSource::kOwnFolder, std::nullopt};
  if (!recent.empty()) {
    const ProjectProblem problem = CheckProject(recent.front());
    if (problem != ProjectProblem::kNone) return DefaultInstead(places, recent.front(), problem);
    return {recent.front(), ProjectSource::kRecent, std::nullopt};
  }
  return {places.default_project, ProjectSource::kDefault, std::nullopt};
}

std::vector<fs::path> RememberProject(const Places& places, std::vector<fs::path> recent, const fs::path& folder) {
  recent = WithRecentProject(std::move(recent), folder);
  if (!places.recent_file.empty()) static_cast<void>(SaveRecentProjects(places.recent_file, recent));
  return recent;
}

StartProject OpenStartProject(const Places& places, const std::optional<fs::path>& argument,
                              platform::Prompter& prompter) {
  std::vector<fs::path> recent;
  if (!places.recent_file.empty()) recent = LoadRecentProjects(places.recent_file);
  const ProjectChoice choice = ChooseStartProject(places, argument, recent);
  if (choice.problem) prompter.Show(*choice.problem);
  if (choice.source == ProjectSource::kOwnFolder) return {choice.folder, "", recent};
  // A default project that cannot be made was reported; the icon sheet
  // check of the start-up then ends the editor.
  if (choice.source == ProjectSource::kDefault && !IsProjectFolder(choice.folder) &&
      !CreateProject(choice.folder, ProjectContent::kStarter, places.Starter(), prompter))
    return {choice.folder, ProjectName(choice.folder), recent};
  return {choice.folder, ProjectName(choice.folder), RememberProject(places, std::move(recent), choice.folder)};
}

}  // namespace project
