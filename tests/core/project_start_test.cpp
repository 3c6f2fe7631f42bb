// Which project the editor opens at start-up (named, own folder, last used,
// default), what it tells when it passes one over, and the default project
// made from the starter on first start.
#include "project/start_project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/scripted_prompter.h"
#include "project/project_folder.h"
#include "project/recent_projects.h"
#include "project/window_title.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using project::ProjectSource;
using testing_support::TempFolder;

// A project whose workspace cannot be written, not even by root: its
// twksys is the process file system.
void MakeUnwritable(const fs::path& project) {
  fs::remove_all(project / "twksys");
  fs::create_directory_symlink("/proc", project / "twksys");
}

class StartProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(own / "twksys");  // an installed editor: nothing beside it
    fs::create_directories(root / "plain");
    MakeUnwritable(locked.path());
  }

  project::Places Places() const {
    return {own.path(), root / "Documents/Tarnwick/Ember Keep", root / "config/tarnwick/recent-projects", {}};
  }
  std::string Instead() const {
    return "\nThe default project " + (root / "Documents/Tarnwick/Ember Keep").string() + " is opened instead.";
  }

  TempFolder root, own, named, last, older, locked;
};

TEST_F(StartProjectTest, ChoosesByArgumentOwnFolderRecentListAndDefault) {
  const fs::path missing = root / "gone";
  const fs::path plain = root / "plain";
  struct Case {
    const char* what;
    bool own_has_workspace;
    std::optional<fs::path> argument;
    std::vector<fs::path> recent;
    fs::path folder;
    ProjectSource source;
    std::string problem;
  };
  const fs::path fallback = Places().default_project;
  const std::vector<Case> cases = {
      {"named", false, named.path(), {last.path()}, named.path(), ProjectSource::kArgument, ""},
      {"named with a trailing separator", false, named.path() / "", {}, named.path(), ProjectSource::kArgument, ""},
      {"named beats the own folder", true, named.path(), {}, named.path(), ProjectSource::kArgument, ""},
      {"named but missing", false, missing, {last.path()}, fallback, ProjectSource::kDefault,
       "The project folder " + missing.string() + " does not exist." + Instead()},
      {"named but no project", false, plain, {}, fallback, ProjectSource::kDefault,
       "The folder " + plain.string() + " is not a project: it has no twksys folder." + Instead()},
      {"named but unwritable", false, locked.path(), {}, fallback, ProjectSource::kDefault,
       "The project folder " + locked.path().string() + " cannot be written to." + Instead()},
      {"own folder", true, std::nullopt, {last.path()}, own.path(), ProjectSource::kOwnFolder, ""},
      {"own folder named", true, own.path(), {last.path()}, own.path(), ProjectSource::kOwnFolder, ""},
      {"last used", false, std::nullopt, {last.path(), older.path()}, last.path(), ProjectSource::kRecent, ""},
      {"last used but unwritable", false, std::nullopt, {locked.path(), older.path()}, fallback,
       ProjectSource::kDefault, "The project folder " + locked.path().string() + " cannot be written to." + Instead()},
      {"nothing known", false, std::nullopt, {}, fallback, ProjectSource::kDefault, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.own_has_workspace)
      fs::create_directories(own / "twksys");
    else
      fs::remove_all(own / "twksys");
    const project::ProjectChoice choice = project::ChooseStartProject(Places(), c.argument, c.recent);
    EXPECT_EQ(choice.folder, c.folder);
    EXPECT_EQ(choice.source, c.source);
    EXPECT_EQ(choice.problem ? choice.problem->text : "", c.problem);
    if (choice.problem) {
      EXPECT_EQ(choice.problem->title, "Error");
    }
  }
}

TEST_F(StartProjectTest, FirstStartMakesTheDefaultProjectFromTheStarterAndRemembersIt) {
  project::Places places = Places();
  places.data = root / "share/tarnwick";
  root.Write("share/tarnwick/starter/twksys/ic", std::string("sheet"));
  root.Write("share/tarnwick/starter/GameBitmaps/menu1.bmp", std::string("menu"));
  platform::ScriptedPrompter prompter;

  const project::StartProject start = project::OpenStartProject(places, std::nullopt, prompter);
  EXPECT_EQ(start.folder, places.default_project);
  EXPECT_EQ(start.name, "Ember Keep");
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(platform::ReadFileBytes(start.folder / "twksys/ic"), platform::ReadFileBytes(places.Starter() / "twksys/ic"));
  EXPECT_TRUE(fs::exists(start.folder / "GameBitmaps/menu1.bmp"));
  EXPECT_EQ(start.recent, std::vector<fs::path>{start.folder});
  EXPECT_EQ(project::LoadRecentProjects(places.recent_file), start.recent);

  // Started again on another project, then without an argument: the last one.
  EXPECT_EQ(project::OpenStartProject(places, named.path(), prompter).folder, named.path());
  const project::StartProject again = project::OpenStartProject(places, std::nullopt, prompter);
  EXPECT_EQ(again.folder, named.path());
  EXPECT_EQ(again.recent, (std::vector<fs::path>{named.path(), places.default_project}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(StartProjectTest, TheOwnFolderIsNotRememberedAndAMissingStarterIsTold) {
  fs::create_directories(own / "twksys");
  platform::ScriptedPrompter prompter;
  const project::StartProject start = project::OpenStartProject(Places(), std::nullopt, prompter);
  EXPECT_EQ(start.folder, own.path());
  EXPECT_EQ(start.name, "");
  EXPECT_FALSE(fs::exists(Places().recent_file));

  fs::remove_all(own / "twksys");
  project::Places places = Places();
  places.data = root / "share/tarnwick";  // holds no starter
  project::OpenStartProject(places, std::nullopt, prompter);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "The starter project " + places.Starter().string() + " is missing.");
  EXPECT_FALSE(fs::exists(places.recent_file));
}

TEST(DataFolder, IsFoundBesideTheBinFolderOrInsideTheBuildFolder) {
  TempFolder installed;
  installed.Write("usr/share/tarnwick/starter/twksys/ic", std::string("x"));
  fs::create_directories(installed / "usr/bin");
  EXPECT_EQ(project::FindDataFolder(installed / "usr/bin"), installed / "usr/share/tarnwick");

  TempFolder build;
  build.Write("share/tarnwick/starter/twksys/ic", std::string("x"));
  EXPECT_EQ(project::FindDataFolder(build.path()), build / "share/tarnwick");
  EXPECT_EQ(project::FindDataFolder(installed.path()), fs::path());
}

TEST(WindowTitle, NamesTheLevelAndTheProject) {
  EXPECT_EQ(project::WindowTitle("Level 3", "Ember Keep"), "Level 3 - Ember Keep - Tarnwick");
  EXPECT_EQ(project::WindowTitle("", "Ember Keep"), "Ember Keep - Tarnwick");
  EXPECT_EQ(project::WindowTitle("Level 03", ""), "Level 03 - Tarnwick");
  EXPECT_EQ(project::WindowTitle("", ""), "Tarnwick");
}

}  // namespace
