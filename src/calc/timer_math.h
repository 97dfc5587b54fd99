#pragma once
// The timer arithmetic shared by the crystal search and the output table.
//
// The timer counts machine cycles of 12 oscillator clocks; loaded with a
// timer value it overflows after (modulus - value) cycles, and the output pin
// toggles on each overflow, so one output period spans two overflows.
// Crystals are in MHz, times in microseconds, outputs in KHz.
//
// Every operation is computed with a 64-bit significand and each stored
// result is then rounded to a double (see text/extended_precision.h); the
// order and grouping below are part of the result, down to the last bit.

#include <cstdint>

namespace quenzar {

// The double nearest to 1e-7; isBelow compares with exactly its negation.
inline constexpr double compareTolerance = 1e-7;

// cycleUs = 12 / crystalMHz.
void computeCycle();
// d = modulus - timerValue; periodUs = d * cycleUs; outputKHz = 500 / periodUs.
// timerValue is always below modulus, so d is a whole number >= 1.
void computeOutput(double modulus, std::int32_t timerValue);

// a - b, formed with a 64-bit significand and never rounded to a double, is
// compared with the tolerance. A not-a-number difference makes both true.
bool isAtMost(double a, double b);  // a - b <= 1e-7
bool isBelow(double a, double b);   // a - b < -1e-7

}  // namespace quenzar
