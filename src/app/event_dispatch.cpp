#include "app/event_dispatch.h"

namespace quenzar {

void EventDispatcher::dispatchEvent(std::span<const EventBinding> bindings,
                                    ControlEvent event) const {
  if (eventsSuspended_ > 0) return;
  for (const EventBinding& binding : bindings) {
    if (binding.event != event) continue;
    // A layout is checked before it is built, so a bound name always has a
    // handler; an unknown one is simply not called.
    if (Handler handler = findHandler(handlers_, binding.handler)) handler();
    return;
  }
}

}  // namespace quenzar
