#include "calc/crystal_search.h"

#include <cmath>
#include <string_view>

#include "app/control_access.h"
#include "app/control_names.h"
#include "text/extended_precision.h"
#include "calc/result_line.h"
#include "calc/timer_math.h"
#include "calc/working_variables.h"
#include "output/results_output.h"
#include "output/run_report.h"
#include "text/format_number.h"
#include "text/join_text.h"
#include "text/parse_number.h"

namespace quenzar {
namespace {

// The search always uses the 8-bit count.
constexpr double kSearchModulus = 256.0;

constexpr std::string_view kSearchingTitle = "\xd5\xfd\xd4\xda\xd1\xb0\xd5\xd2";  // "正在寻找"
constexpr std::string_view kSearchingTitleEnd = "MHz.";

double readNumber(std::string_view control) { return parseNumber(getText(control)); }

// One crystal: timer values from 255 down to 0, leaving early once the output
// has fallen below the band (it only falls further as the value falls).
void searchTimerValues() {
  timerByte = 255;
  do {
    computeOutput(kSearchModulus, timerByte);
    if (isBelow(outputKHz, lowerKHz)) return;
    if (isAtMost(outputKHz, upperKHz)) {
      appendResults(formatResultLine(crystalMHz, timerByte, outputKHz));
    }
    --timerByte;  // 8-bit: 0 becomes 255, which ends the pass
  } while (timerByte != 255);
}

}  // namespace

void onSearchStartClicked() {
  clearResults();
  runStartTime = readClock();
  crystalMHz = readNumber(control::kStartCrystal);
  endCrystalMHz = readNumber(control::kEndCrystal);
  stepMHz = readNumber(control::kStep);
  lowerKHz = readNumber(control::kLower);
  upperKHz = readNumber(control::kUpper);

  // Each crystal is the previous stored one plus the step, so rounding adds
  // up (23.94 is held as 23.939999999998975); the tolerance of isAtMost lets
  // the end crystal be visited when the sum has drifted just above it.
  while (isAtMost(crystalMHz, endCrystalMHz)) {
    setProgressTitle(joinText({kSearchingTitle, formatFixed(crystalMHz, 4), kSearchingTitleEnd}));
    computeCycle();
    searchTimerValues();
    const double current = crystalMHz;
    crystalMHz = extended::sum(crystalMHz, stepMHz);
    // A step that does not move the crystal upward (0, negative, too small
    // to change it, or an infinite crystal) and an end that is no finite
    // number would never end the loop: such a run stops here instead.
    if (!(crystalMHz > current) || !std::isfinite(endCrystalMHz)) break;
  }
  reportRunTime();
}

}  // namespace quenzar
