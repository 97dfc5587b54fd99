// The life of the process: start-up, the fatal errors, shut-down.

#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "app/qt/application.h"
#include "app/qt/qt_desktop.h"
#include "window_fixture.h"

namespace quenzar::testing {
namespace {

std::string fatalText(const char* message) {
  return gbk(std::string("运行时出错!\r\n\r\n错误信息：") + message + "\r\n");
}

bool anyWindowVisible() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) return true;
  }
  return false;
}

// The created handler notes whether the window was already on screen.
int createdRuns = 0;
bool createdWhileVisible = false;
std::string upperAtCreation;

void noteCreated(const EventBinding& binding) {
  if (binding.handlerName != "onWindowCreated") return recordHandler(binding);
  ++createdRuns;
  upperAtCreation = getText("上限");
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QString::fromUtf8("主窗口") && widget->isVisible()) {
      createdWhileVisible = true;
    }
  }
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createdRuns = 0;
    createdWhileVisible = false;
    upperAtCreation.clear();
    setup.layout = &mainWindowLayout();
    setup.call = noteCreated;
    setup.desktop = &desktop;
  }

  FakeDesktop desktop;
  ShellSetup setup;
};

TEST_F(StartupTest, CreatedRunsOnceBeforeShowingAndEscEndsWithZero) {
  setup.onShown = [](MainWindow& window) {
    QTimer::singleShot(0, &window, [&window] {
      QTest::keyClick(window.widget("编辑框1"), Qt::Key_Escape);
    });
  };
  EXPECT_EQ(runShell(setup), 0);
  EXPECT_EQ(createdRuns, 1);
  EXPECT_FALSE(createdWhileVisible);
  EXPECT_EQ(upperAtCreation, "40.1");  // every control exists with its text
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_FALSE(anyWindowVisible());
}

TEST_F(StartupTest, BrokenLayoutIsFatalWithMinusOne) {
  const ControlLayout twins[] = {
      {.kind = ControlKind::button, .name = "开始计算"},
      {.kind = ControlKind::button, .name = "开始计算"},
  };
  WindowLayout broken = mainWindowLayout();
  broken.controls = twins;
  setup.layout = &broken;
  EXPECT_EQ(runShell(setup), -1);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].gbkText, fatalText("载入窗口模板数据段出错!"));
  EXPECT_EQ(desktop.boxes[0].gbkTitle, gbk("错误"));
  EXPECT_EQ(desktop.boxes[0].icon, BoxIcon::error);
  EXPECT_EQ(createdRuns, 0);
}

TEST_F(StartupTest, ControlThatCannotBeCreatedIsFatalAndLeavesNoWindow) {
  const ControlLayout controls[] = {
      {.kind = ControlKind::editBox, .name = "编辑框1"},
      {.kind = static_cast<ControlKind>(42), .name = "unknown"},
  };
  WindowLayout unbuildable = mainWindowLayout();
  unbuildable.controls = controls;
  setup.layout = &unbuildable;
  EXPECT_EQ(runShell(setup), -1);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].gbkText, fatalText("载入启动窗口失败"));
  EXPECT_EQ(createdRuns, 0);
  EXPECT_FALSE(anyWindowVisible());
}

TEST(RealDesktop, FatalBoxIsACriticalBoxWithTitleAndTextClosedByOk) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool ownerless = false;
  // Posted before the box opens, run by the box's own loop once it is up.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    ownerless = box->parentWidget() == nullptr;
    box->button(QMessageBox::Ok)->click();
  });
  QtDesktop().showMessageBox(fatalText("载入启动窗口失败"), gbk("错误"), BoxIcon::error);
  EXPECT_EQ(title, QString::fromUtf8("错误"));
  EXPECT_EQ(text, QString::fromUtf8("运行时出错!\n\n错误信息：载入启动窗口失败"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(ownerless);
}

struct NoDisplay {
  const char* what;
  std::vector<const char*> environment;
};
void PrintTo(const NoDisplay& row, std::ostream* out) { *out << row.what; }

class NoDisplayTest : public ::testing::TestWithParam<NoDisplay> {};

TEST_P(NoDisplayTest, ProgramReportsOnStandardErrorAndExitsWithMinusOne) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    environment.remove(name);
  }
  for (const char* assignment : GetParam().environment) {
    const QStringList parts = QString::fromUtf8(assignment).split('=');
    environment.insert(parts[0], parts[1]);
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(QUENZAR_EXECUTABLE), {});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);  // no abort
  EXPECT_EQ(program.exitCode(), 255);
  EXPECT_TRUE(program.readAllStandardError().contains(
      QString::fromUtf8("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n").toUtf8()));
}

INSTANTIATE_TEST_SUITE_P(
    Startup, NoDisplayTest,
    ::testing::Values(NoDisplay{"nothing_configured", {}},
                      NoDisplay{"unreachable_x_display", {"DISPLAY=:987"}}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace quenzar::testing
