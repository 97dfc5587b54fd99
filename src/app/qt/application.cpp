#include "app/qt/application.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/layout_check.h"
#include "app/main_window_layout.h"
#include "app/qt/gbk_text.h"
#include "app/qt/look.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_desktop.h"
#include "app/qt/window_builder.h"
#include "app/startup.h"
#include "calc/float_environment.h"

namespace quenzar {
namespace {

int failStartup(const ShellSetup& setup, std::string_view message) {
  // Events are already over: no window is left that could raise one. The
  // box needs the toolkit; without a display the desktop writes to stderr.
  if (setup.startToolkit) setup.startToolkit();
  setup.desktop->showMessageBox(toGbk(fromUtf8(fatalErrorText(message))),
                                toGbk(fromUtf8(kFatalErrorTitle)), BoxIcon::error);
  return -1;
}

bool displayConfigured() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

QtMessageHandler previousHandler = nullptr;

// While the toolkit starts, a display that is named but cannot be reached
// ends in a fatal toolkit message and an abort. Turn that into the program's
// own fatal error instead: the text on stderr and exit code -1.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type == QtFatalMsg) {
    const std::string text = fatalErrorText(kWindowNotCreated);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    std::_Exit(-1);
  }
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

// Owns the toolkit once it has been started.
class Toolkit {
 public:
  Toolkit(int argc, char** argv) : argc_(argc), argv_(argv) {}

  bool start() {
    if (QCoreApplication::instance() != nullptr) return true;
    if (!displayConfigured()) return false;
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    qInstallMessageHandler(previousHandler);
    applyDesktopLook(*app_);
    return true;
  }

 private:
  int argc_;  // QApplication keeps a reference to it
  char** argv_;
  std::unique_ptr<QApplication> app_;
};

}  // namespace

int runShell(const ShellSetup& setup) {
  // Attached for the whole life of the shell, and no longer.
  struct Attachment {
    explicit Attachment(Desktop* real) { attachDesktop(real); }
    ~Attachment() { attachDesktop(nullptr); }
  } attachment(setup.desktop);
  if (setup.layout == nullptr) return failStartup(setup, kLayoutUnreadable);
  if (const std::string problem = checkLayout(*setup.layout); !problem.empty()) {
    // The box says what the user can act on; the rule it broke is for
    // whoever edited the layout.
    std::fprintf(stderr, "layout: %s\n", problem.c_str());
    return failStartup(setup, kLayoutUnreadable);
  }
  setFloatingPointState();
  if (setup.startToolkit && !setup.startToolkit()) return failStartup(setup, kWindowNotCreated);

  std::unique_ptr<MainWindow> window = buildWindow(*setup.layout, setup.call);
  if (!window) return failStartup(setup, kWindowNotCreated);

  // The loop ends when the main window closes, whatever other windows exist.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(window.get(), &MainWindow::closed, qApp, &QCoreApplication::quit);
  if (setup.onShown) setup.onShown(*window);
  QApplication::exec();

  window->endEventsForGood();
  window.reset();
  return 0;
}

int runApplication(int argc, char** argv) {
  enterExecutableFolder();
  Toolkit toolkit(argc, argv);
  QtDesktop desktop;
  ShellSetup setup;
  setup.layout = &mainWindowLayout();
  setup.desktop = &desktop;
  setup.startToolkit = [&toolkit] { return toolkit.start(); };
  return runShell(setup);
}

}  // namespace quenzar
