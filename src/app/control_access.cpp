#include "app/control_access.h"

#include <cassert>

namespace quenzar {
namespace {
Controls* attached = nullptr;
std::uint64_t generation = 0;
}  // namespace

void attachControls(Controls* window) {
  attached = window;
  if (window != nullptr) ++generation;
}

Controls& controls() {
  assert(attached != nullptr && "a handler ran before the window existed");
  return *attached;
}

std::uint64_t controlsGeneration() { return generation; }

std::string getText(std::string_view control) { return controls().text(control); }
void setText(std::string_view control, std::string_view gbk) { controls().setText(control, gbk); }
bool isChecked(std::string_view control) { return controls().isChecked(control); }

}  // namespace quenzar
