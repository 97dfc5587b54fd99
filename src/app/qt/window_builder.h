#pragma once
// Turns a window layout into a running window.

#include <memory>

#include "app/event_dispatch.h"
#include "app/qt/main_window.h"
#include "app/window_layout.h"

namespace quenzar {

// Builds the window and every control with events suspended, so no initial
// text raises anything; attaches the bindings; makes the window the one that
// control access acts on; raises created (the window exists but is not yet
// on screen); then shows the window with the focus on the first control of
// the Tab order. Gives nullptr when the window or a control cannot be
// created, with everything created so far destroyed again.
//
// Bound handlers are called through call: the procedures themselves in the
// program, a recorder in window tests. The layout must have passed
// checkLayout.
std::unique_ptr<MainWindow> buildWindow(const WindowLayout& layout,
                                        HandlerCall call = callBoundHandler);

}  // namespace quenzar
