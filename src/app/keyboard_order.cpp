#include "app/keyboard_order.h"

#include <algorithm>

namespace quenzar {
namespace {

std::ptrdiff_t indexOf(const std::vector<const ControlLayout*>& list, std::string_view name) {
  auto found = std::find_if(list.begin(), list.end(),
                            [name](const ControlLayout* c) { return c->name == name; });
  return found == list.end() ? -1 : found - list.begin();
}

}  // namespace

std::vector<const ControlLayout*> tabOrderList(const WindowLayout& layout) {
  std::vector<const ControlLayout*> list;
  for (auto it = layout.controls.rbegin(); it != layout.controls.rend(); ++it) {
    if (it->visible && !it->disabled && it->tabStop && canTakeFocus(it->kind)) {
      list.push_back(&*it);
    }
  }
  std::stable_sort(list.begin(), list.end(), [](const ControlLayout* a, const ControlLayout* b) {
    return a->tabOrder < b->tabOrder;
  });
  return list;
}

const ControlLayout* nextInTabOrder(const std::vector<const ControlLayout*>& list,
                                    std::string_view current, bool forward) {
  if (list.empty()) return nullptr;
  const std::ptrdiff_t size = static_cast<std::ptrdiff_t>(list.size());
  const std::ptrdiff_t at = indexOf(list, current);
  // From outside the list, Tab starts at the first and Shift+Tab at the last.
  if (at < 0) return forward ? list.front() : list.back();
  return list[static_cast<std::size_t>((at + (forward ? 1 : size - 1)) % size)];
}

const ControlLayout* nextRadioButton(const std::vector<const ControlLayout*>& list,
                                     std::string_view current, bool forward) {
  const std::ptrdiff_t at = indexOf(list, current);
  if (at < 0 || list[static_cast<std::size_t>(at)]->kind != ControlKind::radioButton) {
    return nullptr;
  }
  const ControlLayout* self = list[static_cast<std::size_t>(at)];
  std::vector<const ControlLayout*> group;
  std::copy_if(list.begin(), list.end(), std::back_inserter(group),
               [self](const ControlLayout* c) {
                 return c->kind == ControlKind::radioButton && c->parent == self->parent;
               });
  return nextInTabOrder(group, current, forward);
}

}  // namespace quenzar
