// Typed text to a double, in three stages: the text is normalised (full-width
// GBK forms to ASCII), scanned into a NumberToken, and the token is turned
// into the nearest double with ties toward zero.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/parse_number.h"
#include "text/decimal_digits.h"

namespace quenzar {
namespace {

// GBK lead byte A3 holds the full-width forms of ASCII 0x21..0x7E, trail byte
// = ASCII + 0x80. Lead byte A1 holds the ideographic space (A1A1), the
// full-width tilde (A1AB) and the white and black stars (A1EE, A1EF).
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kSymbolLead = 0xA1;

char asciiFormOf(unsigned char lead, unsigned char trail) {
  if (lead == kFullWidthLead && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead == kSymbolLead) {
    if (trail == 0xA1) return ' ';
    if (trail == 0xAB) return '~';
    if (trail == 0xEE || trail == 0xEF) return '*';
  }
  return '\0';
}

// Each double-byte character with an ASCII form becomes that character; other
// double-byte characters are copied whole; a lead byte at the very end is dropped.
std::string normalizeWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == text.size()) break;
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (const char ascii = asciiFormOf(lead, trail); ascii != '\0') {
      out.push_back(ascii);
    } else {
      out.push_back(static_cast<char>(lead));
      out.push_back(static_cast<char>(trail));
    }
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }  // TAB LF VT FF CR

// A scanned number: value = (negative ? -1 : 1) x significand x 10^exponent,
// where significand holds at most kMaxDigits digits without leading zeros
// (empty for a zero value).
struct NumberToken {
  bool hasMantissa = false;
  bool negative = false;
  std::string significand;
  std::int64_t exponent = 0;
};

// Only the first 24 significant digits take part in the value; the digits
// after them only shift the magnitude.
constexpr std::size_t kMaxDigits = 24;
// Exponents are saturated here: far beyond the double range either way, and
// far from overflowing the arithmetic on them.
constexpr std::int64_t kExponentCap = 100000;

NumberToken scanNumber(std::string_view s) {
  NumberToken token;
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) token.negative = s[i++] == '-';

  std::int64_t placesAfterPoint = 0;
  std::int64_t droppedDigits = 0;  // significant digits past the cap
  std::size_t mantissaDigits = 0;
  auto takeDigit = [&](char c, bool afterPoint) {
    ++mantissaDigits;
    if (afterPoint) ++placesAfterPoint;
    if (token.significand.empty() && c == '0') return;  // leading zero
    if (token.significand.size() < kMaxDigits) {
      token.significand.push_back(c);
    } else {
      ++droppedDigits;
    }
  };
  while (i < s.size() && isDigit(s[i])) takeDigit(s[i++], false);
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    while (j < s.size() && isDigit(s[j])) takeDigit(s[j++], true);
    // "5." is a number; "." alone is not (and then nothing was taken).
    if (mantissaDigits > 0) i = j;
  }
  token.hasMantissa = mantissaDigits > 0;
  if (!token.hasMantissa) return token;

  // The exponent counts only when its letter is followed by digits.
  std::int64_t written = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) {
        written = std::min<std::int64_t>(written * 10 + (s[j++] - '0'), kExponentCap);
      }
      if (negativeExponent) written = -written;
    }
  }
  // Digits dropped after the point were places; those before it were magnitude.
  token.exponent = written - placesAfterPoint + droppedDigits;
  while (!token.significand.empty() && token.significand.back() == '0') {
    token.significand.pop_back();
    ++token.exponent;
  }
  token.exponent = std::clamp<std::int64_t>(token.exponent, -kExponentCap, kExponentCap);
  return token;
}

// True when significand x 10^exponent equals `value` exactly.
bool equalsExactly(const NumberToken& token, long double value) {
  const DecimalDigits exact = exactDecimal(value);
  return exact.digits == token.significand &&
         exact.pointPosition ==
             static_cast<std::int64_t>(token.significand.size()) + token.exponent;
}

// The nearest double to a positive token, a tie going to the smaller one.
// strtod rounds correctly but sends ties to the even neighbour; the one case
// where that is the larger neighbour is a token exactly on the midpoint
// between the result and the double below it.
double nearestTowardZero(const NumberToken& token) {
  const std::string text = token.significand + "e" + std::to_string(token.exponent);
  const double nearest = std::strtod(text.c_str(), nullptr);
  if (nearest == 0.0 || std::isinf(nearest)) return nearest;
  const double below = std::nextafter(nearest, 0.0);
  // Two neighbouring doubles and their midpoint fit in a 64-bit significand.
  const long double midpoint = (static_cast<long double>(nearest) + below) / 2;
  // Cheap test first: only a token within a long double's rounding of the
  // midpoint can be on it.
  if (std::strtold(text.c_str(), nullptr) != midpoint) return nearest;
  return equalsExactly(token, midpoint) ? below : nearest;
}

}  // namespace

double parseNumber(std::string_view gbkText) {
  const NumberToken token = scanNumber(normalizeWidth(gbkText));
  if (!token.hasMantissa) return 0.0;  // +0 whatever sign was written
  const double magnitude = token.significand.empty() ? 0.0 : nearestTowardZero(token);
  return token.negative ? -magnitude : magnitude;
}

}  // namespace quenzar
