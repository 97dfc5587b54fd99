#pragma once
// The run clock and the completion report, through the desktop's clock and
// message box.

namespace quenzar {

// The current local date-time, to the whole second.
double readClock();

// The last step of every run: the completion text into the title, then the
// clock is read again and the "花费时间" box shows the text; returns when the
// box has been closed.
void reportRunTime();

}  // namespace quenzar
