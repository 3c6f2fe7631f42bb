// Project folders: the recent list across restarts, new projects from the
// starter or empty, the checks before a folder is worked on, and where the
// default project and the settings file lie.
#include "project/project_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/icon_sheet.h"
#include "platform/files.h"
#include "platform/scripted_prompter.h"
#include "project/recent_projects.h"
#include "project/user_folders.h"
#include "tests/support/run_command.h"
#include "tests/support/temp_folder.h"
#include "world/level_validation.h"

namespace {

namespace fs = std::filesystem;
using testing_support::RunAndCapture;
using testing_support::TempFolder;
using Folders = std::vector<fs::path>;

TEST(RecentProjects, SurviveARestartAndDropFoldersThatAreGone) {
  TempFolder config, a, b, c;
  const fs::path file = config / "tarnwick/recent-projects";
  EXPECT_TRUE(project::LoadRecentProjects(file).empty());

  Folders recent;
  for (const TempFolder* folder : {&a, &b, &c}) recent = project::WithRecentProject(recent, folder->path());
  recent = project::WithRecentProject(recent, a / ".");  // the same folder, written otherwise
  ASSERT_EQ(recent, (Folders{a.path(), c.path(), b.path()}));
  ASSERT_TRUE(project::SaveRecentProjects(file, recent));
  EXPECT_EQ(project::LoadRecentProjects(file), recent);

  fs::remove_all(c.path());              // gone
  fs::remove_all(b / "twksys");          // no project any more
  EXPECT_EQ(project::LoadRecentProjects(file), (Folders{a.path()}));
}

TEST(RecentProjects, KeepFiveAndSkipWhatIsNoFolderLine) {
  std::vector<TempFolder> folders(7);
  Folders recent;
  for (const TempFolder& folder : folders) recent = project::WithRecentProject(recent, folder.path());
  ASSERT_EQ(recent.size(), project::kRecentProjectCount);
  EXPECT_EQ(recent.front(), folders.back().path());

  TempFolder config;
  const std::string lines = "\nrelative/folder\n" + folders[0].path().string() + "\n" + folders[0].path().string() +
                            "/\n" + folders[1].path().string();
  config.Write("recent", lines);
  EXPECT_EQ(project::LoadRecentProjects(config / "recent"), (Folders{folders[0].path(), folders[1].path()}));
}

TEST(NewProject, FromTheStarterValidatesAndPacks) {
  TempFolder home;
  const fs::path folder = home / "Tarnwick/Ember Keep";  // the default project without a documents folder
  platform::ScriptedPrompter prompter;
  ASSERT_TRUE(project::CreateProject(folder, project::ProjectContent::kStarter,
                                     fs::path(TARNWICK_SHARE) / "tarnwick/starter", prompter));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(project::CheckProject(folder), project::ProjectProblem::kNone);
  EXPECT_EQ(world::ValidateLevels(platform::Workspace(folder), nullptr), 0);

  // tarnwick-cli finds the default project by itself, or is given it.
  const std::string fresh = "env -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR HOME='" + home.path().string() + "' ";
  const auto validate = RunAndCapture(fresh + TARNWICK_CLI + " validate");
  EXPECT_EQ(validate.status, 0) << validate.out;
#ifdef TARNWICK_SANITIZED
  GTEST_SKIP() << "packing the starter game under the sanitizers is DefaultWorkspace.PacksIntoAGameAtOnce's part";
#endif
  ASSERT_TRUE(platform::WriteFileAtomic(folder / "pakpassword.txt", std::string("NEWPROJECT")));
  const std::string cli = std::string(TARNWICK_CLI) + " --project '" + folder.string() + "' ";
  const auto pack = RunAndCapture(cli + "pack");
  ASSERT_EQ(pack.status, 0) << pack.out;
  const auto list = RunAndCapture(cli + "list '" + (folder / "twksys/game.pak").string() + "'");
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 380) << list.out;
}

TEST(NewProject, EmptyHoldsJustABlackIconSheet) {
  TempFolder root;
  const fs::path folder = root / "Empty";
  platform::ScriptedPrompter prompter;
  ASSERT_TRUE(project::CreateProject(folder, project::ProjectContent::kEmpty, {}, prompter));
  const platform::Workspace workspace(folder);
  EXPECT_TRUE(project::IconSheetOpens(workspace));
  EXPECT_TRUE(assets::LoadIconSheet(workspace).has_value());
  EXPECT_EQ(std::distance(fs::directory_iterator(workspace.Folder()), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::is_empty(workspace.GameBitmapsFolder()));
  EXPECT_FALSE(fs::exists(workspace.PasswordFile()));  // set at opening, as for every project

  root.Write("blocked", std::string("a file where the folder should be"));
  EXPECT_FALSE(project::CreateProject(root / "blocked", project::ProjectContent::kEmpty, {}, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], platform::CannotWriteMessage(root / "blocked/twksys"));
}

TEST(UserFolders, DocumentsEntryOfUserDirs) {
  const fs::path home = "/home/ann";
  struct Case {
    const char* text;
    std::optional<fs::path> documents;
  };
  const Case cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", home / "Documents"},
      {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n  XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n",
       home / "My \"Docs\""},
      {"XDG_DOCUMENTS_DIR=\"/data/papers/\"", fs::path("/data/papers/")},
      {"XDG_DOCUMENTS_DIR=\"$HOME/\"", home},
      {"XDG_DOCUMENTS_DIR=\"relative\"\n", std::nullopt},
      {"#XDG_DOCUMENTS_DIR=\"$HOME/Off\"\nXDG_MUSIC_DIR=\"$HOME/Music\"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(project::DocumentsEntry(c.text, home), c.documents) << c.text;

  EXPECT_EQ(project::DefaultProjectFolder({home, home / ".config", home / "Documents"}),
            home / "Documents/Tarnwick/Ember Keep");
  EXPECT_EQ(project::DefaultProjectFolder({home, home / ".config", {}}), home / "Tarnwick/Ember Keep");
  EXPECT_EQ(project::RecentProjectsFile({home, "/etc/xdg-ann", {}}), fs::path("/etc/xdg-ann/tarnwick/recent-projects"));
}

}  // namespace
