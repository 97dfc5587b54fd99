// Control access on the real window, and when edit boxes raise text changed.

#include <QClipboard>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>
#include <functional>

#include "app/control_access.h"
#include "window_fixture.h"

namespace quenzar::testing {
namespace {

TEST_F(WindowTest, OpensWithTheLayoutTextsAndNoHandlerRun) {
  // The band limits keep their own texts: the layout raised no text changed,
  // so no band update ran from 中心 and 误差.
  const std::vector<std::pair<const char*, const char*>> texts = {
      {"上限", "40.1"}, {"下限", "39.9"},     {"中心", "40"},     {"误差", "0.025"},
      {"起始晶振", "23.5"}, {"结束晶振", "24.5"}, {"步进", "0.0001"}, {"固定晶振", "24"},
      {"编辑框1", ""},    {"主窗口", "Quenzar-单片机辅助工具"}};
  for (const auto& [name, text] : texts) EXPECT_EQ(getText(name), gbk(text)) << name;
  EXPECT_TRUE(isChecked("方式0"));
  EXPECT_FALSE(isChecked("方式1"));
  EXPECT_FALSE(isChecked("方式2"));
  EXPECT_EQ(runsOf("onCentreChanged") + runsOf("onErrorChanged"), 0);
}

struct Change {
  const char* what;
  const char* startText;
  std::function<void(QLineEdit*)> act;
  int events;
  const char* endText;
};
void PrintTo(const Change& row, std::ostream* out) { *out << row.what; }

class TextChangedTest : public WindowTest, public ::testing::WithParamInterface<Change> {};

TEST_P(TextChangedTest, EachChangeRaisesOneEvent) {
  const Change& change = GetParam();
  QLineEdit* box = lineEdit("中心");
  box->setFocus();
  setText("中心", gbk(change.startText));
  box->end(false);
  handlerLog().clear();
  change.act(box);
  EXPECT_EQ(runsOf("onCentreChanged"), change.events);
  EXPECT_EQ(getText("中心"), gbk(change.endText));
}

INSTANTIATE_TEST_SUITE_P(
    CentreBox, TextChangedTest,
    ::testing::Values(
        Change{"typing_two_keys", "", [](QLineEdit* b) { QTest::keyClicks(b, "40"); }, 2, "40"},
        Change{"dropped_key", "4", [](QLineEdit* b) { QTest::keyClicks(b, "x"); }, 0, "4"},
        Change{"paste", "",
               [](QLineEdit* b) {
                 QApplication::clipboard()->setText("40");
                 QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
               },
               1, "40"},
        Change{"cut", "40",
               [](QLineEdit* b) {
                 b->selectAll();
                 QTest::keyClick(b, Qt::Key_X, Qt::ControlModifier);
               },
               1, ""},
        Change{"backspace", "40", [](QLineEdit* b) { QTest::keyClick(b, Qt::Key_Backspace); }, 1,
               "4"},
        Change{"undo_then_redo", "4",
               [](QLineEdit* b) {
                 QTest::keyClicks(b, "0");
                 QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
                 QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
               },
               3, "40"},
        Change{"set_text_same", "40", [](QLineEdit*) { setText("中心", "40"); }, 1, "40"},
        Change{"set_text_new", "40", [](QLineEdit*) { setText("中心", "41"); }, 1, "41"},
        // Moving the focus away changes nothing.
        Change{"leaving", "40", [](QLineEdit*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, 0, "40"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(WindowTest, HandlerSeesTheNewTextInsideSetText) {
  // onErrorChanged runs nested in setText, after the text is in place.
  static std::string seen;
  window.reset();
  window = buildWindow(mainWindowLayout(), +[](const EventBinding& binding) {
    if (binding.handlerName == "onErrorChanged") seen = getText("误差");
  });
  seen.clear();
  setText("误差", "0.5");
  EXPECT_EQ(seen, "0.5");
}

TEST_F(WindowTest, TitleChangesAtOnceAndRaisesNothing) {
  setText("主窗口", gbk("正在寻找24.0000MHz."));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("正在寻找24.0000MHz."));
  EXPECT_TRUE(handlerLog().empty());
}

TEST_F(WindowTest, TextsCrossAsGbkBytes) {
  // "吴" is CE E2 in GBK; the euro sign is 80; an emoji has no GBK form and
  // keeps its four-byte GB18030 one.
  const std::string bytes = "\xCE\xE2\x80\x94\x39\xFC\x36";
  setText("起始晶振", bytes);
  EXPECT_EQ(lineEdit("起始晶振")->text(), QString::fromUtf8("吴€😀"));
  EXPECT_EQ(getText("起始晶振"), bytes);
}

TEST_F(WindowTest, LongTextsAreNotCut) {
  const std::string longText(100000, '7');
  setText("步进", longText);
  EXPECT_EQ(getText("步进"), longText);
}

TEST_F(WindowTest, AppendGoesToTheVeryEndAndCannotBeUndone) {
  QPlainTextEdit* box = resultsBox();
  box->setFocus();
  QTest::keyClicks(box, "typed");
  box->selectAll();  // the user's selection is left alone, not replaced
  handlerLog().clear();
  controls().appendToEnd("编辑框1", "line 1\r\n");
  controls().appendToEnd("编辑框1", "line 2\r\n");
  EXPECT_EQ(getText("编辑框1"), "typedline 1\r\nline 2\r\n");
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(getText("编辑框1"), "typedline 1\r\nline 2\r\n");
  EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
  EXPECT_EQ(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
}

TEST_F(WindowTest, ClearingTheResultsBoxRaisesOneEventAndEmptiesIt) {
  controls().appendToEnd("编辑框1", "a\r\nb\r\n");
  setText("编辑框1", "");
  EXPECT_EQ(getText("编辑框1"), "");
  setText("编辑框1", "x\r\ny");
  EXPECT_EQ(getText("编辑框1"), "x\r\ny");
}

TEST_F(WindowTest, ButtonsRunTheirBoundHandlers) {
  for (const char* name : {"开始计算", "保存结果", "开始计算1", "保存结果1", "方式1"}) {
    QTest::mouseClick(button(name), Qt::LeftButton);
  }
  EXPECT_EQ(handlerLog(), (std::vector<std::string>{"onSearchStartClicked", "onSearchSaveClicked",
                                                    "onTableStartClicked", "onTableSaveClicked"}));
  EXPECT_TRUE(isChecked("方式1"));
  EXPECT_FALSE(isChecked("方式0"));
  QTest::mouseClick(button("方式1"), Qt::LeftButton);  // clicking the checked one changes nothing
  EXPECT_TRUE(isChecked("方式1"));
}

TEST_F(WindowTest, WindowIsFixedCentredAndHoldsItsControlsInTheirGroupBoxes) {
  EXPECT_EQ(window->size(), QSize(421, 377));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(window->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->pos(), QPoint((screen.width() - 427) / 2, (screen.height() - 402) / 2));

  for (const ControlLayout& entry : mainWindowLayout().controls) {
    if (entry.kind == ControlKind::fileDialog || entry.kind == ControlKind::label) continue;
    SCOPED_TRACE(std::string(entry.name));
    QWidget* widget = control(entry.name);
    const QWidget* parent = entry.parent.empty() ? window.get() : control(entry.parent);
    EXPECT_EQ(widget->parentWidget(), parent);
    EXPECT_EQ(widget->pos(), QPoint(entry.left, entry.top));
    EXPECT_TRUE(widget->isVisible());
  }
  EXPECT_NE(qobject_cast<QGroupBox*>(control("分组框1")), nullptr);
}

TEST_F(WindowTest, EarlierControlsLieAboveLaterOnes) {
  // A parent's children list runs from the bottom of the stack to the top.
  const QObjectList& stack = control("分组框1")->children();
  auto depth = [&stack, this](const char* name) { return stack.indexOf(control(name)); };
  EXPECT_GT(depth("标签9"), depth("误差"));
  EXPECT_GT(depth("误差"), depth("开始计算"));
}

}  // namespace
}  // namespace quenzar::testing
