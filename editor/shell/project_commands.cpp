#include "shell/project_commands.h"

#include <algorithm>
#include <random>

#include "config/pack_password.h"
#include "project/project_folder.h"
#include "project/recent_projects.h"
#include "shell/main_window.h"

namespace app {

namespace fs = std::filesystem;

namespace {

// Where the folder requesters open: the folder of the current project.
std::string RequesterStart(const MainWindow& window) {
  return project::NormalFolder(window.Workspace().ProgramFolder()).parent_path().string();
}

void ForgetProject(MainWindow& window, const fs::path& folder) {
  std::vector<fs::path>& recent = window.State().recent_projects;
  std::erase(recent, folder);
  if (!window.Places().recent_file.empty())
    static_cast<void>(project::SaveRecentProjects(window.Places().recent_file, recent));
  window.BuildMenuBar();
}

// Works on the project in `folder` from now on, with the checks and steps
// of the start-up: the icon sheet must open, a missing pack password is
// set. False, with the problem told, when the editor cannot work on it.
bool SwitchTo(MainWindow& window, const fs::path& folder) {
  platform::Prompter& prompter = window.Prompter();
  const fs::path normal = project::NormalFolder(folder);
  if (const auto problem = project::CheckProject(normal); problem != project::ProjectProblem::kNone) {
    prompter.Show(project::ProjectProblemMessage(problem, normal));
    return false;
  }
  const platform::Workspace workspace(normal);
  if (!project::IconSheetOpens(workspace)) {
    prompter.Show(project::kCannotLoadResources);
    return false;
  }
  std::mt19937 random(std::random_device{}());
  // A password that cannot be written is reported; the project opens all the same.
  static_cast<void>(config::EnsurePackPassword(workspace, prompter, random));
  window.SwitchProject(normal);
  EditorState& state = window.State();
  state.recent_projects = project::RememberProject(window.Places(), state.recent_projects, normal);
  window.BuildMenuBar();
  return true;
}

}  // namespace

void OpenProject(MainWindow& window) {
  if (!window.Session().MayDropLevel()) return;
  const auto folder = window.Prompter().ChooseFolder({"Open Project", RequesterStart(window), ""});
  if (folder) SwitchTo(window, *folder);
}

void NewProject(MainWindow& window) {
  if (!window.Session().MayDropLevel()) return;
  platform::Prompter& prompter = window.Prompter();
  const auto folder = prompter.ChooseFolder({"New Project", RequesterStart(window), ""});
  if (!folder) return;
  if (project::IsProjectFolder(*folder)) {
    prompter.Show({"The folder " + folder->string() + " holds a project already.", "Error"});
    return;
  }
  const fs::path starter = window.Places().Starter();
  const bool from_starter =
      project::IsProjectFolder(starter) &&
      prompter.Ask({"Start the new project as a copy of the starter game Ember Keep?\n"
                    "No starts it empty, with just the icon sheet.",
                    "New Project"});
  const auto content = from_starter ? project::ProjectContent::kStarter : project::ProjectContent::kEmpty;
  if (project::CreateProject(*folder, content, starter, prompter)) SwitchTo(window, *folder);
}

void OpenRecentProject(MainWindow& window, size_t index) {
  const std::vector<fs::path>& recent = window.State().recent_projects;
  if (index >= recent.size() || !window.Session().MayDropLevel()) return;
  const fs::path folder = recent[index];
  if (!SwitchTo(window, folder)) ForgetProject(window, folder);
}

std::string RecentProjectText(const MainWindow& window, size_t index) {
  const std::vector<fs::path>& recent = window.State().recent_projects;
  if (index >= recent.size()) return "";
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : recent[index].string()) text += c == '&' ? std::string("&&") : std::string(1, c);
  return text;
}

}  // namespace app
