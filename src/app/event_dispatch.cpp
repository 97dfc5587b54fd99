#include "app/event_dispatch.h"

namespace quenzar {

void callBoundHandler(const EventBinding& binding) {
  // A layout is checked before it is built, so a binding always has its
  // procedure; one without is simply not called.
  if (binding.handler != nullptr) binding.handler();
}

void EventDispatcher::dispatchEvent(std::span<const EventBinding> bindings,
                                    ControlEvent event) const {
  if (eventsSuspended_ > 0) return;
  for (const EventBinding& binding : bindings) {
    if (binding.event != event) continue;
    call_(binding);
    return;
  }
}

}  // namespace quenzar
