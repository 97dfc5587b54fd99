#pragma once
// Keyboard navigation computed from a layout, independent of any toolkit.

#include <cstddef>
#include <string_view>
#include <vector>

#include "app/window_layout.h"

namespace quenzar {

// The controls Tab visits, in order: visible, enabled, tabStop and of a kind
// that takes the focus; sorted by tabOrder ascending, equal keys in reverse
// list order (the last entry of the list first). The first one also gets the
// focus when the window first opens.
std::vector<const ControlLayout*> tabOrderList(const WindowLayout& layout);

// The control after (forward) or before current in list, wrapping at both
// ends. From a control outside the list, forward gives the first and
// backward the last; an empty list gives nullptr.
const ControlLayout* nextInTabOrder(const std::vector<const ControlLayout*>& list,
                                    std::string_view current, bool forward);

// Arrow keys on a radio button: the next (forward) or previous radio button
// of the same parent in the Tab-order list, wrapping; nullptr when current
// is not a radio button of the list.
const ControlLayout* nextRadioButton(const std::vector<const ControlLayout*>& list,
                                     std::string_view current, bool forward);

}  // namespace quenzar
