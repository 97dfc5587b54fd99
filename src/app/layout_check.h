#pragma once
// Reading a window layout means checking it: a layout that breaks one of
// these rules cannot be built into a sane window.
//  - every control has a non-empty name, unique in the window, and none takes
//    the window's own name;
//  - every parent names a control of the list that is a group box, and the
//    chain of parents ends at the window;
//  - no control of the list is of the main window kind;
//  - every binding has its handler procedure, for an event that the
//    control's kind can raise (created on the window, clicked on buttons and
//    radio buttons, text changed on edit boxes).

#include <string>

#include "app/window_layout.h"

namespace quenzar {

// The first broken rule, in words for a developer, or "" when the layout is sound.
std::string checkLayout(const WindowLayout& layout);

}  // namespace quenzar
