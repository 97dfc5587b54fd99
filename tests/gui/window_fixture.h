#pragma once
// A fresh main window per test, built from the program's own layout with
// handlers that only record that they ran, and a desktop that records boxes
// instead of showing them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop.h"
#include "app/main_window_layout.h"
#include "app/qt/edit_box.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"

namespace quenzar::testing {

// Every handler run, by handler name, in order.
inline std::vector<std::string>& handlerLog() {
  static std::vector<std::string> log;
  return log;
}

inline int runsOf(std::string_view handler) {
  int runs = 0;
  for (const std::string& name : handlerLog()) runs += name == handler ? 1 : 0;
  return runs;
}

inline const HandlerEntry kRecordingHandlers[] = {
    {"onWindowCreated", +[] { handlerLog().push_back("onWindowCreated"); }},
    {"onSearchStartClicked", +[] { handlerLog().push_back("onSearchStartClicked"); }},
    {"onSearchSaveClicked", +[] { handlerLog().push_back("onSearchSaveClicked"); }},
    {"onTableStartClicked", +[] { handlerLog().push_back("onTableStartClicked"); }},
    {"onTableSaveClicked", +[] { handlerLog().push_back("onTableSaveClicked"); }},
    {"onErrorChanged", +[] { handlerLog().push_back("onErrorChanged"); }},
    {"onCentreChanged", +[] { handlerLog().push_back("onCentreChanged"); }},
};

struct ShownBox {
  std::string gbkText, gbkTitle;
  BoxIcon icon;
};

// Message boxes are recorded and close at once (whileBoxOpen runs in
// between); the dialog is cancelled; the clock reads from a queue, its last
// time repeating.
class RecordingDesktop : public Desktop {
 public:
  std::vector<ShownBox> boxes;
  std::function<void()> whileBoxOpen;
  std::deque<LocalTime> clock{LocalTime{2026, 12, 11, 12, 0, 0}};

  void showMessageBox(std::string_view text, std::string_view title, BoxIcon icon) override {
    boxes.push_back({std::string(text), std::string(title), icon});
    if (whileBoxOpen) whileBoxOpen();
  }
  std::optional<std::string> showSaveDialog(const SaveDialogRequest&) override {
    return std::nullopt;
  }
  bool writeFile(std::string_view, std::string_view, std::string&) override { return false; }
  LocalTime localTime() override {
    const LocalTime t = clock.front();
    if (clock.size() > 1) clock.pop_front();
    return t;
  }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handlerLog().clear();
    window = buildWindow(mainWindowLayout(), kRecordingHandlers, desktop);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    handlerLog().clear();
  }

  QWidget* control(std::string_view name) const {
    QWidget* found = window->widget(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QLineEdit* lineEdit(std::string_view name) const {
    return qobject_cast<QLineEdit*>(control(name));
  }
  QPlainTextEdit* resultsBox() const { return qobject_cast<QPlainTextEdit*>(control("编辑框1")); }
  QAbstractButton* button(std::string_view name) const {
    return qobject_cast<QAbstractButton*>(control(name));
  }
  static std::string focusedName() {
    QWidget* focused = QApplication::focusWidget();
    return focused == nullptr ? "(none)" : focused->objectName().toStdString();
  }
  static std::string gbk(const char* utf8) { return toGbk(QString::fromUtf8(utf8)); }

  RecordingDesktop desktop;
  std::unique_ptr<MainWindow> window;
};

}  // namespace quenzar::testing
