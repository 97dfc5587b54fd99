// The crystal search, the output table and the band update, driven through
// the real window: inputs typed into its boxes, runs started by clicks.

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "app/qt/qt_desktop.h"
#include "calc/result_line.h"
#include "calc/timer_math.h"
#include "calc/working_variables.h"
#include "run_window_fixture.h"

namespace quenzar::testing {
namespace {

// Window titles as a run sets them, recorded through the title's own signal
// (which stays silent for an unchanged title, so the log starts from a
// title no run writes).
class TitleLog {
 public:
  explicit TitleLog(QWidget* window) {
    setText(kMainWindow, "-");
    connection_ = QObject::connect(window, &QWidget::windowTitleChanged, [this](const QString& title) {
      titles.push_back(toGbk(title));
    });
  }
  ~TitleLog() { QObject::disconnect(connection_); }
  std::vector<std::string> titles;

 private:
  QMetaObject::Connection connection_;
};

using SearchRun = RunWindowTest;

TEST_F(SearchRun, DefaultInputs) {
  TitleLog log(window.get());
  click("开始计算");
  const auto lines = resultLines();
  ASSERT_EQ(1201u, lines.size());
  for (const auto& line : lines) ASSERT_NE(line.find(gbk("定时器值:231 ")), std::string::npos) << line;
  EXPECT_EQ(gbk("晶振频率:23.9400MHz  定时器值:231  输出频率:39.9000KHz\r\n"), lines.front());
  EXPECT_EQ(gbk("晶振频率:24.0600MHz  定时器值:231  输出频率:40.1000KHz\r\n"), lines.back());
  // One progress title per crystal, then the completion text.
  ASSERT_EQ(10001u + 1, log.titles.size());
  EXPECT_EQ(gbk("正在寻找23.5000MHz."), log.titles.front());
  EXPECT_EQ(gbk("正在寻找24.5000MHz."), log.titles[10000]);
  EXPECT_EQ(gbk("完成，共花费了0秒！"), log.titles.back());
  ASSERT_EQ(1u, desktop.boxes.size());
  EXPECT_EQ(gbk("完成，共花费了0秒！"), desktop.boxes[0].gbkText);
  EXPECT_EQ(gbk("花费时间"), desktop.boxes[0].gbkTitle);
  EXPECT_EQ(BoxIcon::none, desktop.boxes[0].icon);
  // The last crystal visited was held as 24.49999999999767; one more step
  // gave the value that ended the loop.
  EXPECT_EQ(24.50009999999767, crystalMHz);
}

TEST_F(SearchRun, OtherInputs) {
  struct Row {
    const char* name;
    const char* start;
    const char* end;
    const char* lower;
    const char* upper;
    std::size_t lines;
    const char* firstLine;
    const char* lastLine;
  } rows[] = {
      {"narrow band", "23.5", "24.5", "39.99", "40.01", 121,
       "晶振频率:23.9940MHz  定时器值:231  输出频率:39.9900KHz\r\n", nullptr},
      {"one crystal", "24", "24", "39.9", "40.1", 1,
       "晶振频率:24.0000MHz  定时器值:231  输出频率:40.0000KHz\r\n", nullptr},
      {"every timer value, 0 visited once", "24", "24", "0", "1e300", 256,
       "晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:3.9063KHz\r\n"},
      {"end below start", "24.5", "23.5", "39.9", "40.1", 0, nullptr, nullptr},
      {"upper below lower", "23.5", "24.5", "40.1", "39.9", 0, nullptr, nullptr},
  };
  for (const auto& row : rows) {
    setText("起始晶振", row.start);
    setText("结束晶振", row.end);
    setText("下限", row.lower);
    setText("上限", row.upper);
    click("开始计算");
    const auto lines = resultLines();
    ASSERT_EQ(row.lines, lines.size()) << row.name;
    if (row.firstLine) {
      EXPECT_EQ(gbk(row.firstLine), lines.front()) << row.name;
    }
    if (row.lastLine) {
      EXPECT_EQ(gbk(row.lastLine), lines.back()) << row.name;
    }
  }
  EXPECT_EQ(std::size(rows), desktop.boxes.size());
}

// Inputs with which the crystal would never pass the end: each run ends,
// with the completion report as usual.
TEST_F(SearchRun, RunsThatCannotReachTheEndStillEnd) {
  struct Row {
    const char* name;
    const char* start;
    const char* end;
    const char* step;
    std::size_t crystals;
  } rows[] = {
      {"zero step", "23.5", "24.5", "0", 1},
      {"empty step", "23.5", "24.5", "", 1},
      {"negative step", "23.5", "24.5", "-0.0001", 1},
      {"step too small to move the crystal", "23.5", "24.5", "1e-20", 1},
      {"infinite end", "23.5", "1e400", "0.0001", 1},
      {"infinite start and end", "1e400", "1e400", "1", 1},
      {"minus infinite start", "-1e400", "24", "1", 1},
      {"infinite start, finite end", "1e400", "24", "1", 0},
      {"progress toward a finite end is untouched", "23.5", "23.6", "0.05", 3},
  };
  for (const auto& row : rows) {
    setText("起始晶振", row.start);
    setText("结束晶振", row.end);
    setText("步进", row.step);
    TitleLog log(window.get());
    desktop.boxes.clear();
    click("开始计算");
    EXPECT_EQ(row.crystals + 1, log.titles.size()) << row.name;
    EXPECT_EQ(1u, desktop.boxes.size()) << row.name;
  }
}

using TableRun = RunWindowTest;

TEST_F(TableRun, EachCountMode) {
  struct Row {
    const char* mode;
    std::size_t lines;
    std::size_t bytes;
    const char* first;
    const char* second;
    const char* last;
  } rows[] = {
      {"方式0", 256, 14081, "晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:254  输出频率:500.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:3.9063KHz\r\n"},
      {"方式1", 4370, 0, "晶振频率:24.0000MHz  定时器值:65535  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:65520  输出频率:62.5000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:0.0153KHz\r\n"},
      {"方式2", 8192, 0, "晶振频率:24.0000MHz  定时器值:8191  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:8190  输出频率:500.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:0.1221KHz\r\n"},
  };
  for (const auto& row : rows) {
    click(row.mode);
    TitleLog log(window.get());
    click("开始计算1");
    const auto lines = resultLines();
    ASSERT_EQ(row.lines, lines.size()) << row.mode;
    EXPECT_EQ(gbk(row.first), lines.front()) << row.mode;
    EXPECT_EQ(gbk(row.second), lines[1]) << row.mode;
    EXPECT_EQ(gbk(row.last), lines.back()) << row.mode;
    if (row.bytes != 0) {
      EXPECT_EQ(row.bytes, getText("编辑框1").size()) << row.mode;
    }
    ASSERT_EQ(2u, log.titles.size()) << row.mode;
    EXPECT_EQ(gbk("正在计算定时器值为某值时输出的频率."), log.titles[0]);
  }
  // 方式2 is held whole: every line is the one the arithmetic gives.
  std::string expected;
  crystalMHz = 24;
  computeCycle();
  for (std::int32_t value = 8191; value >= 0; --value) {
    computeOutput(8192, value);
    expected += formatResultLine(24, value, outputKHz);
  }
  EXPECT_EQ(expected, getText("编辑框1"));
}

TEST_F(TableRun, EmptyCrystalAndTypedCrystal) {
  setText("固定晶振", "");
  click("开始计算1");
  auto lines = resultLines();
  ASSERT_EQ(256u, lines.size());
  EXPECT_EQ(gbk("晶振频率:0.0000MHz  定时器值:255  输出频率:0.0000KHz\r\n"), lines.front());

  // 24.00000001 computes as itself but reads as 24 on every line.
  setText("固定晶振", "24.00000001");
  click("开始计算1");
  lines = resultLines();
  EXPECT_EQ(gbk("晶振频率:24.0000MHz  定时器值:230  输出频率:38.4615KHz\r\n"), lines[25]);
  EXPECT_EQ(24.00000001, crystalMHz);
}

TEST_F(TableRun, RunReplacesWhatTheUserTyped) {
  QWidget* box = window->widget("编辑框1");
  box->setFocus();
  QTest::keyClicks(box, "notes");
  click("开始计算1");
  EXPECT_EQ(gbk("晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n"), resultLines().front());
}

// The box lays out appended lines once the run has let go of the thread:
// by the time the event loop runs again, the document holds every line and
// the end is in view, without anyone reading the text.
TEST_F(TableRun, LinesReachTheBoxWhenTheEventLoopRuns) {
  auto* box = qobject_cast<QPlainTextEdit*>(window->widget("编辑框1"));
  click("开始计算1");
  QApplication::processEvents();
  EXPECT_EQ(256 + 1, box->document()->blockCount());  // the last line's CR LF opens an empty block
  EXPECT_EQ(box->document()->characterCount() - 1, box->textCursor().position());
  EXPECT_EQ(box->verticalScrollBar()->maximum(), box->verticalScrollBar()->value());
}

using RunTimingWindow = RunWindowTest;

// Clock readings: the run's start, the title's, the box's.
TEST_F(RunTimingWindow, CompletionTextsInTitleAndBox) {
  struct Row {
    const char* name;
    LocalTime title, box;
    const char* titleText;
    const char* boxText;
  } rows[] = {
      {"same second", {2026, 12, 11, 12, 0, 0}, {2026, 12, 11, 12, 0, 0},
       "完成，共花费了0秒！", "完成，共花费了0秒！"},
      {"one second", {2026, 12, 11, 12, 0, 1}, {2026, 12, 11, 12, 0, 1},
       "完成，共花费了1秒！", "完成，共花费了1秒！"},
      {"61 seconds", {2026, 12, 11, 12, 1, 1}, {2026, 12, 11, 12, 1, 1},
       "完成，共花费了61秒！", "完成，共花费了61秒！"},
      {"a second passes between the readings", {2026, 12, 11, 12, 0, 1},
       {2026, 12, 11, 12, 0, 2}, "完成，共花费了1秒！", "完成，共花费了2秒！"},
  };
  for (const auto& row : rows) {
    desktop.boxes.clear();
    desktop.clock = {{2026, 12, 11, 12, 0, 0}, row.title, row.box};
    std::string titleWhileBoxOpen;
    desktop.whileBoxOpen = [&] { titleWhileBoxOpen = getText(kMainWindow); };
    click("开始计算1");
    EXPECT_EQ(gbk(row.titleText), titleWhileBoxOpen) << row.name;
    ASSERT_EQ(1u, desktop.boxes.size()) << row.name;
    EXPECT_EQ(gbk(row.boxText), desktop.boxes[0].gbkText) << row.name;
    // The completion title stays after the box has closed.
    EXPECT_EQ(gbk(row.titleText), getText(kMainWindow)) << row.name;
  }
}

// The real box: OK only, no icon, titled 花费时间, modal for the whole
// program; the run's handler returns only once it is closed.
TEST(RunTimingRealBox, ShowsTheCompletionBoxAndReturnsWhenClosed) {
  setFloatingPointState();
  QtDesktop desktop;
  attachDesktop(&desktop);
  auto window = buildWindow(mainWindowLayout());
  ASSERT_NE(window, nullptr);
  QString seenTitle, seenText;
  QMessageBox::Icon seenIcon = QMessageBox::Warning;
  bool seenModal = false;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seenTitle = box->windowTitle();
    seenText = box->text();
    seenIcon = box->icon();
    seenModal = box->windowModality() == Qt::ApplicationModal;
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  QTest::mouseClick(window->widget("开始计算1"), Qt::LeftButton);
  EXPECT_EQ(QString::fromUtf8("花费时间"), seenTitle);
  EXPECT_TRUE(seenText.startsWith(QString::fromUtf8("完成，共花费了"))) << seenText.toStdString();
  EXPECT_EQ(QMessageBox::NoIcon, seenIcon);
  EXPECT_TRUE(seenModal);
  EXPECT_EQ(1, buttons);
  EXPECT_EQ(nullptr, QApplication::activeModalWidget());
  attachDesktop(nullptr);
}

using BandUpdate = RunWindowTest;

TEST_F(BandUpdate, LimitsFollowCentreAndError) {
  struct Row {
    const char* centre;
    const char* error;
    const char* upper;
    const char* lower;
  } rows[] = {
      {"40", "0.025", "40.01", "39.99"}, {"40", "0.25", "40.10", "39.90"},
      {"40", "0.01", "40.00", "40.00"},  {"38.5", "0.5", "38.69", "38.31"},
      {"40", "-1", "39.60", "40.40"},    {"40", "", "40.00", "40.00"},
      {"", "0.025", "0.00", "0.00"},
  };
  for (const auto& row : rows) {
    setText("中心", row.centre);
    setText("误差", row.error);  // the last write decides; both run the update
    EXPECT_EQ(row.upper, getText("上限")) << row.centre << " / " << row.error;
    EXPECT_EQ(row.lower, getText("下限")) << row.centre << " / " << row.error;
  }
}

TEST_F(BandUpdate, EveryTypedCharacterUpdatesBothLimitsUpperFirst) {
  QLineEdit* centre = lineEdit("中心");
  centre->setFocus();
  QTest::keyClick(centre, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(centre, Qt::Key_Backspace);
  std::vector<std::string> writes;
  for (const char* name : {"上限", "下限"}) {
    QObject::connect(lineEdit(name), &QLineEdit::textChanged, [&writes, name](const QString& t) {
      writes.push_back(std::string(name) + "=" + t.toStdString());
    });
  }
  QTest::keyClicks(centre, "40");
  EXPECT_EQ((std::vector<std::string>{"上限=4.00", "下限=4.00", "上限=40.01", "下限=39.99"}), writes);
}

}  // namespace
}  // namespace quenzar::testing
