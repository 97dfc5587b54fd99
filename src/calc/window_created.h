#pragma once
// What the window's created event does to the working variables.

namespace quenzar {

// Created handler of the main window: crystalMHz = 1.0, timerByte = 255.
void onWindowCreated();

}  // namespace quenzar
