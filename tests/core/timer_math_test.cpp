#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/float_environment.h"
#include "calc/result_line.h"
#include "calc/timer_math.h"
#include "calc/window_created.h"
#include "calc/working_variables.h"
#include "support/gbk.h"

namespace quenzar {
namespace {

using testing::gbk;

constexpr double kInf = std::numeric_limits<double>::infinity();

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

class TimerMath : public ::testing::Test {
 protected:
  void SetUp() override { setFloatingPointState(); }
};

struct ArithmeticRow {
  double crystal;
  double modulus;
  std::int32_t timerValue;
  double cycle, period, output;
};

TEST_F(TimerMath, CycleperiodAndOutput) {
  const ArithmeticRow rows[] = {
      {24, 256, 255, 0.5, 0.5, 1000},
      {24, 256, 254, 0.5, 1, 500},
      {24, 256, 231, 0.5, 12.5, 40},
      {24, 256, 0, 0.5, 128, 3.90625},
      {24, 8192, 0, 0.5, 4096, 0.1220703125},
      {24, 65536, 0, 0.5, 32768, 0.0152587890625},
      {12, 256, 0, 1, 256, 1.953125},
      {11.0592, 256, 253, 1.0850694444444444, 3.255208333333333, 153.60000000000002},
      {0, 256, 17, kInf, kInf, 0},
      {0, 65536, 0, kInf, kInf, 0},
      // Rounded first to 64 bits, 500 / 8040.5 lands on the midpoint of two
      // doubles and the tie goes to the even one; plain double division
      // gives 0.06218518748834028.
      {24, 65536, 49455, 0.5, 8040.5, 0.062185187488340274},
  };
  for (const auto& row : rows) {
    crystalMHz = row.crystal;
    computeCycle();
    computeOutput(row.modulus, row.timerValue);
    SCOPED_TRACE(::testing::Message() << row.crystal << " MHz, " << row.modulus << ", " << row.timerValue);
    EXPECT_EQ(bits(row.cycle), bits(cycleUs));
    EXPECT_EQ(bits(row.period), bits(periodUs));
    EXPECT_EQ(bits(row.output), bits(outputKHz));
  }
}

TEST_F(TimerMath, NegativeCrystalGivesNegativeOutput) {
  crystalMHz = -24;
  computeCycle();
  computeOutput(256, 231);
  EXPECT_EQ(bits(-40.0), bits(outputKHz));
}

TEST_F(TimerMath, ResultLines) {
  struct LineRow {
    double crystal;
    std::int32_t timerValue;
    double output;
    const char* utf8;
  } rows[] = {
      {24, 255, 1000, "晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n"},
      {24, 0, 3.90625, "晶振频率:24.0000MHz  定时器值:0  输出频率:3.9063KHz\r\n"},
      {11.0592, 253, 153.60000000000002, "晶振频率:11.0592MHz  定时器值:253  输出频率:153.6000KHz\r\n"},
      {23.939999999998975, 231, 39.89999999999829,
       "晶振频率:23.9400MHz  定时器值:231  输出频率:39.9000KHz\r\n"},
      {24, 0, 0.0152587890625, "晶振频率:24.0000MHz  定时器值:0  输出频率:0.0153KHz\r\n"},
      {24, 65535, 1000, "晶振频率:24.0000MHz  定时器值:65535  输出频率:1000.0000KHz\r\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(gbk(row.utf8), formatResultLine(row.crystal, row.timerValue, row.output));
  }
  // The literal pieces are 9, 14, 11 and 5 bytes: the first line, CR LF
  // included, is 58 bytes.
  EXPECT_EQ(58u, formatResultLine(24, 255, 1000).size());
}

TEST_F(TimerMath, TolerantComparisons) {
  // 40.1000001 - 40.1 is 1.0000000116860974e-7 at 64-bit precision: above the
  // tolerance, although 40.1 + 1e-7 is the double 40.1000001.
  EXPECT_FALSE(isAtMost(40.1000001, 40.1));
  EXPECT_TRUE(isBelow(39.8999999, 39.9));
  // Values that miss a limit by accumulated rounding count as on it.
  EXPECT_FALSE(isBelow(39.89999999999829, 39.9));
  EXPECT_TRUE(isAtMost(40.09999999999783, 40.1));
  for (double a : {0.0, -0.0, 1.0, 40.1, -3.5, 1e300, 5e-324}) {
    EXPECT_TRUE(isAtMost(a, a)) << a;
    EXPECT_FALSE(isBelow(a, a)) << a;
  }
  // A not-a-number difference makes both true.
  EXPECT_TRUE(isAtMost(kInf, kInf));
  EXPECT_TRUE(isBelow(kInf, kInf));
  EXPECT_TRUE(isAtMost(-kInf, kInf));
  EXPECT_FALSE(isAtMost(kInf, 1.0));
}

TEST_F(TimerMath, WindowCreatedSetsCrystalAndTimerByte) {
  crystalMHz = 0;
  timerByte = 0;
  onWindowCreated();
  EXPECT_EQ(1.0, crystalMHz);
  EXPECT_EQ(255, timerByte);
}

}  // namespace
}  // namespace quenzar
