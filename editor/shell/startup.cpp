#include "shell/startup.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <random>
#include <string_view>

#include "config/pack_password.h"
#include "kit/qt_prompter.h"
#include "platform/console_prompter.h"
#include "platform/instance_lock.h"
#include "project/project_folder.h"
#include "project/start_project.h"
#include "shell/main_window.h"
#include "shell/open_screen.h"
#include "shell/recovery_upkeep.h"

namespace app {

namespace {

// TARNWICK_ECHO_PROMPTS=yes answers every question Yes, any other value No.
std::unique_ptr<platform::Prompter> MakePrompter() {
  if (const char* echo = std::getenv("TARNWICK_ECHO_PROMPTS")) {
    auto console = std::make_unique<platform::ConsolePrompter>();
    console->default_answer = std::string_view(echo) == "yes";
    return console;
  }
  return std::make_unique<platform::QtPrompter>();
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Ties the editor's windows to its desktop entry and its icon in the theme.
void SetDesktopIdentity() {
  QGuiApplication::setDesktopFileName("org.tarnwick.Tarnwick");
  QApplication::setWindowIcon(QIcon::fromTheme("tarnwick"));
}

// The toolkit's own settings (its file dialogs remember their last folder
// and layout) go to the editor's settings folder beside the recent projects,
// not to a toolkit file of the user's config folder.
void KeepToolkitSettingsWith(const project::Places& places) {
  if (places.recent_file.empty()) return;
  const QString folder = QString::fromStdString(places.recent_file.parent_path().string());
  for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, folder);
}

// The project the editor works on: the one whose unsaved level is being
// restored, else the folder named by the first argument left after the
// toolkit's own, else the last one used or the default one.
project::StartProject ChooseProject(const project::Places& places, platform::Prompter& prompter,
                                    std::optional<std::filesystem::path> named) {
  const QStringList arguments = QApplication::arguments();
  if (!named && arguments.size() > 1) named = std::filesystem::path(arguments[1].toStdString());
  return project::OpenStartProject(places, named, prompter);
}

// For tests and CI: with TARNWICK_QUIT_AFTER_START set, the editor quits
// through its Quit command as soon as its event loop runs.
void QuitAfterStartIfAsked(MainWindow& window) {
  if (Set("TARNWICK_QUIT_AFTER_START")) QTimer::singleShot(0, &window, [&window] { window.Quit(); });
}

}  // namespace

int RunEditor(int argc, char** argv) {
  const auto application = OpenScreen(argc, argv);
  if (!application) return 1;
  SetDesktopIdentity();
  const platform::InstanceLock lock(platform::RuntimeFolder(), platform::kInstanceLockName);
  if (!lock.Held()) return 0;

  const auto prompter = MakePrompter();
  const project::Places places =
      project::PlacesOf(project::UserFoldersOfEnvironment(), platform::ExecutableFolder());
  KeepToolkitSettingsWith(places);
  const auto recovered = AskToRestore(*prompter);
  const project::StartProject start =
      ChooseProject(places, *prompter, recovered ? std::optional(recovered->program_folder) : std::nullopt);
  const platform::Workspace workspace(start.folder);
  auto window = std::make_unique<MainWindow>(workspace, *prompter, places);
  window->State().project_name = start.name;
  window->State().recent_projects = start.recent;
  if (auto* qt = dynamic_cast<platform::QtPrompter*>(prompter.get())) qt->SetParent(window.get());
  window->show();

  if (!project::IconSheetOpens(workspace)) {
    window.reset();
    if (auto* qt = dynamic_cast<platform::QtPrompter*>(prompter.get())) qt->SetParent(nullptr);
    prompter->Show(project::kCannotLoadResources);
    return 1;
  }
  std::mt19937 random(std::random_device{}());
  // A password that cannot be written is reported; the editor starts all the same.
  static_cast<void>(config::EnsurePackPassword(workspace, *prompter, random));
  window->Start();
  if (recovered) window->Restore(*recovered);
  QuitAfterStartIfAsked(*window);
  QApplication::exec();
  return 0;
}

}  // namespace app
