#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "text/format_integer.h"
#include "text/format_number.h"
#include "text/join_text.h"

namespace quenzar {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

double invalidNaN() {
  volatile double zero = 0.0;  // keep the 0 x inf for run time
  return zero * kInf;
}

TEST(FormatReal, Examples) {
  const FormatCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {5, "5"},
      {12, "12"},
      {12.5, "12.5"},
      {61, "61"},
      {86400, "86400"},
      {-2.5, "-2.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {9.99999999999995, "10"},
      {0.0001, "0.0001"},
      {0.000123456789, "0.000123456789"},
      {0.00001, "1e-005"},
      {1.5e-7, "1.5e-007"},
      {1234567890123, "1234567890123"},
      {1e13, "1e+013"},
      {123456789012345, "1.234567890123e+014"},
      {1e20, "1e+020"},
      {1e100, "1e+100"},
      {1e308, "1e+308"},
      {5e-324, "4.940656458412e-324"},
      {kInf, "1.#INF"},
      {-kInf, "-1.#INF"},
      {invalidNaN(), "-1.#IND"},
      {std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"},
      {std::bit_cast<double>(std::uint64_t{0xFFF8'0000'0000'0001}), "-1.#QNAN"},
      {std::bit_cast<double>(std::uint64_t{0x7FF0'0000'0000'0001}), "1.#QNAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, formatReal(c.value)) << c.value;
}

TEST(FormatReal, EachCutLooksOnlyAtItsFirstDroppedDigit) {
  // 7.1059077694505 is held as 7.10590776945049999556...: the 17-digit cut
  // (18th digit 5) gives ...4505000, whose 14th digit 5 then rounds up,
  // although the value lies below the 13-digit midpoint.
  EXPECT_EQ("7.105907769451", formatReal(7.1059077694505));
  // 0.12345678901235 is held as 0.123456789012349993...: the 18th digit 3
  // leaves ...4999, and the 14th digit 4 rounds down.
  EXPECT_EQ("0.1234567890123", formatReal(0.12345678901235));
}

TEST(FormatFixed, FourDecimals) {
  const FormatCase cases[] = {
      {24, "24.0000"},
      {23.5, "23.5000"},
      {24.5, "24.5000"},
      {40, "40.0000"},
      {1000, "1000.0000"},
      {0.0001, "0.0001"},
      {0.00005, "0.0001"},
      {3.90625, "3.9063"},
      {-3.90625, "-3.9063"},
      {0.244140625, "0.2441"},
      {0.0152587890625, "0.0153"},
      {1.23445, "1.2345"},
      {1.0 / 3, "0.3333"},
      {2.0 / 3, "0.6667"},
      {1e-9, "0.0000"},
      {0.0, "0.0000"},
      {-0.0, "0.0000"},
      {-0.00001, "0.0000"},
      {-1.5, "-1.5000"},
      {153.60000000000002, "153.6000"},
      {23.939999999998975, "23.9400"},
      {123456789.123, "123456789.1230"},
      {999999999.99995, "1000000000.0000"},
      {12345678901.23456, "12345678901.2300"},
      {1.5e13, "1.5e+013"},
      {1e13, "1e+013.0000"},
      {1e305, "1.#INF"},
      {kInf, "1.#INF"},
      {-kInf, "-1.#INF"},
      {invalidNaN(), "-1.#IND"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, formatFixed(c.value, 4)) << c.value;
}

TEST(FormatFixed, TwoDecimals) {
  const FormatCase cases[] = {
      {40.01, "40.01"}, {39.99, "39.99"}, {40.1, "40.10"},  {39.9, "39.90"},
      {40, "40.00"},    {0.025, "0.03"},  {0.005, "0.01"},  {1.005, "1.01"},
      {2.675, "2.68"},  {99.995, "100.00"}, {1.0 / 3, "0.33"}, {2.0 / 3, "0.67"},
      {-0.004, "0.00"}, {-1.5, "-1.50"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, formatFixed(c.value, 2)) << c.value;
}

TEST(FormatInteger, SignedAndByte) {
  const std::pair<std::int32_t, const char*> signedCases[] = {
      {0, "0"}, {255, "255"}, {8191, "8191"}, {65535, "65535"}, {-1, "-1"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& [value, text] : signedCases) EXPECT_EQ(text, formatInteger(value));
  EXPECT_EQ("0", formatInteger(std::uint8_t{0}));
  EXPECT_EQ("255", formatInteger(std::uint8_t{255}));
}

TEST(JoinText, BytesInOrderNothingBetween) {
  // "正在寻找" in GBK, then two ASCII parts.
  const std::string searching = "\xd5\xfd\xd4\xda\xd1\xb0\xd5\xd2";
  const std::string joined = joinText({searching, "24.0000", "MHz."});
  EXPECT_EQ(searching + "24.0000MHz.", joined);
  EXPECT_EQ(searching.size() + 7 + 4, joined.size());
  EXPECT_EQ("", joinText({}));
  EXPECT_EQ(std::string("a\0b", 3), joinText({std::string_view("a\0", 2), "b"}));
}

}  // namespace
}  // namespace quenzar
