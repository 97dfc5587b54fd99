// The save dialog's settings turned into what the dialog is asked to show,
// and the save's own decisions on a fake window.

#include <gtest/gtest.h>

#include <climits>

#include "app/main_window_layout.h"

#include "output/save_dialog_request.h"
#include "output/save_results.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"

namespace quenzar {
namespace {

using testing::FakeControls;
using testing::FakeDesktop;
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
  const std::string title = gbk("保存结果"), proposed = gbk("找到的晶振频率和定时器值"),
                    filter = gbk("文本文档|*.txt");
  FileDialogSettings settings{.title = title,
                              .fileName = proposed,
                              .filter = filter,
                              .initialFolder = "d:\\",
                              .defaultExtension = ".txt",
                              .fileMustExist = true,
                              .overwritePrompt = true,
                              .pathMustExist = true};
  const SaveDialogRequest request = saveDialogRequest(settings, settings.fileName);
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
    EXPECT_EQ(row.selected, saveDialogRequest(settings, "").selectedFilter) << row.name;
  }
}

// The settings of 通用对话框1, as the save handler finds them in the layout.
const FileDialogSettings& resultsDialog() {
  return *findControl(mainWindowLayout(), "通用对话框1")->fileDialog;
}

class SaveResultsOnFakes : public ::testing::Test {
 protected:
  void SetUp() override { window.texts["编辑框1"] = gbk("晶振频率:24.0000MHz\r\n"); }
  FakeControls window;
  FakeDesktop desktop;
};

TEST_F(SaveResultsOnFakes, EmptyAnswerCountsAsCancel) {
  desktop.answers.push_back("");
  saveResults();
  EXPECT_TRUE(desktop.writes.empty());
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), dialogFileName(resultsDialog()));
}

TEST_F(SaveResultsOnFakes, FailedWriteShowsOneErrorBoxNamingFileAndReason) {
  desktop.answers.push_back(gbk("/没有/结果.txt"));
  desktop.writeSucceeds = false;
  saveResults();
  ASSERT_EQ(1u, desktop.writes.size());
  EXPECT_EQ(gbk("晶振频率:24.0000MHz\r\n"), desktop.writes[0].bytes);
  ASSERT_EQ(1u, desktop.boxes.size());
  EXPECT_EQ(BoxIcon::error, desktop.boxes[0].icon);
  EXPECT_EQ(gbk("无法把结果保存到文件：\r\n/没有/结果.txt\r\n原因：cannot write"),
            desktop.boxes[0].gbkText);
  EXPECT_EQ(gbk("保存结果"), desktop.boxes[0].gbkTitle);
  // The path is remembered all the same, so the next dialog offers it again.
  EXPECT_EQ(gbk("/没有/结果.txt"), dialogFileName(resultsDialog()));
  saveResults();
  ASSERT_EQ(2u, desktop.requests.size());
  EXPECT_EQ(gbk("/没有/结果.txt"), desktop.requests[1].fileName);
}

TEST_F(SaveResultsOnFakes, ANewWindowProposesTheLayoutsNameAgain) {
  desktop.answers.push_back(gbk("/tmp/结果.txt"));
  saveResults();
  ASSERT_EQ(gbk("/tmp/结果.txt"), dialogFileName(resultsDialog()));
  FakeControls next;
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), dialogFileName(resultsDialog()));
}

TEST(WriteBytesToFile, EmptyPathFailsBeforeTouchingTheDisk) {
  FakeDesktop desktop;
  std::string reason;
  EXPECT_FALSE(writeBytesToFile("", "bytes", reason));
  EXPECT_EQ(gbk("没有给出文件名"), reason);
  EXPECT_TRUE(desktop.writes.empty());
}

}  // namespace
}  // namespace quenzar
