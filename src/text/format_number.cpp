// Numbers to text. formatReal works on the exact decimal expansion of the
// value: cut to 17 significant digits, then to 13, each cut rounding half up
// by the first dropped digit alone; formatFixed rounds to its places first and
// then writes the result with formatReal.

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "text/extended_precision.h"
#include "text/format_number.h"
#include "text/decimal_digits.h"

namespace quenzar {
namespace {

// The one not-a-number that invalid operations such as 0 x inf produce:
// sign set, quiet bit set, the rest of the significand zero.
constexpr std::uint64_t kIndefiniteNaN = 0xFFF8'0000'0000'0000;

// Keeps the first `keep` digits, adding one in the last kept place when the
// first dropped digit is 5 or more. A carry out of the first digit gives
// 1 followed by zeros, one decimal place higher.
void roundHalfUpTo(std::string& digits, std::size_t keep, std::int32_t& pointPosition) {
  if (digits.size() < keep) digits.append(keep - digits.size(), '0');
  const bool up = digits.size() > keep && digits[keep] >= '5';
  digits.resize(keep);
  if (!up) return;
  for (std::size_t i = keep; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.front() = '1';
  ++pointPosition;
}

// Significant digits and place of a finite, nonzero magnitude, as written:
// 13 digits; |v| is about d1.d2...d13 x 10^exponent.
struct ShownDigits {
  std::string digits;
  std::int32_t exponent = 0;
};

ShownDigits shownDigits(double magnitude) {
  DecimalDigits exact = exactDecimal(magnitude);
  roundHalfUpTo(exact.digits, 17, exact.pointPosition);
  roundHalfUpTo(exact.digits, 13, exact.pointPosition);
  return {exact.digits, exact.pointPosition - 1};
}

std::string exponentText(std::int32_t exponent) {
  std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
  if (magnitude.size() < 3) magnitude.insert(0, 3 - magnitude.size(), '0');
  return (exponent < 0 ? "e-" : "e+") + magnitude;
}

// "123.4500" -> "123.45", "5.000" -> "5"; a text without a point is kept.
void trimFraction(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
}

std::string specialText(double value) {
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  if (std::bit_cast<std::uint64_t>(value) == kIndefiniteNaN) return "-1.#IND";
  return std::signbit(value) ? "-1.#QNAN" : "1.#QNAN";
}

// 10^decimals, exact for every count this system uses (a double holds
// 10^k exactly up to k = 22).
double powerOfTen(int decimals) {
  double p = 1.0;
  for (int k = 0; k < decimals; ++k) p *= 10.0;
  return p;
}

// Rounds half away from zero at the given place. The 1e-12 added to the
// scaled value makes a value whose decimal form has a 5 just past the place,
// but whose double lies just below it, go up (1.005 -> 1.01); from a scaled
// value of 2^14 on the addition no longer changes it.
double roundToDecimals(double value, int decimals) {
  if (value == 0.0 || std::isnan(value)) return value;
  const double p = powerOfTen(decimals);
  const double a = extended::product(std::fabs(value), p);
  const double b = extended::sum(a, 1e-12);
  double whole = 0.0;
  const double fraction = std::modf(b, &whole);
  if (fraction >= 0.5) whole = extended::sum(whole, 1.0);
  return std::copysign(extended::quotient(whole, p), value);
}

}  // namespace

std::string formatReal(double value) {
  if (value == 0.0) return "0";  // never "-0"
  if (!std::isfinite(value)) return specialText(value);

  const ShownDigits shown = shownDigits(std::fabs(value));
  const std::string& d = shown.digits;
  const std::int32_t e = shown.exponent;
  std::string text = std::signbit(value) ? "-" : "";
  if (e < -4 || e >= 13) {
    std::string mantissa = d.substr(0, 1) + "." + d.substr(1);
    trimFraction(mantissa);
    text += mantissa + exponentText(e);
  } else if (e >= 0) {
    std::string plain = d.substr(0, e + 1) + "." + d.substr(e + 1);
    trimFraction(plain);
    text += plain;
  } else {
    std::string plain = "0." + std::string(-e - 1, '0') + d;
    trimFraction(plain);
    text += plain;
  }
  return text;
}

std::string formatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  std::string text = formatReal(roundToDecimals(value, decimals));
  // Fill the places up to `decimals`; never remove anything. Everything after
  // the point counts, an exponent part included ("1.5e+013" stays as it is).
  const auto point = text.find('.');
  const std::size_t places = point == std::string::npos ? 0 : text.size() - point - 1;
  if (point == std::string::npos) text += '.';
  if (places < static_cast<std::size_t>(decimals)) text.append(decimals - places, '0');
  return text;
}

}  // namespace quenzar
