// The number boxes: what typing lets in, what pasting and input methods do,
// and how the boxes look.

#include <QClipboard>
#include <QInputMethodEvent>

#include "window_fixture.h"

namespace quenzar::testing {
namespace {

struct Typing {
  const char* what;
  std::vector<QString> keys;  // the text each key press types, in order
  const char* expected;       // the box's text afterwards, starting empty
};
void PrintTo(const Typing& row, std::ostream* out) { *out << row.what; }

class TypingTest : public WindowTest, public ::testing::WithParamInterface<Typing> {};

TEST_P(TypingTest, OnlyDigitsMinusAndPointAreTyped) {
  QLineEdit* box = lineEdit("起始晶振");
  box->setFocus();
  box->clear();
  for (const QString& key : GetParam().keys) {
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, key, Qt::NoModifier);
  }
  EXPECT_EQ(box->text(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    NumberBox, TypingTest,
    ::testing::Values(
        Typing{"letter_dropped", {"a"}, ""},
        Typing{"space_dropped", {" "}, ""},
        Typing{"full_width_comma_dropped", {"，"}, ""},
        Typing{"chinese_dropped", {"吴"}, ""},
        Typing{"e_dropped_among_digits", {"1", ".", "5", "e", "3"}, "1.53"},
        Typing{"form_not_checked", {"-", "-", "1", ".", ".", "2"}, "--1..2"},
        // A key that types several characters keeps the allowed ones.
        Typing{"composed_keeps_allowed", {"4x2"}, "42"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(WindowTest, EditingKeysStillWorkInANumberBox) {
  QLineEdit* box = lineEdit("中心");
  box->setFocus();
  box->end(false);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "4");
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "40");
}

TEST_F(WindowTest, PastedTextIsTakenWhole) {
  QLineEdit* box = lineEdit("起始晶振");
  box->setFocus();
  box->clear();
  QApplication::clipboard()->setText("abc");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "abc");
}

TEST_F(WindowTest, InputMethodCommitsAreFilteredToo) {
  QLineEdit* box = lineEdit("步进");
  box->setFocus();
  box->clear();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("１吴2，3"));
  QApplication::sendEvent(box, &commit);
  EXPECT_EQ(box->text(), "23");
}

TEST_F(WindowTest, NumberBoxesAreGreenOnBlackBoldCentredAndTallEnough) {
  for (const char* name : {"固定晶振", "误差", "中心", "结束晶振", "步进", "起始晶振", "上限", "下限"}) {
    SCOPED_TRACE(name);
    QLineEdit* box = lineEdit(name);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(box->font().pixelSize(), 20);
    EXPECT_TRUE(box->hasFrame());
    // One line of the font plus the two 2-pixel edges; never lower than laid out.
    const int line = box->fontMetrics().tightBoundingRect(QString::fromUtf8("吴")).height();
    EXPECT_EQ(box->height(), std::max(line + 4, findControl(mainWindowLayout(), name)->height));
    EXPECT_EQ(box->cursorPosition(), 0);
  }
}

}  // namespace
}  // namespace quenzar::testing
