#pragma once
// The run clock: when a run started, and the whole seconds it took.

#include <string>

#include "app/control_access.h"

namespace quenzar {

// A date-time counts days since 1899-12-30 00:00 local time; its fraction is
// the time of day (seconds since midnight / 86400).
double toDateTime(const LocalTime& time);

// The current local date-time, to the whole second.
double readClock();

// Whole seconds from `earlier` to `later`: 0 when they are equal; each is
// first held within the years 100 to 9999; a product left just below a whole
// number by the arithmetic still gives that number.
double elapsedSeconds(double later, double earlier);

// "完成，共花费了" + seconds + "秒！", GBK.
std::string formatCompletionText(double seconds);

// The last step of every run: the completion text into the title, then the
// clock is read again and the "花费时间" box shows the text; returns when the
// box has been closed.
void reportRunTime();

}  // namespace quenzar
