#pragma once
// The life of the process: start-up, the message loop, shut-down.

#include <functional>

#include "app/desktop.h"
#include "app/event_dispatch.h"
#include "app/window_layout.h"

namespace quenzar {

class MainWindow;

struct ShellSetup {
  const WindowLayout* layout = nullptr;  // nullptr: the layout cannot be read
  HandlerCall call = callBoundHandler;  // how bound handlers are called
  Desktop* desktop = nullptr;           // attached for the handlers and fatal errors
  // Makes sure the toolkit runs; false when no display can be reached.
  std::function<bool()> startToolkit;
  // Called once the window is on screen, before the message loop runs.
  std::function<void(MainWindow&)> onShown;
};

// Start-up from reading the layout on: attach the desktop, check the layout, set the
// floating-point state, build and show the window, run the message loop
// until the window closes. Gives 0 then, or -1 after a fatal start-up error,
// which the desktop has shown (and the user closed) by then.
int runShell(const ShellSetup& setup);

// The whole process: the working directory becomes the executable's folder,
// then runShell with the program's own window, handlers and desktop.
int runApplication(int argc, char** argv);

}  // namespace quenzar
