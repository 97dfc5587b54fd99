#pragma once
// Number and text conversions. Texts are GBK byte strings; the number texts
// made here are plain ASCII. Every operation is pure: no state, no errors.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quenzar {

// Typed text to a double. Full-width GBK digits, signs, point and letters
// count as their ASCII forms; leading white space is skipped; the longest
// number prefix is read ([+-] digits [. digits] [eEdD [+-] digits]) and the
// rest ignored. No number gives +0. The result is the nearest double, a tie
// going toward zero; at most 24 significant digits take part.
double parseNumber(std::string_view gbkText);

// value rounded half away from zero to `decimals` places and written with at
// least that many places after the point ("24.0000", "1e+013.0000").
std::string formatFixed(double value, int decimals);

std::string formatInteger(std::int32_t value);
std::string formatInteger(std::uint8_t value);

// Up to 13 significant digits, plain between 1e-4 and 1e13, otherwise with a
// signed three-digit exponent ("1e-005"); "1.#INF", "-1.#INF", "-1.#IND",
// "1.#QNAN" for the special values.
std::string formatReal(double value);

// The parts one after another, nothing between them.
std::string joinText(std::initializer_list<std::string_view> parts);

}  // namespace quenzar
