#include "calc/output_table.h"

#include <cstdint>
#include <string_view>

#include "app/control_access.h"
#include "app/control_names.h"
#include "calc/result_line.h"
#include "calc/timer_math.h"
#include "calc/working_variables.h"
#include "output/results_output.h"
#include "output/run_report.h"
#include "text/parse_number.h"

namespace quenzar {
namespace {

// "正在计算定时器值为某值时输出的频率."
constexpr std::string_view kTableTitle =
    "\xd5\xfd\xd4\xda\xbc\xc6\xcb\xe3\xb6\xa8\xca\xb1\xc6\xf7\xd6\xb5\xce\xaa\xc4\xb3\xd6\xb5"
    "\xca\xb1\xca\xe4\xb3\xf6\xb5\xc4\xc6\xb5\xc2\xca\x2e";

// A count mode of the timer, chosen with its radio button.
struct CountMode {
  std::string_view radioButton;
  double modulus;
  std::int32_t firstTimerValue;
  std::int32_t step;
};

// In the order the modes are tried. 方式0 is the 8-bit count, 方式1 the
// 16-bit count (every fifteenth value; 65535 = 15 x 4369, so it ends on 0),
// 方式2 the 13-bit count.
constexpr CountMode kCountModes[] = {
    {control::kMode0, 256.0, 255, 1},
    {control::kMode1, 65536.0, 65535, 15},
    {control::kMode2, 8192.0, 8191, 1},
};

void listMode(const CountMode& mode) {
  for (timerCount = mode.firstTimerValue; timerCount >= 0; timerCount -= mode.step) {
    computeOutput(mode.modulus, timerCount);
    appendResults(formatResultLine(crystalMHz, timerCount, outputKHz));
  }
}

}  // namespace

void onTableStartClicked() {
  clearResults();
  runStartTime = readClock();
  crystalMHz = parseNumber(getText(control::kFixedCrystal));
  computeCycle();
  setProgressTitle(kTableTitle);
  // Each button is read only when the block before it has finished.
  for (const CountMode& mode : kCountModes) {
    if (isChecked(mode.radioButton)) listMode(mode);
  }
  reportRunTime();
}

}  // namespace quenzar
