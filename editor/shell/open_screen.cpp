#include "shell/open_screen.h"

#include <cstdio>
#include <cstdlib>

#include "platform/console_prompter.h"

namespace app {

namespace {

const platform::Message kCantOpenScreen{"Can't open screen!", "Error"};

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Whether a window system is named at all.
bool ScreenNamed() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

// The toolkit tells of a screen it cannot open with a fatal message and
// then aborts: the process ends here instead, with the editor's message.
// Its other messages are printed as usual.
void WhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    return;
  }
  platform::ConsolePrompter().Show(kCantOpenScreen);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> OpenScreen(int& argc, char** argv) {
  if (!ScreenNamed()) {
    platform::ConsolePrompter().Show(kCantOpenScreen);
    return nullptr;
  }
  const QtMessageHandler before = qInstallMessageHandler(WhileOpening);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(before);
  return application;
}

}  // namespace app
