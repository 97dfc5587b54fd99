#pragma once
// A fresh window per test with the program's own handlers, a desktop whose
// message boxes close themselves (they are recorded), and a clock that reads
// from a queue.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/control_access.h"
#include "app/desktop.h"
#include "app/handler_table.h"
#include "app/main_window_layout.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"
#include "calc/timer_math.h"

namespace quenzar::testing {

class ScriptedDesktop : public Desktop {
 public:
  struct Box {
    std::string text, title;
    BoxIcon icon;
  };
  std::vector<Box> boxes;
  std::deque<LocalTime> clock{LocalTime{2026, 12, 11, 12, 0, 0}};
  std::vector<std::string> titlesWhenBoxShown;
  std::function<void()> whileBoxOpen;

  void showMessageBox(std::string_view text, std::string_view title, BoxIcon icon) override {
    boxes.push_back({std::string(text), std::string(title), icon});
    if (whileBoxOpen) whileBoxOpen();
  }
  std::optional<std::string> showSaveDialog(const SaveDialogRequest&) override { return {}; }
  bool writeFile(std::string_view, std::string_view, std::string&) override { return false; }
  // Each reading takes the next queued time; the last one repeats.
  LocalTime localTime() override {
    const LocalTime t = clock.front();
    if (clock.size() > 1) clock.pop_front();
    return t;
  }
};

class RunWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setFloatingPointState();
    window = buildWindow(mainWindowLayout(), programHandlers(), desktop);
    ASSERT_NE(window, nullptr);
  }

  static std::string gbk(const char* utf8) { return toGbk(QString::fromUtf8(utf8)); }
  QLineEdit* lineEdit(std::string_view name) const {
    return qobject_cast<QLineEdit*>(window->widget(name));
  }
  void click(std::string_view button) {
    QTest::mouseClick(window->widget(button), Qt::LeftButton);
  }
  // The results box, cut into its CR LF lines.
  std::vector<std::string> resultLines() const {
    const std::string text = getText("编辑框1");
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(text.substr(start, end + 2 - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
  }

  ScriptedDesktop desktop;
  std::unique_ptr<MainWindow> window;
};

}  // namespace quenzar::testing
