#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "support/gbk.h"
#include "text/parse_number.h"

namespace quenzar {
namespace {

using testing::gbk;

struct ParseCase {
  const char* name;
  std::string text;
  double value;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

// Compare bit patterns: 0 and -0 differ, and so do neighbouring doubles.
void expectSameDouble(double expected, double actual, const std::string& what) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(actual))
      << what << ": expected " << expected << ", got " << actual;
}

TEST(ParseNumber, TypedTexts) {
  const ParseCase cases[] = {
      {"plain", "23.5", 23.5},
      {"nearest double", "0.0001", 0.0001},
      {"leading space", " 40", 40},
      {"full width with ideographic space", gbk("\u3000２４．５"), 24.5},
      {"full width sign and exponent", gbk("－１ｅ２"), -100},
      {"plus sign", "+5", 5},
      {"point first", "-.5", -0.5},
      {"point last", "5.", 5},
      {"leading zeros", "007", 7},
      {"trailing letters", "12abc", 12},
      {"second point ends", "1.2.3", 1.2},
      {"exponent letter alone", "1e", 1},
      {"exponent sign alone", "1e+", 1},
      {"d exponent", "1d2", 100},
      {"D exponent negative", "1D-2", 0.01},
      {"E exponent", "1.5E+3", 1500},
      {"exponent then letters", "1e+5x", 100000},
      {"sign after mantissa", "1-2", 1},
      {"hexadecimal is not a number", "0x10", 0},
      {"negative zero", "-0", -0.0},
      {"overflow", "1e400", kInf},
      {"negative overflow", "-1e400", -kInf},
      {"underflow keeps sign", "-1e-400", -0.0},
      {"tie goes toward zero", "9007199254740995", 9007199254740994.0},
      {"negative tie goes toward zero", "-9007199254740995", -9007199254740994.0},
      {"other white space", "\t\r\n\v\f7", 7},
      {"24 digits then magnitude", "1234567890123456789012345678", 1.2345678901234568e27},
      {"digits past 24 after the point", "0.1234567890123456789012349999", 0.12345678901234568},
      {"huge exponent", "1e99999999999999999999", kInf},
      {"lead byte at the end dropped", std::string("5\xA3"), 5},
  };
  for (const auto& c : cases) expectSameDouble(c.value, parseNumber(c.text), c.name);
}

TEST(ParseNumber, TextsWithoutANumberGivePositiveZero) {
  for (const char* text : {"inf", "nan", "abc", "", ".", "-", "- 5", "+-5", "-.", "e5", "-e5"}) {
    expectSameDouble(0.0, parseNumber(text), std::string("\"") + text + "\"");
  }
}

TEST(ParseNumber, OtherDoubleByteCharactersStopTheNumber) {
  // "５吴" reads as 5; "吴5" is not a number; the stars and tilde become ASCII.
  expectSameDouble(5, parseNumber(gbk("５吴")), "digit then Chinese");
  expectSameDouble(0, parseNumber(gbk("吴5")), "Chinese first");
  expectSameDouble(0, parseNumber(gbk("～5")), "tilde is not a sign");
}

}  // namespace
}  // namespace quenzar
