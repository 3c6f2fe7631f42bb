// The World menu's project commands on the real main window: New Project
// from the starter or empty, Open Project, the recent projects, and the
// questions and messages on the way.
#include <QAction>
#include <QMenuBar>

#include "assets/picture.h"
#include "platform/files.h"
#include "project/recent_projects.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"

namespace {

namespace fs = std::filesystem;
using Folders = std::vector<fs::path>;
using testing_support::TempFolder;

constexpr const char* kPasswordSet =
    "A default GamePak password has been set!\r\nTo change it got to Menu <Settings>";
constexpr const char* kStarterQuestion =
    "Start the new project as a copy of the starter game Ember Keep?\nNo starts it empty, with just the icon sheet.";

class ProjectCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const fs::path& project : {first(), second()}) MakeProject(project);
    const project::Places places{root / "bin", root / "Documents/Tarnwick/Ember Keep",
                                 root / "config/tarnwick/recent-projects", fs::path(TARNWICK_SHARE) / "tarnwick"};
    window = std::make_unique<app::MainWindow>(platform::Workspace(first()), prompter, places);
    window->State().project_name = "First Game";
    window->Start();
    window->show();
  }

  fs::path first() const { return root / "First Game"; }
  fs::path second() const { return root / "Second Game"; }
  static void MakeProject(const fs::path& folder) {
    fs::create_directories(folder / "twksys");
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "twksys/ic", assets::EncodeBmp24(assets::Picture(550, 550))));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "pakpassword.txt", std::string("PASSWORD")));
  }

  // The texts of the World menu's items after Open Project.
  QStringList RecentItems() const {
    QStringList texts;
    bool after_open = false;
    for (QAction* item : window->menuBar()->actions().front()->menu()->actions()) {
      if (after_open && !item->isSeparator() && item->property("command").toInt() != app::command::kQuit)
        texts << item->text();
      if (item->property("command").toInt() == app::command::kOpenProject) after_open = true;
    }
    return texts;
  }
  static QString Item(int number, const fs::path& folder) {
    return QString("&%1 %2").arg(number).arg(QString::fromStdString(folder.string()));
  }
  Folders RecentFile() const { return project::LoadRecentProjects(window->Places().recent_file); }

  TempFolder root;
  platform::ScriptedPrompter prompter;
  std::unique_ptr<app::MainWindow> window;
};

TEST_F(ProjectCommandsTest, OpenProjectAsksAboutUnsavedChangesThenWorksOnTheNewProject) {
  fs::remove(second() / "pakpassword.txt");
  window->State().level.unsaved_changes = true;
  window->State().icon_path = "/icons/first.ico";
  prompter.answers = {false};  // "Save changes?" No
  prompter.files = {second()};
  window->Dispatch(app::command::kOpenProject);

  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0], (platform::Message{"Save changes?", "TWK"}));
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].title, "Open Project");
  EXPECT_EQ(prompter.requests[0].default_name, root.path().string());
  EXPECT_EQ(window->Workspace().ProgramFolder(), second());
  EXPECT_EQ(window->windowTitle(), "Second Game - Tarnwick");
  EXPECT_FALSE(window->State().level.unsaved_changes);
  EXPECT_EQ(window->State().icon_path, "");
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{kPasswordSet, "Info"}}));
  EXPECT_TRUE(fs::exists(second() / "pakpassword.txt"));
  EXPECT_EQ(RecentFile(), Folders{second()});
  EXPECT_EQ(RecentItems(), QStringList{Item(1, second())});

  // A saved level of the new project shows in the title with both names.
  ASSERT_TRUE(platform::WriteFileAtomic(second() / "twksys/game3", std::string(4224, 'x')));
  testing_support::WhenModal([](QDialog* dialog) { testing_support::TypeAndPress(dialog, "number", "3", "confirm"); });
  window->Dispatch(app::command::kLoadLevel);
  EXPECT_EQ(window->windowTitle(), "Level 3 - Second Game - Tarnwick");
}

TEST_F(ProjectCommandsTest, OpenProjectRefusesAFolderItCannotWorkOn) {
  fs::create_directories(root / "Photos");
  prompter.files = {root / "Photos", std::nullopt};
  window->Dispatch(app::command::kOpenProject);
  window->Dispatch(app::command::kOpenProject);  // cancelled
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{
                                {"The folder " + (root / "Photos").string() + " is not a project: it has no twksys folder.",
                                 "Error"}}));
  EXPECT_EQ(window->Workspace().ProgramFolder(), first());
  EXPECT_EQ(window->windowTitle(), "First Game - Tarnwick");
  EXPECT_TRUE(RecentFile().empty());
}

TEST_F(ProjectCommandsTest, NewProjectIsACopyOfTheStarterOrEmpty) {
  prompter.files = {root / "Copy", root / "Blank", root / "Blank"};
  prompter.answers = {true, false};
  window->Dispatch(app::command::kNewProject);
  EXPECT_EQ(window->Workspace().ProgramFolder(), root / "Copy");
  EXPECT_EQ(window->windowTitle(), "Copy - Tarnwick");
  EXPECT_EQ(platform::ReadFileBytes(root / "Copy/twksys/game1"),
            platform::ReadFileBytes(window->Places().Starter() / "twksys/game1"));

  window->Dispatch(app::command::kNewProject);
  EXPECT_EQ(window->Workspace().ProgramFolder(), root / "Blank");
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "Blank/twksys"), fs::directory_iterator()), 1);

  window->Dispatch(app::command::kNewProject);  // a project is there already
  EXPECT_EQ(prompter.asked, (std::vector<platform::Message>{{kStarterQuestion, "New Project"},
                                                             {kStarterQuestion, "New Project"}}));
  EXPECT_EQ(prompter.shown.back(),
            (platform::Message{"The folder " + (root / "Blank").string() + " holds a project already.", "Error"}));
  EXPECT_EQ(prompter.requests[0].title, "New Project");
  EXPECT_EQ(RecentFile(), (Folders{root / "Blank", root / "Copy"}));
}

TEST_F(ProjectCommandsTest, RecentProjectsOpenFromTheMenuAndGoneOnesAreDropped) {
  prompter.files = {first(), second()};
  window->Dispatch(app::command::kOpenProject);
  window->Dispatch(app::command::kOpenProject);
  ASSERT_EQ(RecentItems(), (QStringList{Item(1, second()), Item(2, first())}));

  window->Dispatch(app::command::kRecentProject1 + 1);
  EXPECT_EQ(window->Workspace().ProgramFolder(), first());
  EXPECT_EQ(RecentItems(), (QStringList{Item(1, first()), Item(2, second())}));

  fs::remove_all(second());
  window->Dispatch(app::command::kRecentProject1 + 1);
  EXPECT_EQ(prompter.shown.back(),
            (platform::Message{"The project folder " + second().string() + " does not exist.", "Error"}));
  EXPECT_EQ(window->Workspace().ProgramFolder(), first());
  EXPECT_EQ(RecentItems(), QStringList{Item(1, first())});
  EXPECT_EQ(RecentFile(), Folders{first()});
}

}  // namespace
