#include "app/layout_check.h"

#include <set>

namespace quenzar {
namespace {

bool kindRaises(ControlKind kind, ControlEvent event) {
  switch (event) {
    case ControlEvent::created:
      return kind == ControlKind::mainWindow;
    case ControlEvent::clicked:
      return kind == ControlKind::button || kind == ControlKind::radioButton;
    case ControlEvent::textChanged:
      return kind == ControlKind::editBox;
  }
  return false;
}

std::string checkBindings(std::string_view owner, ControlKind kind,
                          std::span<const EventBinding> bindings) {
  for (const EventBinding& binding : bindings) {
    if (binding.handler == nullptr) {
      return std::string(owner) + ": a binding without a handler procedure";
    }
    if (!kindRaises(kind, binding.event)) {
      return std::string(owner) + ": its kind never raises the event bound to " +
             std::string(binding.handlerName);
    }
  }
  return {};
}

// Whether walking up the parents ends at the window. Parents are known to
// exist here; a ring would never end, so the walk is cut at the list length.
bool reachesWindow(const WindowLayout& layout, const ControlLayout& control) {
  const ControlLayout* current = &control;
  for (std::size_t steps = 0; steps <= layout.controls.size(); ++steps) {
    if (current->parent.empty()) return true;
    current = findControl(layout, current->parent);
    if (current == nullptr) return false;
  }
  return false;
}

}  // namespace

std::string checkLayout(const WindowLayout& layout) {
  std::string problem =
      checkBindings(layout.name, ControlKind::mainWindow, layout.bindings);
  if (!problem.empty()) return problem;

  std::set<std::string_view> names{layout.name};
  for (const ControlLayout& control : layout.controls) {
    const std::string name(control.name);
    if (control.name.empty()) return "a control without a name";
    if (!names.insert(control.name).second) return name + ": name used twice";
    if (control.kind == ControlKind::mainWindow) return name + ": a window inside the window";
    if (!control.parent.empty()) {
      const ControlLayout* parent = findControl(layout, control.parent);
      if (parent == nullptr) return name + ": no parent called " + std::string(control.parent);
      if (parent->kind != ControlKind::groupBox) return name + ": parent is not a group box";
      if (!reachesWindow(layout, control)) return name + ": its parents form a ring";
    }
    problem = checkBindings(control.name, control.kind, control.bindings);
    if (!problem.empty()) return problem;
  }
  return {};
}

}  // namespace quenzar
