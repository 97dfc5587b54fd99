#include "app/desktop.h"

#include <cassert>

namespace quenzar {
namespace {
Desktop* attached = nullptr;
}

void attachDesktop(Desktop* real) { attached = real; }

Desktop& desktop() {
  assert(attached != nullptr && "a handler ran before the desktop was attached");
  return *attached;
}

}  // namespace quenzar
