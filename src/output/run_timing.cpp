#include "output/run_timing.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "text/extended_precision.h"
#include "text/format_number.h"
#include "text/join_text.h"

namespace quenzar {
namespace {

constexpr std::string_view kCompletionStart =
    "\xcd\xea\xb3\xc9\xa3\xac\xb9\xb2\xbb\xa8\xb7\xd1\xc1\xcb";  // "完成，共花费了"
constexpr std::string_view kCompletionEnd = "\xc3\xeb\xa3\xa1";  // "秒！"

constexpr double kSecondsPerDay = 86400.0;
// 0.5 / 86400: half a second in days, so that a span of whole seconds that
// the arithmetic leaves just below a whole number still reaches it.
constexpr double kHalfSecondInDays = 5.787037037037037e-06;
// The first day of the year 100 and the last day of the year 9999.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

// Days from 1970-01-01 to a proleptic Gregorian date (civil calendar).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

// 1899-12-30 is 25569 days before 1970-01-01.
constexpr long long kDaysBeforeUnixEpoch = 25569;

}  // namespace

double toDateTime(const LocalTime& t) {
  const long long days =
      daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) +
      kDaysBeforeUnixEpoch;
  const double seconds = t.hour * 3600.0 + t.minute * 60.0 + t.second;
  return extended::sum(static_cast<double>(days), extended::quotient(seconds, kSecondsPerDay));
}

double elapsedSeconds(double later, double earlier) {
  if (later == earlier) return 0.0;
  const double l = std::clamp(later, kFirstDay, kLastDay);
  const double e = std::clamp(earlier, kFirstDay, kLastDay);
  const double spanDays = extended::difference(l, e);
  return extended::store(std::trunc(extended::Extended{spanDays} * kSecondsPerDay + kHalfSecondInDays));
}

std::string formatCompletionText(double seconds) {
  return joinText({kCompletionStart, formatReal(seconds), kCompletionEnd});
}

}  // namespace quenzar
