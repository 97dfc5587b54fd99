#include "calc/timer_math.h"

#include <cmath>

#include "calc/working_variables.h"
#include "text/extended_precision.h"

namespace quenzar {
namespace {

constexpr double kClocksPerCycle = 12.0;
// 1000 KHz per MHz, halved: one output period spans two overflow periods.
constexpr double kOutputFactor = 500.0;

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

}  // namespace quenzar
