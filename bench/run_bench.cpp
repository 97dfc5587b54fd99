// Speed of the two runs through the real window on the offscreen platform,
// against two floors measured in the same process:
//  - the pure computation of each run, with a window that only keeps texts;
//  - for the table, putting its whole final text into the results box in
//    one call.
// The completion box closes itself. Prints the figures and the peak memory.

#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/control_access.h"
#include "app/main_window_layout.h"
#include "app/qt/look.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"
#include "calc/crystal_search.h"
#include "calc/output_table.h"
#include "calc/float_environment.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"

namespace {

using namespace quenzar;

// Best of a few runs, in milliseconds; prepare runs untimed before each.
double bestOf(int runs, const std::function<void()>& work,
              const std::function<void()>& prepare = [] {}) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  applyDesktopLook(app);
  setFloatingPointState();
  constexpr int kRuns = 5;

  // The completion box closes at once; the clock stands still.
  testing::FakeDesktop desktop;
  auto window = buildWindow(mainWindowLayout());
  if (!window) return 1;
  QApplication::processEvents();

  // Runs through the real window (default inputs). Each measurement lasts
  // until the event loop has put every line into the box and laid it out,
  // as it does when the completion box opens.
  auto untilShown = [](void (*handler)()) {
    return [handler] {
      handler();
      QApplication::processEvents();
    };
  };
  const double searchWindow = bestOf(kRuns, untilShown(onSearchStartClicked));
  qobject_cast<QAbstractButton*>(window->widget("方式2"))->click();
  const double tableWindow = bestOf(kRuns, untilShown(onTableStartClicked));
  const std::string tableText = getText("编辑框1");

  // One call: the table's whole final text into the emptied box.
  const double oneCall = bestOf(
      kRuns,
      [&] {
        controls().appendToEnd("编辑框1", tableText);
        QApplication::processEvents();
      },
      [] {
        setText("编辑框1", "");
        QApplication::processEvents();
      });

  // Pure computation: the same handlers on controls without widgets.
  double searchPure = 0, tablePure = 0;
  {
    testing::FakeControls textOnly;
    textOnly.texts = {{"起始晶振", "23.5"}, {"结束晶振", "24.5"}, {"步进", "0.0001"},
                      {"上限", "40.1"},     {"下限", "39.9"},     {"固定晶振", "24"}};
    textOnly.checked = {{"方式2", true}};
    searchPure = bestOf(kRuns, onSearchStartClicked);
    tablePure = bestOf(kRuns, onTableStartClicked);
  }

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("default search (10001 crystals, 1201 lines): %8.1f ms in the window, %8.1f ms pure: %.2fx\n",
              searchWindow, searchPure, searchWindow / searchPure);
  std::printf("方式2 table (8192 lines, %zu bytes):        %8.1f ms in the window, %8.1f ms in one call: %.2fx (pure %.1f ms)\n",
              tableText.size(), tableWindow, oneCall, tableWindow / oneCall, tablePure);
  std::printf("peak memory: %ld MiB\n", usage.ru_maxrss / 1024);
  return 0;
}
