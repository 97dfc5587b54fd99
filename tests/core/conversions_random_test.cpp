// Randomized checks of each conversion against an exact reference built here
// from big integers and plain integer arithmetic, so that a rule broken away
// from the listed examples is caught.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "support/big_unsigned.h"
#include "text/format_integer.h"
#include "text/format_number.h"
#include "text/parse_number.h"

namespace quenzar {
namespace {

using testing::BigUnsigned;

// A positive finite double as significand x 2^exponent, both whole.
struct BinaryValue {
  std::uint64_t significand;
  int exponent;
};

BinaryValue binaryOf(double v) {
  int e = 0;
  const double f = std::frexp(v, &e);
  return {static_cast<std::uint64_t>(std::ldexp(f, 53)), e - 53};
}

// Exact decimal digits of a positive double: value = 0.digits x 10^point.
struct Exact {
  std::string digits;
  int point;
};

Exact exactOf(double v) {
  const BinaryValue b = binaryOf(v);
  BigUnsigned n(b.significand);
  int places = 0;
  if (b.exponent >= 0) {
    n.multiplyPower(2, b.exponent);
  } else {
    n.multiplyPower(5, -b.exponent);  // m x 2^-k = m x 5^k / 10^k
    places = -b.exponent;
  }
  std::string s = n.decimal();
  Exact x{s, static_cast<int>(s.size()) - places};
  x.digits.erase(x.digits.find_last_not_of('0') + 1);
  return x;
}

// ---- formatReal ----

std::string referenceFormatReal(double v) {
  const Exact x = exactOf(std::fabs(v));
  std::string first18 = x.digits.substr(0, 18);
  first18.append(18 - first18.size(), '0');
  int e = x.point - 1;
  std::uint64_t n = std::stoull(first18);
  std::uint64_t n17 = n / 10 + (n % 10 >= 5 ? 1 : 0);
  if (n17 == 100'000'000'000'000'000ULL) n17 /= 10, ++e;
  std::uint64_t n13 = n17 / 10'000 + ((n17 / 1'000) % 10 >= 5 ? 1 : 0);
  if (n13 == 10'000'000'000'000ULL) n13 /= 10, ++e;
  const std::string d = std::to_string(n13);
  std::string sig = d.substr(0, d.find_last_not_of('0') + 1);
  std::string out = v < 0 ? "-" : "";
  if (e < -4 || e >= 13) {
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%03d", e < 0 ? '-' : '+', std::abs(e));
    out += sig.substr(0, 1) + (sig.size() > 1 ? "." + sig.substr(1) : "") + exponent;
  } else if (e >= 0) {
    const std::string whole = d.substr(0, e + 1);
    std::string fraction = d.substr(e + 1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    out += whole + (fraction.empty() ? "" : "." + fraction);
  } else {
    out += "0." + std::string(-e - 1, '0') + sig;
  }
  return out;
}

// Mostly doubles whose 14th digit sits on a rounding edge, plus arbitrary bit
// patterns over the whole range.
double randomValueForFormatting(std::mt19937_64& rng) {
  switch (rng() % 3) {
    case 0: {
      std::uint64_t bits;
      do bits = rng() & 0x7FFF'FFFF'FFFF'FFFFULL;
      while (!std::isfinite(std::bit_cast<double>(bits)) || bits == 0);
      return std::bit_cast<double>(bits);
    }
    case 1: {
      // 13 digits followed by a tail that puts the 14th digit, or the 18th,
      // on a rounding edge; then the value or one of its neighbours.
      const char* tails[] = {"5", "4999", "49995", "499949", "5001", "9999"};
      const std::uint64_t digits = 1'000'000'000'000ULL + rng() % 9'000'000'000'000ULL;
      const std::string tail = tails[rng() % 6];
      const int k = static_cast<int>(rng() % 40) - 20;
      const std::string text = std::to_string(digits) + tail + "e" +
                               std::to_string(k - 12 - static_cast<int>(tail.size()));
      double v = std::strtod(text.c_str(), nullptr);
      const int step = static_cast<int>(rng() % 3) - 1;
      if (step != 0) v = std::nextafter(v, step * INFINITY);
      return v;
    }
    default: {
      // Values around the switch to and from exponent form.
      const double edges[] = {1e-5, 1e-4, 1e13, 9.9999999999999e12, 9.99999999999995e12};
      double v = edges[rng() % 5];
      for (int i = static_cast<int>(rng() % 8); i > 0; --i) v = std::nextafter(v, INFINITY);
      return v;
    }
  }
}

TEST(ConversionsRandom, FormatRealMatchesExactDigits) {
  std::mt19937_64 rng(20261211);
  for (int i = 0; i < 20000; ++i) {
    double v = randomValueForFormatting(rng);
    if (rng() & 1) v = -v;
    ASSERT_EQ(referenceFormatReal(v), formatReal(v)) << std::hexfloat << v;
  }
}

// ---- formatFixed ----

// For |value| x 10^places below 10^13 the text is the rounded whole number
// with a point before its last `places` digits. The rounding itself follows
// the documented steps: scale, add 1e-12, split, round the half up.
std::string referenceFormatFixed(double v, int places) {
  const long double p = places == 4 ? 10000.0L : 100.0L;
  const double a = static_cast<double>(static_cast<long double>(std::fabs(v)) * p);
  const double b = static_cast<double>(static_cast<long double>(a) + 1e-12);
  auto whole = static_cast<std::uint64_t>(b);
  if (b - static_cast<double>(whole) >= 0.5) ++whole;
  std::string digits = std::to_string(whole);
  if (digits.size() <= static_cast<std::size_t>(places)) {
    digits.insert(0, places + 1 - digits.size(), '0');
  }
  digits.insert(digits.size() - places, ".");
  return (v < 0 && whole != 0 ? "-" : "") + digits;
}

TEST(ConversionsRandom, FormatFixedMatchesWholeNumberRounding) {
  std::mt19937_64 rng(7);
  for (int places : {4, 2}) {
    const double limit = places == 4 ? 1e9 : 1e11;
    for (int i = 0; i < 20000; ++i) {
      double v;
      switch (rng() % 3) {
        case 0:  // a 5 just past the last place, as typed: the ties
          v = static_cast<double>(rng() % 2'000'000'000) / std::pow(10.0, places + 1 + rng() % 3);
          break;
        case 1:
          v = std::ldexp(static_cast<double>(rng() >> 11), -static_cast<int>(rng() % 80));
          break;
        default:
          v = std::uniform_real_distribution<double>(0, 1000)(rng);
      }
      if (!(v < limit)) continue;
      if (rng() & 1) v = -v;
      ASSERT_EQ(referenceFormatFixed(v, places), formatFixed(v, places))
          << std::hexfloat << v << " with " << places;
    }
  }
}

// ---- formatInteger ----

TEST(ConversionsRandom, FormatIntegerMatchesPrintf) {
  std::mt19937 rng(3);
  for (int i = 0; i < 20000; ++i) {
    const auto v = static_cast<std::int32_t>(rng());
    char expected[16];
    std::snprintf(expected, sizeof expected, "%d", v);
    ASSERT_EQ(expected, formatInteger(v));
  }
  for (int v = 0; v < 256; ++v) EXPECT_EQ(std::to_string(v), formatInteger(static_cast<std::uint8_t>(v)));
}

// ---- parseNumber ----

// Compares significand x 10^exponent with m x 2^q exactly.
int compareDecimalWithBinary(const std::string& significand, int exponent, const BigUnsigned& m, int q) {
  BigUnsigned left = BigUnsigned::fromDecimal(significand);
  BigUnsigned right = m;
  // left x 2^exponent x 5^exponent against right x 2^q: move every negative
  // power to the other side.
  if (exponent >= 0) {
    left.multiplyPower(5, exponent).multiplyPower(2, exponent);
  } else {
    right.multiplyPower(5, -exponent).multiplyPower(2, -exponent);
  }
  if (q >= 0) {
    right.multiplyPower(2, q);
  } else {
    left.multiplyPower(2, -q);
  }
  return compare(left, right);
}

// The midpoint between a positive double and the next one up, as m x 2^q.
std::pair<BigUnsigned, int> midpointAbove(double v) {
  const double next = std::nextafter(v, INFINITY);
  BinaryValue a = binaryOf(v);
  BinaryValue b = binaryOf(next);
  if (v == 0) a = {0, b.exponent};
  // Bring both to the smaller exponent, add, halve by lowering q.
  const int q = std::min(a.exponent, b.exponent);
  BigUnsigned sum = BigUnsigned(a.significand).multiplyPower(2, a.exponent - q);
  BigUnsigned bPart = BigUnsigned(b.significand).multiplyPower(2, b.exponent - q);
  // sum += bPart, by decimal strings (small numbers of limbs; speed is no concern).
  const std::string x = sum.decimal(), y = bPart.decimal();
  std::string s(std::max(x.size(), y.size()) + 1, '0');
  int carry = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const int dx = i < x.size() ? x[x.size() - 1 - i] - '0' : 0;
    const int dy = i < y.size() ? y[y.size() - 1 - i] - '0' : 0;
    const int t = dx + dy + carry;
    s[s.size() - 1 - i] = static_cast<char>('0' + t % 10);
    carry = t / 10;
  }
  return {BigUnsigned::fromDecimal(s), q - 1};
}

// A positive result r is right when the decimal D lies above the midpoint
// below r and at or below the midpoint above r (ties go toward zero).
void expectNearestTowardZero(const std::string& significand, int exponent, double r,
                             const std::string& text) {
  ASSERT_FALSE(std::isnan(r)) << text;
  const double max = std::numeric_limits<double>::max();
  if (r != 0) {
    const double below = std::nextafter(std::isinf(r) ? max : r, 0.0);
    const double lower = std::isinf(r) ? max : below;
    const auto [m, q] = midpointAbove(lower);
    ASSERT_GT(compareDecimalWithBinary(significand, exponent, m, q), 0) << text << " -> " << r;
  }
  if (!std::isinf(r)) {
    const auto [m, q] = midpointAbove(r);
    if (r < max) {
      ASSERT_LE(compareDecimalWithBinary(significand, exponent, m, q), 0) << text << " -> " << r;
    } else {
      ASSERT_LE(compareDecimalWithBinary(significand, exponent, m, q), 0) << text << " -> max";
    }
  }
}

std::string randomDigits(std::mt19937_64& rng, std::size_t count) {
  std::string s(1, static_cast<char>('1' + rng() % 9));
  while (s.size() < count) s.push_back(static_cast<char>('0' + rng() % 10));
  return s;
}

TEST(ConversionsRandom, ParseNumberGivesNearestDoubleTiesTowardZero) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 6000; ++i) {
    std::string significand;
    int exponent;
    if (rng() % 2 == 0) {
      significand = randomDigits(rng, 1 + rng() % 24);
      exponent = static_cast<int>(rng() % 700) - 360;
    } else {
      // Exact midpoints between neighbouring doubles that fit in 24 digits:
      // (2^53 + r) x 2^(j+1) + 2^j, and the same scaled down by 2^-i.
      const std::uint64_t r = rng() % (1ULL << 53);
      const int shift = static_cast<int>(rng() % 40) - 8;
      BigUnsigned odd((((1ULL << 53) + r) << 1) | 1);
      if (shift >= 0) {
        significand = odd.multiplyPower(2, shift).decimal();
        exponent = 0;
      } else {
        significand = odd.multiplyPower(5, -shift).decimal();  // x 2^shift = x 5^-shift / 10^-shift
        exponent = shift;
      }
      if (significand.size() > 24) continue;
    }
    const std::string text = significand + "e" + std::to_string(exponent);
    const double r = parseNumber(text);
    expectNearestTowardZero(significand, exponent, r, text);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(-r), std::bit_cast<std::uint64_t>(parseNumber("-" + text)));
  }
}

}  // namespace
}  // namespace quenzar
