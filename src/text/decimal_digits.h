#pragma once
// The exact decimal expansion of a binary floating-point value. Every finite
// double (and x87 long double) is a whole number times a power of two, so its
// decimal expansion ends; these helpers give all of it, with no rounding.

#include <cstdint>
#include <string>

namespace quenzar {

// value = 0.d1 d2 d3 ... (no leading or trailing zeros) x 10^(pointPosition).
// For 24: digits "24", pointPosition 2. For 0.0001: "1", -3.
struct DecimalDigits {
  std::string digits;
  std::int32_t pointPosition = 0;
};

// Exact expansion of a finite, positive value.
DecimalDigits exactDecimal(double value);
DecimalDigits exactDecimal(long double value);

}  // namespace quenzar
