#include "shell/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "config/pack_password.h"
#include "kit/qt_prompter.h"
#include "platform/console_prompter.h"
#include "platform/instance_lock.h"
#include "shell/main_window.h"

namespace app {

namespace {

std::unique_ptr<platform::Prompter> MakePrompter() {
  if (std::getenv("TARNWICK_ECHO_PROMPTS")) return std::make_unique<platform::ConsolePrompter>();
  return std::make_unique<platform::QtPrompter>();
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Whether a window system can be reached at all; without one the toolkit
// would end the process before a word could be said.
bool ScreenAvailable() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

}  // namespace

int RunEditor(int argc, char** argv) {
  if (!ScreenAvailable()) {
    std::fprintf(stderr, "Error: Can't open screen!\n");
    return 1;
  }
  QApplication application(argc, argv);
  const platform::InstanceLock lock(platform::RuntimeFolder(), platform::kInstanceLockName);
  if (!lock.Held()) return 0;

  const auto prompter = MakePrompter();
  const platform::Workspace workspace(platform::ExecutableFolder());
  auto window = std::make_unique<MainWindow>(workspace, *prompter);
  if (auto* qt = dynamic_cast<platform::QtPrompter*>(prompter.get())) qt->SetParent(window.get());
  window->show();

  if (!workspace.Read("ic", 1)) {  // the icon sheet must open for reading
    window.reset();
    if (auto* qt = dynamic_cast<platform::QtPrompter*>(prompter.get())) qt->SetParent(nullptr);
    prompter->Show({"Can't load ressources", "Error"});
    return 1;
  }
  std::mt19937 random(std::random_device{}());
  // A password that cannot be written is reported; the editor starts all the same.
  static_cast<void>(config::EnsurePackPassword(workspace, *prompter, random));
  window->Start();
  application.exec();
  return 0;
}

}  // namespace app
