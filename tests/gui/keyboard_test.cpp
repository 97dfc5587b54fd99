// Keyboard navigation: Tab order, the arrows among the radio buttons, Space,
// Enter, Esc, and where the focus goes when the window opens or comes back.

#include <QRadioButton>

#include "window_fixture.h"

namespace quenzar::testing {
namespace {

const std::vector<std::string> kTabOrder = {
    "编辑框1", "开始计算", "下限", "上限", "起始晶振", "步进", "保存结果", "结束晶振",
    "中心", "误差", "固定晶振", "开始计算1", "保存结果1", "方式0", "方式1", "方式2"};

struct KeyWalk {
  const char* what;
  const char* start;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<std::string> visits;  // the focus after each key press
};
void PrintTo(const KeyWalk& row, std::ostream* out) { *out << row.what; }

class KeyWalkTest : public WindowTest, public ::testing::WithParamInterface<KeyWalk> {};

TEST_P(KeyWalkTest, FocusVisitsControlsInOrder) {
  const KeyWalk& walk = GetParam();
  control(walk.start)->setFocus();
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < walk.visits.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), walk.key, walk.modifiers);
    visited.push_back(focusedName());
  }
  EXPECT_EQ(visited, walk.visits);
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, KeyWalkTest,
    ::testing::Values(
        // Tab from the results box runs the whole list and wraps back to it.
        KeyWalk{"tab", "编辑框1", Qt::Key_Tab, Qt::NoModifier,
                [] {
                  auto v = std::vector<std::string>(kTabOrder.begin() + 1, kTabOrder.end());
                  v.push_back("编辑框1");
                  v.push_back("开始计算");
                  return v;
                }()},
        // Shift+Tab runs it backwards, leaving the multi-line box too.
        KeyWalk{"shift_tab", "编辑框1", Qt::Key_Backtab, Qt::ShiftModifier,
                [] {
                  auto v = std::vector<std::string>(kTabOrder.rbegin(), kTabOrder.rend());
                  v.push_back("方式2");
                  return v;
                }()},
        KeyWalk{"down_wraps", "方式0", Qt::Key_Down, Qt::NoModifier, {"方式1", "方式2", "方式0"}},
        KeyWalk{"right_wraps", "方式1", Qt::Key_Right, Qt::NoModifier, {"方式2", "方式0", "方式1"}},
        KeyWalk{"up_wraps", "方式0", Qt::Key_Up, Qt::NoModifier, {"方式2", "方式1", "方式0"}},
        KeyWalk{"left_wraps", "方式2", Qt::Key_Left, Qt::NoModifier, {"方式1", "方式0", "方式2"}},
        // Arrows elsewhere do not move the focus out of a number box.
        KeyWalk{"down_in_number_box", "中心", Qt::Key_Down, Qt::NoModifier, {"中心"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(WindowTest, ArrowsCheckTheRadioButtonTheyReach) {
  control("方式0")->setFocus();
  QTest::keyClick(control("方式0"), Qt::Key_Up);  // wraps to 方式2
  EXPECT_TRUE(button("方式2")->isChecked());
  EXPECT_FALSE(button("方式0")->isChecked());
  EXPECT_FALSE(button("方式1")->isChecked());
}

TEST_F(WindowTest, FirstFocusIsTheResultsBoxAndTakesTheFirstKey) {
  EXPECT_EQ(focusedName(), "编辑框1");
  QTest::keyClicks(QApplication::focusWidget(), "7");
  EXPECT_EQ(resultsBox()->toPlainText(), "7");
}

TEST_F(WindowTest, SpaceClicksTheFocusedButtonAndEnterDoesNot) {
  control("开始计算1")->setFocus();
  QTest::keyClick(control("开始计算1"), Qt::Key_Return);
  QTest::keyClick(control("开始计算1"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(runsOf("onTableStartClicked"), 0);
  QTest::keyClick(control("开始计算1"), Qt::Key_Space);
  EXPECT_EQ(handlerLog(), std::vector<std::string>{"onTableStartClicked"});
}

TEST_F(WindowTest, EnterChangesNoNumberBoxButBreaksTheResultsLine) {
  lineEdit("起始晶振")->setFocus();
  QTest::keyClick(control("起始晶振"), Qt::Key_Return);
  EXPECT_EQ(lineEdit("起始晶振")->text(), "23.5");
  EXPECT_TRUE(window->isVisible());

  resultsBox()->setFocus();
  QTest::keyClicks(resultsBox(), "a");
  QTest::keyClick(resultsBox(), Qt::Key_Return);
  QTest::keyClicks(resultsBox(), "b");
  EXPECT_EQ(window->control("编辑框1")->editBox->currentText(), "a\r\nb");
}

class EscapeTest : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(EscapeTest, EscClosesTheWindowFromEveryControl) {
  bool closed = false;
  QObject::connect(window.get(), &MainWindow::closed, [&closed] { closed = true; });
  control(GetParam())->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllFocusable, EscapeTest, ::testing::ValuesIn(kTabOrder),
                         [](const auto& info) { return "control_" + std::to_string(info.index); });

TEST_F(WindowTest, FocusComesBackToTheLastControlWhenReactivated) {
  control("误差")->setFocus();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(focusedName(), "误差");
}

}  // namespace
}  // namespace quenzar::testing
