#include "calc/timer_math.h"

#include <cmath>

#include "calc/extended_precision.h"
#include "text/conversions.h"

namespace quenzar {

double crystalMHz = 0.0;
double endCrystalMHz = 0.0;
double stepMHz = 0.0;
double lowerKHz = 0.0;
double upperKHz = 0.0;
double cycleUs = 0.0;
double periodUs = 0.0;
double outputKHz = 0.0;
std::uint8_t timerByte = 0;
std::int32_t timerCount = 0;
double runStartTime = 0.0;

namespace {

constexpr double kClocksPerCycle = 12.0;
// 1000 KHz per MHz, halved: one output period spans two overflow periods.
constexpr double kOutputFactor = 500.0;

// The literal pieces of a result line, GBK.
constexpr std::string_view kCrystalLabel = "\xbe\xa7\xd5\xf1\xc6\xb5\xc2\xca\x3a";  // "晶振频率:"
constexpr std::string_view kTimerLabel =
    "\x4d\x48\x7a\x20\x20\xb6\xa8\xca\xb1\xc6\xf7\xd6\xb5\x3a";  // "MHz  定时器值:"
constexpr std::string_view kOutputLabel =
    "\x20\x20\xca\xe4\xb3\xf6\xc6\xb5\xc2\xca\x3a";  // "  输出频率:"
constexpr std::string_view kLineEnd = "KHz\r\n";

}  // namespace

void computeCycle() { cycleUs = extended::quotient(kClocksPerCycle, crystalMHz); }

void computeOutput(double modulus, std::int32_t timerValue) {
  const double d = extended::difference(modulus, static_cast<double>(timerValue));
  periodUs = extended::product(d, cycleUs);
  outputKHz = extended::quotient(kOutputFactor, periodUs);
}

bool isAtMost(double a, double b) {
  // Written as "not above" so that a not-a-number difference counts as true.
  return !(extended::unstoredDifference(a, b) > compareTolerance);
}

bool isBelow(double a, double b) {
  const extended::Extended difference = extended::unstoredDifference(a, b);
  return std::isnan(difference) || difference < -compareTolerance;
}

std::string formatResultLine(double crystal, std::int32_t timerValue, double output) {
  return joinText({kCrystalLabel, formatFixed(crystal, 4), kTimerLabel, formatInteger(timerValue),
                   kOutputLabel, formatFixed(output, 4), kLineEnd});
}

void onWindowCreated() {
  crystalMHz = 1.0;
  timerByte = 255;
}

}  // namespace quenzar
