#include "project/project_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "assets/icon_sheet.h"
#include "platform/files.h"

namespace project {

namespace fs = std::filesystem;

namespace {

// Makes and removes a file in `folder`; whether that worked.
bool Writable(const fs::path& folder) {
  const fs::path probe = folder / (".tarnwick-write-test-" + std::to_string(::getpid()));
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return ::unlink(probe.c_str()) == 0;
}

bool MakeFolder(const fs::path& folder, platform::Prompter& prompter) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder)) {
    prompter.Show(platform::CannotWriteMessage(folder));
    return false;
  }
  return true;
}

// Copies every folder and file below `from` into `to`, replacing files
// of the same name.
bool CopyTree(const fs::path& from, const fs::path& to, platform::Prompter& prompter) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from);
    if (it->is_directory()) {
      if (!MakeFolder(target, prompter)) return false;
    } else if (!platform::CopyFileReplacing(it->path(), target)) {
      prompter.Show(platform::CannotWriteMessage(target));
      return false;
    }
  }
  if (ec) prompter.Show({"The starter project " + from.string() + " cannot be read.", "Error"});
  return !ec;
}

}  // namespace

fs::path NormalFolder(const fs::path& folder) {
  std::error_code ec;
  fs::path normal = fs::absolute(folder, ec).lexically_normal();
  if (ec) normal = folder.lexically_normal();
  if (normal.has_relative_path() && normal.filename().empty()) normal = normal.parent_path();
  return normal;
}

bool IsProjectFolder(const fs::path& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder / "twksys", ec);
}

ProjectProblem CheckProject(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return ProjectProblem::kMissing;
  if (!IsProjectFolder(folder)) return ProjectProblem::kNotAProject;
  if (!Writable(folder) || !Writable(folder / "twksys")) return ProjectProblem::kUnwritable;
  return ProjectProblem::kNone;
}

platform::Message ProjectProblemMessage(ProjectProblem problem, const fs::path& folder) {
  const std::string path = folder.string();
  switch (problem) {
    case ProjectProblem::kMissing:
      return {"The project folder " + path + " does not exist.", "Error"};
    case ProjectProblem::kNotAProject:
      return {"The folder " + path + " is not a project: it has no twksys folder.", "Error"};
    case ProjectProblem::kUnwritable:
      return {"The project folder " + path + " cannot be written to.", "Error"};
    case ProjectProblem::kNone:
      break;
  }
  return {};
}

std::string ProjectName(const fs::path& folder) {
  return NormalFolder(folder).filename().string();
}

bool IconSheetOpens(const platform::Workspace& workspace) {
  return workspace.Read(assets::kIconSheetName, 1).has_value();
}

bool CreateProject(const fs::path& folder, ProjectContent content, const fs::path& starter,
                   platform::Prompter& prompter) {
  if (content == ProjectContent::kStarter) {
    if (!IsProjectFolder(starter)) {
      prompter.Show({"The starter project " + starter.string() + " is missing.", "Error"});
      return false;
    }
    return MakeFolder(folder, prompter) && CopyTree(starter, folder, prompter);
  }
  const platform::Workspace workspace(folder);
  if (!MakeFolder(workspace.Folder(), prompter) || !MakeFolder(workspace.GameBitmapsFolder(), prompter))
    return false;
  if (!assets::EnsureIconSheet(workspace)) {
    prompter.Show(platform::CannotWriteMessage(workspace.PathOf(assets::kIconSheetName)));
    return false;
  }
  return true;
}

}  // namespace project
