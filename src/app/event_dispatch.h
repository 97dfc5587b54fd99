#pragma once
// The one place where an event becomes a handler call.
//
// Dispatch is direct and synchronous: the handler runs on the caller's stack
// and dispatchEvent returns when it has returned, so an event raised inside a
// handler (by its own setText, say) runs nested at once. Nothing is queued.

#include <span>

#include "app/window_layout.h"

namespace quenzar {

// How a bound handler is called. The program calls the procedure; window
// tests pass a call that records the binding's name instead.
using HandlerCall = void (*)(const EventBinding& binding);
void callBoundHandler(const EventBinding& binding);

class EventDispatcher {
 public:
  explicit EventDispatcher(HandlerCall call = callBoundHandler) : call_(call) {}

  // Calls the handler bound to event among bindings, if there is one and
  // events are not suspended. An unbound event does nothing.
  void dispatchEvent(std::span<const EventBinding> bindings, ControlEvent event) const;

  // While above 0 no event is dispatched at all. Building a window holds it
  // raised; the end of the program raises it for good.
  int eventsSuspended() const { return eventsSuspended_; }
  void suspendEvents() { ++eventsSuspended_; }
  void resumeEvents() { --eventsSuspended_; }

 private:
  HandlerCall call_;
  int eventsSuspended_ = 0;
};

// Holds events suspended for the life of the scope.
class ScopedEventSuspension {
 public:
  explicit ScopedEventSuspension(EventDispatcher& dispatcher) : dispatcher_(dispatcher) {
    dispatcher_.suspendEvents();
  }
  ~ScopedEventSuspension() { dispatcher_.resumeEvents(); }
  ScopedEventSuspension(const ScopedEventSuspension&) = delete;
  ScopedEventSuspension& operator=(const ScopedEventSuspension&) = delete;

 private:
  EventDispatcher& dispatcher_;
};

}  // namespace quenzar
