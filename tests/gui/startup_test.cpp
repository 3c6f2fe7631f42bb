// Start-up of the real editor executable, copied into a temporary program
// folder or into an installed layout. TARNWICK_ECHO_PROMPTS makes it write
// its messages to the error output instead of showing boxes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <regex>
#include <set>
#include <string>

#include "assets/picture.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

using testing_support::TempFolder;

namespace {

constexpr const char* kPasswordMessage =
    "Info: A default GamePak password has been set!\r\nTo change it got to Menu <Settings>";

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::permissions(runtime.path(),
                                 std::filesystem::perms::owner_all);  // as a runtime folder is
    std::error_code ec;
    std::filesystem::create_hard_link(TARNWICK_EDITOR, program(), ec);
    if (ec) std::filesystem::copy_file(TARNWICK_EDITOR, program());
  }
  void TearDown() override {
    for (QProcess* p : processes_) {
      p->kill();
      p->waitForFinished(5000);
      delete p;
    }
  }

  std::filesystem::path program() const { return folder / "tarnwick"; }
  void WriteIconSheet() { folder.Write("twksys/ic", assets::EncodeBmp24(assets::Picture(550, 550))); }

  QProcess* Start() { return StartOn("offscreen", ""); }

  // Started with only this platform and this X display named (none when empty).
  QProcess* StartOn(const QString& platform, const QString& display) {
    auto* process = new QProcess;
    processes_.push_back(process);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    env.insert("TARNWICK_ECHO_PROMPTS", "1");
    process->setProcessEnvironment(env);
    process->start(QString::fromStdString(program().string()), {});
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
  }

  // Waits until the process wrote `text` to its error output.
  static bool WaitForError(QProcess* process, const QString& text, QString& seen) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
      seen += QString::fromLocal8Bit(process->readAllStandardError());
      if (seen.contains(text)) return true;
      QTest::qWait(50);
      if (seen.contains(text)) return true;
      if (process->state() != QProcess::Running) return false;
      process->waitForReadyRead(200);
    }
    return false;
  }

  TempFolder folder;
  TempFolder runtime;

 private:
  std::vector<QProcess*> processes_;
};

}  // namespace

TEST_F(StartupTest, WorkspaceWithoutIconSheetStopsWithAMessage) {
  folder.Write("twksys/settings", std::string(100, '\0'));
  folder.Write("pakpassword.txt", std::string("SECRETWORD"));
  QProcess* editor = Start();
  ASSERT_TRUE(editor->waitForFinished(20000));
  EXPECT_EQ(editor->exitCode(), 1);
  EXPECT_EQ(QString::fromLocal8Bit(editor->readAllStandardError()).trimmed(), "Error: Can't load ressources");
}

TEST_F(StartupTest, AScreenThatDoesNotOpenIsReportedAndEndsTheEditorWithStatusOne) {
  WriteIconSheet();
  struct Case {
    const char* what;
    QString platform, display;
  };
  const Case cases[] = {{"no screen named", "", ""},
                        {"a display nobody serves", "xcb", ":77"},
                        {"a platform that is not there", "nosuchplatform", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QProcess* editor = StartOn(c.platform, c.display);
    ASSERT_TRUE(editor->waitForFinished(20000));
    EXPECT_EQ(editor->exitStatus(), QProcess::NormalExit);  // no abort, no core dump
    EXPECT_EQ(editor->exitCode(), 1);
    // What the toolkit said about the cause may come first.
    const QStringList lines = QString::fromLocal8Bit(editor->readAllStandardError()).trimmed().split('\n');
    EXPECT_EQ(lines.last(), "Error: Can't open screen!") << lines.join('\n').toStdString();
  }
}

TEST_F(StartupTest, ShortPasswordFileIsReplacedAndASecondCopyEndsAtOnce) {
  WriteIconSheet();
  folder.Write("pakpassword.txt", std::string("ABC"));
  QProcess* first = Start();
  QString seen;
  ASSERT_TRUE(WaitForError(first, kPasswordMessage, seen)) << seen.toStdString();
  const auto password = platform::ReadFileBytes(folder / "pakpassword.txt");
  ASSERT_TRUE(password);
  EXPECT_TRUE(std::regex_match(std::string(password->begin(), password->end()), std::regex("[A-Z]{16}")));

  QProcess* second = Start();
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_TRUE(second->readAllStandardError().isEmpty());
  EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
  EXPECT_EQ(first->state(), QProcess::Running);
  EXPECT_EQ(platform::ReadFileBytes(folder / "pakpassword.txt"), password);
}

TEST_F(StartupTest, ADefaultPasswordThatCannotBeWrittenIsReportedNotAnnounced) {
  WriteIconSheet();
  folder.Write("pakpassword.txt/inside", std::string("x"));  // a folder cannot be replaced, even by root
  QProcess* editor = Start();
  const std::string expected = "Error: cannot write to file " + (folder / "pakpassword.txt").string();
  QString seen;
  ASSERT_TRUE(WaitForError(editor, QString::fromStdString(expected), seen)) << seen.toStdString();
  EXPECT_FALSE(seen.contains("has been set"));
  EXPECT_EQ(editor->state(), QProcess::Running);
}

namespace {

// The editor as installed: <prefix>/bin/tarnwick beside <prefix>/share, with
// no workspace beside the executable, started with a fresh home folder.
class InstalledStartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "home");
    std::filesystem::create_directories(root / "runtime");
    std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::remove_all(root / "twksys");
    std::error_code ec;
    std::filesystem::create_hard_link(TARNWICK_EDITOR, root / "usr/bin/tarnwick", ec);
    if (ec) std::filesystem::copy_file(TARNWICK_EDITOR, root / "usr/bin/tarnwick");
    std::filesystem::create_directory_symlink(TARNWICK_SHARE, root / "usr/share");
  }

  struct Run {
    int status = -1;
    QString errors;
  };
  // Runs the editor until it quits by itself after starting.
  Run Start(const QStringList& arguments = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) env.remove(name);
    env.insert("HOME", QString::fromStdString((root / "home").string()));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString((root / "runtime").string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TARNWICK_ECHO_PROMPTS", "1");
    env.insert("TARNWICK_QUIT_AFTER_START", "1");
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString((root / "usr/bin/tarnwick").string()), arguments);
    Run run;
    if (!process.waitForFinished(30000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return run;
  }
  std::filesystem::path DefaultProject() const { return root / "home/Tarnwick/Ember Keep"; }
  std::string RecentFile() const {
    const auto bytes = platform::ReadFileBytes(root / "home/.config/tarnwick/recent-projects");
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
  }

  // Every file and folder in the home folder, the default project's content left out.
  std::set<std::string> WrittenOutsideTheProject() const {
    std::set<std::string> written;
    const std::filesystem::path home = root / "home";
    for (auto it = std::filesystem::recursive_directory_iterator(home); it != decltype(it)(); ++it) {
      written.insert(std::filesystem::relative(it->path(), home).string());
      if (it->path() == DefaultProject()) it.disable_recursion_pending();
    }
    return written;
  }

  TempFolder root;
};

TEST_F(InstalledStartupTest, FirstStartMakesTheDefaultProjectFromTheStarterAndQuitsCleanly) {
  const Run first = Start();
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.errors, kPasswordMessage);
  EXPECT_EQ(platform::ReadFileBytes(DefaultProject() / "twksys/game1"),
            platform::ReadFileBytes(std::filesystem::path(TARNWICK_SHARE) / "tarnwick/starter/twksys/game1"));
  EXPECT_EQ(RecentFile(), DefaultProject().string() + "\n");
  EXPECT_EQ(WrittenOutsideTheProject(), (std::set<std::string>{".config", ".config/tarnwick",
                                                               ".config/tarnwick/recent-projects", "Tarnwick",
                                                               "Tarnwick/Ember Keep"}));

  const Run second = Start();
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.errors, "");
}

TEST_F(InstalledStartupTest, OpensTheNamedProjectThenTheLastOneAndFallsBackFromAMissingOne) {
  const std::filesystem::path mine = root / "home/Mine";
  std::filesystem::create_directories(mine / "twksys");
  ASSERT_TRUE(platform::WriteFileAtomic(mine / "twksys/ic", assets::EncodeBmp24(assets::Picture(550, 550))));

  EXPECT_EQ(Start({QString::fromStdString(mine.string())}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(mine / "pakpassword.txt"));  // set as the project opened
  EXPECT_EQ(RecentFile(), mine.string() + "\n");

  std::filesystem::remove(mine / "pakpassword.txt");
  EXPECT_EQ(Start().errors, kPasswordMessage);
  EXPECT_TRUE(std::filesystem::exists(mine / "pakpassword.txt"));

  const std::filesystem::path gone = root / "home/Gone";
  const Run fallback = Start({QString::fromStdString(gone.string())});
  EXPECT_EQ(fallback.status, 0);
  EXPECT_TRUE(fallback.errors.startsWith(QString::fromStdString(
      "Error: The project folder " + gone.string() + " does not exist.\nThe default project " +
      DefaultProject().string() + " is opened instead.\n")))
      << fallback.errors.toStdString();
  EXPECT_TRUE(std::filesystem::exists(DefaultProject() / "twksys/ic"));
  EXPECT_EQ(RecentFile(), DefaultProject().string() + "\n" + mine.string() + "\n");
}

}  // namespace
