#include <gtest/gtest.h>

#include "output/run_timing.h"
#include "support/gbk.h"

namespace quenzar {
namespace {

using testing::gbk;

TEST(RunTiming, DateTimeCountsDaysSince18991230) {
  EXPECT_EQ(0.0, toDateTime({1899, 12, 30, 0, 0, 0}));
  EXPECT_EQ(61.0, toDateTime({1900, 3, 1, 0, 0, 0}));
  EXPECT_EQ(46367.5, toDateTime({2026, 12, 11, 12, 0, 0}));
  EXPECT_EQ(46367.0 + 1.0 / 86400.0, toDateTime({2026, 12, 11, 0, 0, 1}));
}

TEST(RunTiming, ElapsedWholeSeconds) {
  struct Row {
    const char* name;
    LocalTime earlier, later;
    double seconds;
  } rows[] = {
      {"same second", {2026, 12, 11, 12, 0, 0}, {2026, 12, 11, 12, 0, 0}, 0},
      {"one second", {2026, 12, 11, 12, 0, 0}, {2026, 12, 11, 12, 0, 1}, 1},
      {"61 seconds", {2026, 12, 11, 12, 0, 0}, {2026, 12, 11, 12, 1, 1}, 61},
      {"over midnight", {2026, 12, 11, 23, 59, 59}, {2026, 12, 12, 0, 0, 4}, 5},
      {"a whole day", {2026, 12, 11, 8, 0, 0}, {2026, 12, 12, 8, 0, 0}, 86400},
      // Set back 5 s: the half second is added before the cut toward zero,
      // so a negative span comes out one second short.
      {"clock set back", {2026, 12, 11, 12, 0, 5}, {2026, 12, 11, 12, 0, 0}, -4},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.seconds, elapsedSeconds(toDateTime(row.later), toDateTime(row.earlier))) << row.name;
  }
  // Every second of a day, from a start late in the day: no product left
  // just below a whole number loses a second.
  const double start = toDateTime({2026, 12, 11, 17, 3, 9});
  for (int s = 0; s < 86400; s += 7) {
    const double later = toDateTime({2026, 12, 11, 17, 3, 9}) + s / 86400.0;
    ASSERT_EQ(static_cast<double>(s), elapsedSeconds(later, start)) << s;
  }
}

TEST(RunTiming, ElapsedHoldsDatesWithinYears100To9999) {
  EXPECT_EQ((2958465.0 + 657434.0) * 86400.0, elapsedSeconds(1e9, -1e9));
}

TEST(RunTiming, CompletionTexts) {
  EXPECT_EQ(gbk("完成，共花费了0秒！"), formatCompletionText(0));
  EXPECT_EQ(gbk("完成，共花费了61秒！"), formatCompletionText(61));
  EXPECT_EQ(gbk("完成，共花费了-5秒！"), formatCompletionText(-5));
}

}  // namespace
}  // namespace quenzar
