#pragma once
// The floating-point state the arithmetic relies on.

namespace quenzar {

// 64-bit significands, round to nearest (ties to even), every exception
// masked, so that a division by zero gives an infinity. Called once at
// start-up, before any handler can run.
void setFloatingPointState();

}  // namespace quenzar
