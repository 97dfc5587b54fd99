// The two runs and the band update against a window without Qt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_names.h"
#include "calc/crystal_search.h"
#include "calc/output_table.h"
#include "calc/timer_math.h"
#include "calc/tolerance_band.h"
#include "support/fake_window.h"

namespace quenzar {
namespace {

using testing::FakeWindow;
using testing::gbk;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end + 2 - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

class SearchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    setFloatingPointState();
    window.texts = {{"起始晶振", "23.5"}, {"结束晶振", "24.5"}, {"步进", "0.0001"},
                    {"上限", "40.1"},     {"下限", "39.9"},     {"编辑框1", "old text"}};
  }
  std::vector<std::string> run() {
    onSearchStartClicked();
    return linesOf(window.texts["编辑框1"]);
  }
  FakeWindow window;
};

TEST_F(SearchRun, DefaultInputs) {
  const auto lines = run();
  ASSERT_EQ(1201u, lines.size());
  for (const auto& line : lines) ASSERT_NE(line.find(gbk("定时器值:231 ")), std::string::npos) << line;
  EXPECT_EQ(gbk("晶振频率:23.9400MHz  定时器值:231  输出频率:39.9000KHz\r\n"), lines.front());
  EXPECT_EQ(gbk("晶振频率:24.0600MHz  定时器值:231  输出频率:40.1000KHz\r\n"), lines.back());
  // One progress title per crystal, then the completion text.
  ASSERT_EQ(10001u + 1, window.titles.size());
  EXPECT_EQ(gbk("正在寻找23.5000MHz."), window.titles.front());
  EXPECT_EQ(gbk("正在寻找24.5000MHz."), window.titles[10000]);
  EXPECT_EQ(gbk("完成，共花费了0秒！"), window.title);
  ASSERT_EQ(1u, window.messages.size());
  EXPECT_EQ(gbk("花费时间"), window.messages[0].title);
  // The last crystal visited, and the sum that ended the loop.
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
  } rows[] = {
      {"narrow band", "23.5", "24.5", "39.99", "40.01", 121,
       "晶振频率:23.9940MHz  定时器值:231  输出频率:39.9900KHz\r\n"},
      {"one crystal", "24", "24", "39.9", "40.1", 1,
       "晶振频率:24.0000MHz  定时器值:231  输出频率:40.0000KHz\r\n"},
      {"every timer value", "24", "24", "0", "1e300", 256,
       "晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n"},
      {"end below start", "24.5", "23.5", "39.9", "40.1", 0, nullptr},
      {"upper below lower", "23.5", "24.5", "40.1", "39.9", 0, nullptr},
  };
  for (const auto& row : rows) {
    window.texts["起始晶振"] = row.start;
    window.texts["结束晶振"] = row.end;
    window.texts["下限"] = row.lower;
    window.texts["上限"] = row.upper;
    window.titles.clear();
    const auto lines = run();
    ASSERT_EQ(row.lines, lines.size()) << row.name;
    if (row.firstLine) EXPECT_EQ(gbk(row.firstLine), lines.front()) << row.name;
  }
}

TEST_F(SearchRun, EveryTimerValueEndsAtZero) {
  window.texts["起始晶振"] = "24";
  window.texts["结束晶振"] = "24";
  window.texts["下限"] = "0";
  window.texts["上限"] = "1e300";
  const auto lines = run();
  ASSERT_EQ(256u, lines.size());
  EXPECT_EQ(gbk("晶振频率:24.0000MHz  定时器值:0  输出频率:3.9063KHz\r\n"), lines.back());
  EXPECT_EQ(255, timerByte);
}

// Inputs that would never let the crystal pass the end: each run ends, with
// the completion report as usual.
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
      {"finite progress is untouched", "23.5", "23.6", "0.05", 3},
  };
  for (const auto& row : rows) {
    window.texts["起始晶振"] = row.start;
    window.texts["结束晶振"] = row.end;
    window.texts["步进"] = row.step;
    window.titles.clear();
    window.messages.clear();
    run();
    EXPECT_EQ(row.crystals + 1, window.titles.size()) << row.name;
    EXPECT_EQ(1u, window.messages.size()) << row.name;
  }
}

class TableRun : public ::testing::Test {
 protected:
  void SetUp() override {
    setFloatingPointState();
    window.texts = {{"固定晶振", "24"}, {"编辑框1", "old text"}};
  }
  std::vector<std::string> run(const char* mode) {
    window.checked = {{"方式0", false}, {"方式1", false}, {"方式2", false}};
    if (mode) window.checked[mode] = true;
    onTableStartClicked();
    return linesOf(window.texts["编辑框1"]);
  }
  FakeWindow window;
};

TEST_F(TableRun, EachCountMode) {
  struct Row {
    const char* mode;
    std::size_t lines;
    std::size_t bytes;  // 0: not checked
    const char* first;
    const char* last;
  } rows[] = {
      {"方式0", 256, 14081, "晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:3.9063KHz\r\n"},
      {"方式1", 4370, 0, "晶振频率:24.0000MHz  定时器值:65535  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:0.0153KHz\r\n"},
      {"方式2", 8192, 0, "晶振频率:24.0000MHz  定时器值:8191  输出频率:1000.0000KHz\r\n",
       "晶振频率:24.0000MHz  定时器值:0  输出频率:0.1221KHz\r\n"},
  };
  for (const auto& row : rows) {
    window.titles.clear();
    const auto lines = run(row.mode);
    ASSERT_EQ(row.lines, lines.size()) << row.mode;
    EXPECT_EQ(gbk(row.first), lines.front()) << row.mode;
    EXPECT_EQ(gbk(row.last), lines.back()) << row.mode;
    if (row.bytes) EXPECT_EQ(row.bytes, window.texts["编辑框1"].size()) << row.mode;
    EXPECT_EQ(static_cast<int>(row.lines), window.appends) << row.mode;
    window.appends = 0;
    ASSERT_EQ(2u, window.titles.size());
    EXPECT_EQ(gbk("正在计算定时器值为某值时输出的频率."), window.titles[0]);
  }
  // 方式1, second line: timer value 65520, period 8, output 62.5.
  const auto lines = run("方式1");
  EXPECT_EQ(gbk("晶振频率:24.0000MHz  定时器值:65520  输出频率:62.5000KHz\r\n"), lines[1]);
}

TEST_F(TableRun, EmptyCrystalAndNoModeChecked) {
  window.texts["固定晶振"] = "";
  auto lines = run("方式0");
  ASSERT_EQ(256u, lines.size());
  EXPECT_EQ(gbk("晶振频率:0.0000MHz  定时器值:255  输出频率:0.0000KHz\r\n"), lines.front());

  lines = run(nullptr);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(1u + 1, window.messages.size());
}

TEST(ToleranceBand, LimitsFromCentreAndError) {
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
  FakeWindow window;
  for (const auto& row : rows) {
    window.texts = {{"中心", row.centre}, {"误差", row.error}};
    std::vector<std::string> order;
    window.onTextChanged = [&](const std::string& control) { order.push_back(control); };
    onCentreChanged();
    EXPECT_EQ(row.upper, window.texts["上限"]) << row.centre << " " << row.error;
    EXPECT_EQ(row.lower, window.texts["下限"]) << row.centre << " " << row.error;
    EXPECT_EQ((std::vector<std::string>{"上限", "下限"}), order);
  }
}

}  // namespace
}  // namespace quenzar
