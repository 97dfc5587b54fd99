#pragma once
// The one window of the program: a results box across the top, the crystal
// search inputs at the bottom left, the output table inputs at the bottom
// right, and a save dialog holder shared by both save buttons.

#include "app/window_layout.h"

namespace quenzar {

const WindowLayout& mainWindowLayout();

}  // namespace quenzar
