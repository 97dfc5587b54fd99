// One toolkit instance for all window tests, on the offscreen platform unless
// the environment names another.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/qt/look.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  quenzar::applyDesktopLook(app);
  // Closing a test's window must not end the toolkit's loops for later tests.
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
