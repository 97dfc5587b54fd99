#include "app/window_layout.h"

namespace quenzar {

const ControlLayout* findControl(const WindowLayout& layout, std::string_view name) {
  for (const ControlLayout& control : layout.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

bool canTakeFocus(ControlKind kind) {
  return kind == ControlKind::editBox || kind == ControlKind::button ||
         kind == ControlKind::radioButton;
}

}  // namespace quenzar
