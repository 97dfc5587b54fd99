// The save dialog's settings turned into what the dialog is asked to show,
// and the save's own decisions on a fake window.

#include <gtest/gtest.h>

#include <climits>

#include "output/save_results.h"
#include "support/fake_window.h"

namespace quenzar {
namespace {

using testing::FakeWindow;
using testing::gbk;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// "晐" is 0x95 0x7C in GBK: its second byte is "|".
const std::string kBarTrail = "\x95\x7c";

TEST(SaveDialogFilters, SplitAtBarsThatAreNoTrailBytes) {
  ASSERT_EQ(gbk("晐"), kBarTrail);
  struct Row {
    const char* name;
    std::string filter;
    Pairs pairs;
  } rows[] = {
      {"the results dialog", gbk("文本文档|*.txt"), {{gbk("文本文档"), "*.txt"}}},
      {"empty", "", {}},
      {"only white space", " \t\r\n", {}},
      {"white space at the end dropped", gbk("文本文档|*.txt \t\r\n"), {{gbk("文本文档"), "*.txt"}}},
      {"already ends in ||", gbk("文本文档|*.txt||"), {{gbk("文本文档"), "*.txt"}}},
      {"two pairs", gbk("文本|*.txt|所有文件|*.*"), {{gbk("文本"), "*.txt"}, {gbk("所有文件"), "*.*"}}},
      {"empty description ends the list", "|*.txt|a|*.a", {}},
      {"trail byte | at the end of a description",
       kBarTrail + "|*.txt",
       {{kBarTrail, "*.txt"}}},
      {"trail byte | inside both parts",
       "a" + kBarTrail + "b|*" + kBarTrail + ".x|c|*.c",
       {{"a" + kBarTrail + "b", "*" + kBarTrail + ".x"}, {"c", "*.c"}}},
  };
  for (const Row& row : rows) EXPECT_EQ(row.pairs, splitFilterList(row.filter)) << row.name;
}

TEST(SaveDialogRequest, CarriesTheSettingsAndSelectsFromOne) {
  FileDialogState settings{.title = gbk("保存结果"),
                           .fileName = gbk("找到的晶振频率和定时器值"),
                           .filter = gbk("文本文档|*.txt"),
                           .initialFolder = "d:\\",
                           .defaultExtension = ".txt",
                           .fileMustExist = true,
                           .overwritePrompt = true,
                           .pathMustExist = true};
  const SaveDialogRequest request = saveDialogRequest(settings);
  EXPECT_EQ(gbk("保存结果"), request.title);
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), request.fileName);
  EXPECT_EQ((Pairs{{gbk("文本文档"), "*.txt"}}), request.filters);
  EXPECT_EQ(1, request.selectedFilter);
  EXPECT_EQ("d:\\", request.initialFolder);
  EXPECT_EQ(".txt", request.defaultExtension);
  EXPECT_TRUE(request.overwritePrompt);

  struct Row {
    const char* name;
    const char* filter;
    int initialFilter, selected;
  } rows[] = {
      {"first", "a|*.a|b|*.b", 0, 1},
      {"second", "a|*.a|b|*.b", 1, 2},
      {"negative counts as the first", "a|*.a", -5, 1},
      {"largest setting does not overflow", "a|*.a", INT_MAX, INT_MAX},
      {"no filter list", "", 3, 0},
      {"a list without pairs", "|", 0, 0},
  };
  for (const Row& row : rows) {
    settings.filter = row.filter;
    settings.initialFilter = row.initialFilter;
    EXPECT_EQ(row.selected, saveDialogRequest(settings).selectedFilter) << row.name;
  }
}

class SaveResultsOnFakeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FileDialogState& dialog = window.fileDialogs["通用对话框1"];
    dialog.fileName = gbk("找到的晶振频率和定时器值");
    dialog.filter = gbk("文本文档|*.txt");
    window.texts["编辑框1"] = gbk("晶振频率:24.0000MHz\r\n");
  }
  FakeWindow window;
};

TEST_F(SaveResultsOnFakeWindow, EmptyAnswerCountsAsCancel) {
  window.dialogAnswer = "";
  saveResults();
  EXPECT_TRUE(window.writes.empty());
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), window.fileDialogs["通用对话框1"].fileName);
}

TEST_F(SaveResultsOnFakeWindow, FailedWriteShowsOneErrorBoxNamingFileAndReason) {
  window.dialogAnswer = gbk("/没有/结果.txt");
  window.writeSucceeds = false;
  saveResults();
  ASSERT_EQ(1u, window.writes.size());
  ASSERT_EQ(1u, window.messages.size());
  EXPECT_TRUE(window.messages[0].error);
  EXPECT_EQ(gbk("无法把结果保存到文件：\r\n/没有/结果.txt\r\n原因：cannot write"),
            window.messages[0].text);
  EXPECT_EQ(gbk("保存结果"), window.messages[0].title);
  // The path is remembered all the same, so the next dialog offers it again.
  EXPECT_EQ(gbk("/没有/结果.txt"), window.fileDialogs["通用对话框1"].fileName);
}

TEST(WriteBytesToFile, EmptyPathFailsBeforeTouchingTheDisk) {
  FakeWindow window;
  std::string reason;
  EXPECT_FALSE(writeBytesToFile("", "bytes", reason));
  EXPECT_EQ(gbk("没有给出文件名"), reason);
  EXPECT_TRUE(window.writes.empty());
}

}  // namespace
}  // namespace quenzar
