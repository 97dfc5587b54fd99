#include "text/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quenzar {
namespace {

// Number of places after the point that the exact expansion needs: a value
// m x 2^e with m odd has exactly max(0, -e) of them, since 2^-k = 5^k / 10^k.
template <typename Real>
int exactFractionPlaces(Real value) {
  int binaryExponent = 0;
  Real fraction = std::frexp(value, &binaryExponent);  // value = fraction x 2^binaryExponent
  constexpr int kBits = std::numeric_limits<Real>::digits;
  // The significand as a whole number m, value = m x 2^(binaryExponent - kBits).
  auto m = static_cast<unsigned long long>(std::ldexp(fraction, kBits));
  int e = binaryExponent - kBits;
  while (m != 0 && (m & 1U) == 0) {
    m >>= 1;
    ++e;
  }
  return e < 0 ? -e : 0;
}

template <typename Real>
DecimalDigits expand(Real value) {
  // Widest case: a long double near its smallest subnormal needs about
  // 16,500 places; a double at most 1,074 places and 309 whole digits.
  constexpr std::size_t kSize = std::is_same_v<Real, double> ? 1500 : 17000;
  static thread_local std::array<char, kSize> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, exactFractionPlaces(value));
  DecimalDigits out;
  if (ec != std::errc{}) {
    return out;
  }
  // Walk "ddd.ddd": skip leading zeros, count where the point falls.
  bool seenPoint = false;
  std::int32_t wholeDigits = 0;
  std::int32_t leadingFractionZeros = 0;
  for (const char* c = buffer.data(); c != end; ++c) {
    if (*c == '.') {
      seenPoint = true;
      continue;
    }
    if (out.digits.empty() && *c == '0') {
      if (seenPoint) ++leadingFractionZeros;
      continue;
    }
    if (!seenPoint) ++wholeDigits;
    out.digits.push_back(*c);
  }
  out.pointPosition = wholeDigits > 0 ? wholeDigits : -leadingFractionZeros;
  while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
  return out;
}

}  // namespace

DecimalDigits exactDecimal(double value) { return expand(value); }
DecimalDigits exactDecimal(long double value) { return expand(value); }

}  // namespace quenzar
