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
#include <map>
#include <string>
#include <vector>

#include "app/control_access.h"
#include "app/desktop.h"
#include "app/handler_table.h"
#include "app/main_window_layout.h"
#include "app/qt/look.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"
#include "calc/crystal_search.h"
#include "calc/output_table.h"
#include "calc/float_environment.h"

namespace {

using namespace quenzar;

// The completion box closes at once; the clock stands still.
class SilentDesktop : public Desktop {
 public:
  void showMessageBox(std::string_view, std::string_view, BoxIcon) override {}
  std::optional<std::string> showSaveDialog(const SaveDialogRequest&) override { return {}; }
  bool writeFile(std::string_view, std::string_view, std::string&) override { return false; }
  LocalTime localTime() override { return {2026, 12, 11, 12, 0, 0}; }
};

// A window without widgets: texts in a map, appends onto a string.
class TextOnlyWindow : public WindowPort {
 public:
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> checked;
  std::string text(std::string_view control) override {
    auto it = texts.find(control);
    return it == texts.end() ? std::string() : it->second;
  }
  void setText(std::string_view control, std::string_view gbk) override {
    texts[std::string(control)] = gbk;
  }
  bool isChecked(std::string_view control) override {
    auto it = checked.find(control);
    return it != checked.end() && it->second;
  }
  void appendToEnd(std::string_view control, std::string_view gbk) override {
    texts[std::string(control)] += gbk;
  }
  FileDialogState* fileDialog(std::string_view) override { return nullptr; }
  void showMessageBox(std::string_view, std::string_view) override {}
  void showErrorBox(std::string_view, std::string_view) override {}
  std::optional<std::string> showSaveDialog(const SaveDialogRequest&) override { return {}; }
  bool writeFile(std::string_view, std::string_view, std::string&) override { return false; }
  LocalTime localTime() override { return {2026, 12, 11, 12, 0, 0}; }
};

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

  SilentDesktop desktop;
  auto window = buildWindow(mainWindowLayout(), programHandlers(), desktop);
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
        windowPort().appendToEnd("编辑框1", tableText);
        QApplication::processEvents();
      },
      [] {
        setText("编辑框1", "");
        QApplication::processEvents();
      });

  // Pure computation, no widgets.
  TextOnlyWindow textOnly;
  textOnly.texts = {{"起始晶振", "23.5"}, {"结束晶振", "24.5"}, {"步进", "0.0001"},
                    {"上限", "40.1"},     {"下限", "39.9"},     {"固定晶振", "24"}};
  textOnly.checked = {{"方式2", true}};
  attachWindowPort(&textOnly);
  const double searchPure = bestOf(kRuns, onSearchStartClicked);
  const double tablePure = bestOf(kRuns, onTableStartClicked);
  attachWindowPort(nullptr);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("default search (10001 crystals, 1201 lines): %8.1f ms in the window, %8.1f ms pure: %.2fx\n",
              searchWindow, searchPure, searchWindow / searchPure);
  std::printf("方式2 table (8192 lines, %zu bytes):        %8.1f ms in the window, %8.1f ms in one call: %.2fx (pure %.1f ms)\n",
              tableText.size(), tableWindow, oneCall, tableWindow / oneCall, tablePure);
  std::printf("peak memory: %ld MiB\n", usage.ru_maxrss / 1024);
  return 0;
}
