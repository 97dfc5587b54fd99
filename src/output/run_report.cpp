#include "output/run_report.h"

#include <string_view>

#include "app/desktop.h"
#include "calc/working_variables.h"
#include "output/results_output.h"
#include "output/run_timing.h"

namespace quenzar {
namespace {

constexpr std::string_view kRunTimeTitle = "\xbb\xa8\xb7\xd1\xca\xb1\xbc\xe4";  // "花费时间"

}  // namespace

double readClock() { return toDateTime(desktop().localTime()); }

void reportRunTime() {
  const double titleSeconds = elapsedSeconds(readClock(), runStartTime);
  setProgressTitle(formatCompletionText(titleSeconds));
  const double boxSeconds = elapsedSeconds(readClock(), runStartTime);
  desktop().showMessageBox(formatCompletionText(boxSeconds), kRunTimeTitle, BoxIcon::none);
}

}  // namespace quenzar
