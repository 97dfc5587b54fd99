#include "app/control_access.h"

#include <cassert>

namespace quenzar {
namespace {
WindowPort* attachedPort = nullptr;
}

void attachWindowPort(WindowPort* port) { attachedPort = port; }

WindowPort& windowPort() {
  assert(attachedPort != nullptr && "a handler ran before the window existed");
  return *attachedPort;
}

std::string getText(std::string_view control) { return windowPort().text(control); }

void setText(std::string_view control, std::string_view gbk) {
  windowPort().setText(control, gbk);
}

bool isChecked(std::string_view control) { return windowPort().isChecked(control); }

}  // namespace quenzar
