#pragma once
// Doubles to the exact texts the window shows and the results file holds.
// The texts are plain ASCII. Pure: no state, no errors.

#include <string>

namespace quenzar {

// value rounded half away from zero to `decimals` places and written with at
// least that many places after the point ("24.0000", "1e+013.0000").
std::string formatFixed(double value, int decimals);

// Up to 13 significant digits, plain between 1e-4 and 1e13, otherwise with a
// signed three-digit exponent ("1e-005"); "1.#INF", "-1.#INF", "-1.#IND",
// "1.#QNAN" for the special values.
std::string formatReal(double value);

}  // namespace quenzar
