#pragma once
// A fresh window per test with the program's own handlers and the fake
// desktop: message boxes close themselves, the clock reads from a queue.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/control_access.h"
#include "app/main_window_layout.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"
#include "app/qt/window_builder.h"
#include "calc/float_environment.h"
#include "window_fixture.h"

namespace quenzar::testing {

class RunWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setFloatingPointState();
    window = buildWindow(mainWindowLayout());
    ASSERT_NE(window, nullptr);
  }

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

  FakeDesktop desktop;
  std::unique_ptr<MainWindow> window;
};

}  // namespace quenzar::testing
