// Saving the results box: the window's own handlers and dialog settings,
// real files in a temporary folder, and a dialog that answers from a script
// (one test opens the toolkit's real dialog).

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/control_access.h"
#include "app/main_window_layout.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_desktop.h"
#include "app/qt/window_builder.h"
#include "calc/float_environment.h"
#include "output/save_results.h"
#include "support/fake_desktop.h"
#include "support/gbk.h"

namespace quenzar::testing {
namespace {

// Expected texts through the independent converter of the test support.
std::string gbk(const char* utf8) { return ::quenzar::testing::gbk(std::string_view(utf8)); }
std::string gbk(const QString& text) {
  return ::quenzar::testing::gbk(std::string_view(text.toStdString()));
}

std::string readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(cannot read " + path.toStdString() + ")";
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void writeFileDirectly(const QString& path, std::string_view bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Chinese text arrives through the input method, committed in one piece.
void typeThroughInputMethod(QWidget* widget, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(widget, &commit);
}

class SaveResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    setFloatingPointState();
    desktop.realFiles = &realDesktop;
    window = buildWindow(mainWindowLayout());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QString path(const QString& name) const { return folder.filePath(name); }
  // Clicks a save button with the dialog answering path (GBK), or cancelling.
  void save(std::string_view button, std::optional<QString> answer) {
    desktop.answers.push_back(answer ? std::optional(gbk(*answer)) : std::nullopt);
    QTest::mouseClick(window->widget(button), Qt::LeftButton);
  }
  void runTable(const char* fixedCrystal) {
    setText("固定晶振", gbk(fixedCrystal));
    QTest::mouseClick(window->widget("开始计算1"), Qt::LeftButton);
    desktop.boxes.clear();  // the run's completion box
  }
  QStringList entries() const {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  QTemporaryDir folder;
  QtDesktop realDesktop;  // the disk, and the dialog where a test asks for it
  FakeDesktop desktop;
  std::unique_ptr<MainWindow> window;
};

TEST_F(SaveResultsTest, TableRunSavedByteForByteFromEitherButton) {
  runTable("24");
  save("保存结果1", path("table.txt"));
  save("保存结果", path("search-button.txt"));
  const std::string bytes = readFile(path("table.txt"));
  EXPECT_EQ(14081u, bytes.size());
  EXPECT_TRUE(bytes.starts_with(gbk("晶振频率:24.0000MHz  定时器值:255  输出频率:1000.0000KHz\r\n")));
  EXPECT_TRUE(bytes.ends_with("KHz\r\n"));
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(256u, lines);
  EXPECT_EQ(256, std::count(bytes.begin(), bytes.end(), '\n'));  // no line break but CR LF
  EXPECT_EQ(getText("编辑框1"), bytes);
  EXPECT_EQ(bytes, readFile(path("search-button.txt")));
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(SaveResultsTest, FileHoldsExactlyTheBoxText) {
  struct Row {
    const char* name;
    const char* oldFile;  // nullptr: no file yet
    std::function<void(QPlainTextEdit*)> fillBox;
  } rows[] = {
      {"empty box, new file", nullptr, [](QPlainTextEdit*) {}},
      {"empty box cuts an old file to nothing", "old content\r\n", [](QPlainTextEdit*) {}},
      {"shorter text over a longer file", "a much longer old file\r\nwith two lines\r\n",
       [](QPlainTextEdit*) { setText("编辑框1", gbk("短\r\n")); }},
      {"text typed by the user, with a typed line break", nullptr,
       [](QPlainTextEdit* box) {
         setText("编辑框1", gbk("晶振频率:24.0000MHz\r\n"));
         box->setFocus();
         box->moveCursor(QTextCursor::End);
         typeThroughInputMethod(box, QString::fromUtf8("备注"));
         QTest::keyClicks(box, " ok");
         QTest::keyClick(box, Qt::Key_Return);
         QTest::keyClicks(box, "x");
       }},
  };
  int n = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString target = path(QString("file%1.txt").arg(n++));
    if (row.oldFile != nullptr) writeFileDirectly(target, row.oldFile);
    setText("编辑框1", "");
    row.fillBox(qobject_cast<QPlainTextEdit*>(window->widget("编辑框1")));
    save("保存结果", target);
    EXPECT_EQ(getText("编辑框1"), readFile(target));
    EXPECT_TRUE(desktop.boxes.empty());
  }
  EXPECT_EQ(gbk("晶振频率:24.0000MHz\r\n备注 ok\r\nx"), readFile(path("file3.txt")));
}

TEST_F(SaveResultsTest, DialogShowsTheSettingsAndProposesTheLastPathFromEitherButton) {
  setText("编辑框1", gbk("结果\r\n"));
  // Longer than any fixed 260-byte path buffer: kept and written whole.
  const QString longFolder = path(QString(200, QLatin1Char('d')));
  ASSERT_TRUE(QDir().mkpath(longFolder));
  const QString longPath = longFolder + "/" + QString(100, QLatin1Char('n')) + ".txt";
  ASSERT_GT(gbk(longPath).size(), 300u);

  save("保存结果", longPath);
  ASSERT_EQ(1u, desktop.requests.size());
  const SaveDialogRequest& first = desktop.requests[0];
  EXPECT_EQ(gbk("保存结果"), first.title);
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), first.fileName);
  ASSERT_EQ(1u, first.filters.size());
  EXPECT_EQ(gbk("文本文档"), first.filters[0].first);
  EXPECT_EQ("*.txt", first.filters[0].second);
  EXPECT_EQ(1, first.selectedFilter);
  EXPECT_EQ("d:\\", first.initialFolder);
  EXPECT_EQ(".txt", first.defaultExtension);
  EXPECT_TRUE(first.overwritePrompt);
  EXPECT_EQ(gbk("结果\r\n"), readFile(longPath));

  // The other button, then a cancel: both propose the last chosen path, and
  // the cancel touches nothing.
  save("保存结果1", std::nullopt);
  save("保存结果", std::nullopt);
  ASSERT_EQ(3u, desktop.requests.size());
  EXPECT_EQ(gbk(longPath), desktop.requests[1].fileName);
  EXPECT_EQ(gbk(longPath), desktop.requests[2].fileName);
  EXPECT_EQ(gbk("结果\r\n"), readFile(longPath));
  EXPECT_TRUE(desktop.boxes.empty());

  // The path belongs to this window: a new one proposes the layout's name.
  window.reset();
  window = buildWindow(mainWindowLayout());
  ASSERT_NE(window, nullptr);
  save("保存结果", std::nullopt);
  EXPECT_EQ(gbk("找到的晶振频率和定时器值"), desktop.requests.back().fileName);
}

TEST_F(SaveResultsTest, UnwritableTargetKeepsTheOldFileAndSaysWhy) {
  struct Row {
    const char* name;
    QString target;
    const char* reason;
    std::function<void()> prepare;
  } rows[] = {
      // No write permission for anybody: refused even for the superuser.
      {"read-only file", path("readonly.txt"), "文件是只读的",
       [this] {
         writeFileDirectly(path("readonly.txt"), "old results\r\n");
         QFile::setPermissions(path("readonly.txt"), QFile::ReadOwner | QFile::ReadGroup);
       }},
      {"a folder", path("folder"), "这是一个文件夹，不是文件",
       [this] {
         QDir().mkdir(path("folder"));
         writeFileDirectly(path("folder/inside.txt"), "old results\r\n");
       }},
      {"missing folder", path("missing/results.txt"), "文件夹不存在", [] {}},
  };
  setText("编辑框1", gbk("新的结果\r\n"));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.prepare();
    const QStringList before = entries();
    desktop.boxes.clear();
    save("保存结果", row.target);
    ASSERT_EQ(1u, desktop.boxes.size());
    EXPECT_EQ(gbk("无法把结果保存到文件：\r\n") + gbk(row.target) + gbk("\r\n原因：") + gbk(row.reason),
              desktop.boxes[0].gbkText);
    EXPECT_EQ(gbk("保存结果"), desktop.boxes[0].gbkTitle);
    EXPECT_EQ(BoxIcon::error, desktop.boxes[0].icon);
    EXPECT_EQ(before, entries());  // nothing created, no temporary file left
  }
  EXPECT_EQ("old results\r\n", readFile(path("readonly.txt")));
  EXPECT_EQ("old results\r\n", readFile(path("folder/inside.txt")));
  EXPECT_EQ(gbk("新的结果\r\n"), getText("编辑框1"));
}

TEST_F(SaveResultsTest, FolderWithoutWritePermissionKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  const QString locked = path("locked");
  ASSERT_TRUE(QDir().mkdir(locked));
  writeFileDirectly(locked + "/results.txt", "old results\r\n");
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  setText("编辑框1", gbk("新的结果\r\n"));
  save("保存结果", locked + "/results.txt");
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ("old results\r\n", readFile(locked + "/results.txt"));
  ASSERT_EQ(1u, desktop.boxes.size());
  EXPECT_NE(std::string::npos, desktop.boxes[0].gbkText.find(gbk(locked + "/results.txt")));
}

// Runs check on the topmost modal widget once it is of type W and the active
// window, as it is for a user typing into it, from inside the modal loop that
// shows it; no waiting on the clock. A widget that never
// comes fails the test and the modal widget in its place is closed, so a
// wrong turn cannot leave the test hanging in a loop.
template <typename W>
void whenModal(std::function<void(W*)> check, int triesLeft = 10000) {
  QTimer::singleShot(0, [check, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* widget = qobject_cast<W*>(modal);
    if (widget != nullptr && QApplication::activeWindow() == widget) {
      check(widget);
    } else if (triesLeft > 0) {
      whenModal<W>(check, triesLeft - 1);
    } else {
      ADD_FAILURE() << "no " << W::staticMetaObject.className() << " came up";
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
  });
}

// Presses the dialog's save; a dialog that stays open fails the test and is
// closed rather than left waiting.
void confirm(QFileDialog* dialog) {
  QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
  if (dialog->isVisible()) {
    ADD_FAILURE() << "the dialog did not take " << dialog->selectedFiles().join("|").toStdString();
    dialog->reject();
  }
}

TEST_F(SaveResultsTest, RealDialogAsksBeforeReplacingAnExistingFile) {
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
  desktop.realDialog = &realDesktop;
  const QString target = path(QString::fromUtf8("结果.txt"));
  writeFileDirectly(target, "old results that are longer than the new ones\r\n");
  setText("编辑框1", gbk("晶振频率:24.0000MHz\r\n"));
  QWidget* button = window->widget("保存结果1");

  bool dialogSeen = false, overwriteAsked = false;
  whenModal<QFileDialog>([&](QFileDialog* dialog) {
    dialogSeen = true;
    EXPECT_EQ(window.get(), dialog->parentWidget());
    EXPECT_EQ(Qt::WindowModal, dialog->windowModality());
    EXPECT_EQ(QFileDialog::AcceptSave, dialog->acceptMode());
    EXPECT_EQ(QString::fromUtf8("保存结果"), dialog->windowTitle());
    EXPECT_EQ(QStringList{QString::fromUtf8("文本文档 (*.txt)")}, dialog->nameFilters());
    EXPECT_EQ(QString::fromUtf8("文本文档"), dialog->selectedNameFilter());  // details hidden
    EXPECT_EQ("txt", dialog->defaultSuffix());
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    // "d:\" is no folder here: the dialog opens in the working directory.
    EXPECT_EQ(QDir::current(), dialog->directory());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (name == nullptr) {
      ADD_FAILURE() << "the dialog has no file name box";
      return dialog->reject();
    }
    EXPECT_EQ(QString::fromUtf8("找到的晶振频率和定时器值"), name->text());
    dialog->setDirectory(folder.path());
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    typeThroughInputMethod(name, QString::fromUtf8("结果"));
    whenModal<QMessageBox>([&](QMessageBox* box) {
      overwriteAsked = true;
      box->button(QMessageBox::Yes)->click();
    });
    confirm(dialog);
  });
  QTest::mouseClick(button, Qt::LeftButton);

  EXPECT_TRUE(dialogSeen);
  EXPECT_TRUE(overwriteAsked);
  EXPECT_EQ(gbk("晶振频率:24.0000MHz\r\n"), readFile(target));
  EXPECT_EQ(gbk(target), dialogFileName(*findControl(mainWindowLayout(), "通用对话框1")->fileDialog));
  EXPECT_EQ(button, window->focusWidget());

  // From the other button the dialog opens on the remembered file; a new
  // name typed without extension gets the default one.
  whenModal<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(QDir(folder.path()), dialog->directory());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (name == nullptr) return dialog->reject();
    EXPECT_EQ(QString::fromUtf8("结果.txt"), name->text());
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    typeThroughInputMethod(name, QString::fromUtf8("新结果"));
    confirm(dialog);
  });
  QTest::mouseClick(window->widget("保存结果"), Qt::LeftButton);
  EXPECT_EQ(gbk("晶振频率:24.0000MHz\r\n"), readFile(path(QString::fromUtf8("新结果.txt"))));
  EXPECT_TRUE(desktop.boxes.empty());
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
}

}  // namespace
}  // namespace quenzar::testing
