// Draws the main window as the program builds it into a PNG file, for the
// documentation. Usage: quenzar_snapshot OUTPUT.png
//
// The picture is the window's client area; the caption and frame are the
// window manager's and differ from desktop to desktop.

#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/main_window_layout.h"
#include "app/qt/look.h"
#include "app/qt/window_builder.h"

namespace {

// No handler runs: the picture shows the window as it opens.
void callNothing(const quenzar::EventBinding&) {}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  quenzar::applyDesktopLook(app);
  auto window = quenzar::buildWindow(quenzar::mainWindowLayout(), callNothing);
  if (!window) return 1;
  QApplication::processEvents();
  if (!window->grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
