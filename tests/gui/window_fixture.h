#pragma once
// A fresh main window per test, built from the program's own layout with
// bound handlers that only record that they ran, and the fake desktop that
// records boxes instead of showing them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/control_names.h"
#include "app/main_window_layout.h"
#include "app/qt/edit_box.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"
#include "support/fake_desktop.h"
#include "support/gbk.h"

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

// In place of calling a bound handler: note its name.
inline void recordHandler(const EventBinding& binding) {
  handlerLog().emplace_back(binding.handlerName);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handlerLog().clear();
    window = buildWindow(mainWindowLayout(), recordHandler);
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
  FakeDesktop desktop;
  std::unique_ptr<MainWindow> window;
};

}  // namespace quenzar::testing
