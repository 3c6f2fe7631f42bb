// Help and the GameBitmaps folder open through the desktop; the test takes
// the place of the desktop and records what was opened.
#include <QDesktopServices>
#include <QUrl>

#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"

using testing_support::EditorTest;
using testing_support::TempFolder;

class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
  Q_INVOKABLE void Open(const QUrl& url) { urls << url; }
};

class ShellTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    QDesktopServices::setUrlHandler("file", &opened, "Open");
  }
  void TearDown() override {
    QDesktopServices::unsetUrlHandler("file");
    EditorTest::TearDown();
  }
  QString Local(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
  OpenedUrls opened;
};

TEST_F(ShellTest, HelpOpensItsPageOnlyWhenItExists) {
  window->Dispatch(app::command::kHelp);
  EXPECT_TRUE(opened.urls.isEmpty());
  folder.Write("help/index.htm", std::string("<html></html>"));
  window->Dispatch(app::command::kHelp);
  ASSERT_EQ(opened.urls.size(), 1);
  EXPECT_EQ(opened.urls[0].toLocalFile(), Local(folder / "help/index.htm"));
}

TEST_F(ShellTest, HelpFallsBackToTheGuideInstalledWithTheEditor) {
  TempFolder share;
  share.Write("tarnwick/help/index.htm", std::string("<html></html>"));
  project::Places places;
  places.data = share / "tarnwick";
  window = std::make_unique<app::MainWindow>(platform::Workspace(folder.path()), prompter, places);
  window->Start();

  window->Dispatch(app::command::kHelp);  // the project has no guide of its own
  folder.Write("help/index.htm", std::string("<html></html>"));
  window->Dispatch(app::command::kHelp);
  EXPECT_EQ(opened.urls, (QList<QUrl>{QUrl::fromLocalFile(Local(share / "tarnwick/help/index.htm")),
                                      QUrl::fromLocalFile(Local(folder / "help/index.htm"))}));
}

TEST_F(ShellTest, GameBitmapsFolderIsOpenedWithoutAnyCheck) {
  window->Dispatch(app::command::kOpenGameBitmapsFolder);
  ASSERT_EQ(opened.urls.size(), 1);
  EXPECT_EQ(opened.urls[0].toLocalFile(), Local(folder / "GameBitmaps"));
  EXPECT_TRUE(prompter.shown.empty());
}

// The desktop itself, with no program on the search path to open anything.
TEST_F(ShellTest, WithoutAProgramToOpenThemHelpAndTheFolderSaySo) {
  QDesktopServices::unsetUrlHandler("file");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString((folder / "no-programs").string()));
  folder.Write("help/index.htm", std::string("<html></html>"));
  window->Dispatch(app::command::kHelp);
  window->Dispatch(app::command::kOpenGameBitmapsFolder);
  qputenv("PATH", path);
  EXPECT_EQ(prompter.shown,
            (std::vector<platform::Message>{{"Cannot open " + (folder / "help/index.htm").string(), "Error"},
                                            {"Cannot open " + (folder / "GameBitmaps").string(), "Error"}}));
}

#include "shell_commands_test.moc"
