#pragma once
// Run timing as pure rules: dates as day counts, the whole seconds between
// two clock readings, and the completion text.

#include <string>

#include "app/desktop.h"

namespace quenzar {

// A date-time counts days since 1899-12-30 00:00 local time; its fraction is
// the time of day (seconds since midnight / 86400).
double toDateTime(const LocalTime& time);

// Whole seconds from `earlier` to `later`: 0 when they are equal; each is
// first held within the years 100 to 9999; a product left just below a whole
// number by the arithmetic still gives that number.
double elapsedSeconds(double later, double earlier);

// "完成，共花费了" + seconds + "秒！", GBK.
std::string formatCompletionText(double seconds);

}  // namespace quenzar
