// The real editor killed with unsaved changes: at the next start it offers
// them back, and the restored grid is the changed one. Real input needs a
// real window system, so the editor runs on an Xvfb server driven by xdotool.
#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "assets/picture.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"
#include "world/cell_codes.h"
#include "world/level.h"
#include "world/recovery_file.h"

using testing_support::TempFolder;

namespace {

// Waits until `done` holds, for at most 20 seconds.
template <typename Condition>
bool WaitFor(Condition done) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 20000) {
    if (done()) return true;
    QTest::qWait(100);
  }
  return done();
}

class CrashRecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    std::filesystem::copy_file(TARNWICK_EDITOR, folder / "tarnwick");
    folder.Write("twksys/ic", assets::EncodeBmp24(assets::Picture(550, 550)));
    folder.Write("pakpassword.txt", std::string("SECRETWORDSECRET"));
    server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForStarted(10000)) << "Xvfb is needed for this test";
    ASSERT_TRUE(WaitFor([&] { return server.canReadLine(); }));
    display = ":" + QString::fromLatin1(server.readLine()).trimmed();
  }
  void TearDown() override {
    for (auto& editor : editors) {
      editor->kill();
      editor->waitForFinished(5000);
    }
    server.terminate();
    server.waitForFinished(5000);
  }

  QProcess* StartEditor(const char* answers) {
    auto& editor = editors.emplace_back(std::make_unique<QProcess>());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    env.insert("XDG_STATE_HOME", QString::fromStdString(state.path().string()));
    // The recent projects and the default project go to a home of the test's own.
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) env.remove(name);
    env.insert("HOME", QString::fromStdString(home.path().string()));
    env.insert("TARNWICK_ECHO_PROMPTS", answers);
    editor->setProcessEnvironment(env);
    editor->start(QString::fromStdString((folder / "tarnwick").string()), {});
    EXPECT_TRUE(editor->waitForStarted(10000));
    return editor.get();
  }

  // Runs xdotool on the server; its output.
  QString Xdotool(const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    tool.setProcessEnvironment(env);
    tool.start("xdotool", arguments);
    EXPECT_TRUE(tool.waitForFinished(20000)) << arguments.join(' ').toStdString();
    return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
  }

  // The id of the window titled exactly `title`, once it is shown.
  QString Window(const QString& title) {
    QString id;
    WaitFor([&] {
      id = Xdotool({"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"});
      return !id.isEmpty();
    });
    return id.section('\n', 0, 0);
  }

  std::filesystem::path RecoveryPath() const { return world::RecoveryFile(state.path() / "tarnwick"); }

  TempFolder folder;
  TempFolder runtime;
  TempFolder state;
  TempFolder home;
  QProcess server;
  QString display;
  std::vector<std::unique_ptr<QProcess>> editors;
};

}  // namespace

TEST_F(CrashRecoveryTest, AKilledEditorOffersItsUnsavedGridBackAtTheNextStart) {
  QProcess* first = StartEditor("1");
  const QString main_window = Window("Tarnwick");
  ASSERT_FALSE(main_window.isEmpty()) << first->readAllStandardError().toStdString();
  // Erase a stretch of the left border with one sweep of the right button.
  Xdotool({"mousemove", "--window", main_window, "212", "60", "mousedown", "3", "mousemove", "--window",
           main_window, "212", "300", "mouseup", "3"});
  ASSERT_FALSE(Window("Tarnwick*").isEmpty());
  ASSERT_TRUE(WaitFor([&] { return platform::FileSizeByName(RecoveryPath()) > 0; }));
  const auto left = world::ReadRecovery(state.path() / "tarnwick");
  ASSERT_TRUE(left);
  EXPECT_TRUE(left->new_world);
  EXPECT_EQ(left->program_folder, folder.path());
  EXPECT_EQ(left->grid.at(0, 5), world::kEmptyByte);
  ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
  ASSERT_TRUE(first->waitForFinished(10000));

  QProcess* second = StartEditor("yes");
  QString seen;
  ASSERT_TRUE(WaitFor([&] {
    seen += QString::fromLocal8Bit(second->readAllStandardError());
    return seen.contains("[yes]");
  })) << seen.toStdString();
  EXPECT_TRUE(
      seen.startsWith("Restore: Tarnwick did not quit properly. Restore the unsaved changes to the new "
                      "level from "))
      << seen.toStdString();
  // Restored as the unsaved grid of the new level: saving it writes the changed grid.
  const QString restored = Window("Tarnwick*");
  ASSERT_FALSE(restored.isEmpty());
  Xdotool({"windowfocus", "--sync", restored, "key", "ctrl+s"});
  Xdotool({"windowfocus", "--sync", Window("Save Level"), "key", "Return"});
  ASSERT_TRUE(
      WaitFor([&] { return platform::FileSizeByName(folder / "twksys/game1") == world::kLevelFileSize; }));
  EXPECT_EQ(platform::ReadFileBytes(folder / "twksys/game1"), world::LevelFileBytes(left->grid));
  EXPECT_FALSE(Window("Level 1 - Tarnwick").isEmpty());
  EXPECT_FALSE(std::filesystem::exists(RecoveryPath()));  // a clean save removes it
}
