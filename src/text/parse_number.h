#pragma once
// Typed text to a double.

#include <string_view>

namespace quenzar {

// Full-width GBK digits, signs, point and letters count as their ASCII forms;
// leading white space is skipped; the longest number prefix is read
// ([+-] digits [. digits] [eEdD [+-] digits]) and the rest ignored. No number
// gives +0. The result is the nearest double, a tie going toward zero; at
// most 24 significant digits take part. Pure: no state, no errors.
double parseNumber(std::string_view gbkText);

}  // namespace quenzar
