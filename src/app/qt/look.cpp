#include "app/qt/look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "app/qt/gbk_text.h"

namespace quenzar {

QSize clientSizeFor(int outerWidth, int outerHeight) {
  return {outerWidth - 2 * kFixedFrame, outerHeight - 2 * kFixedFrame - kCaptionHeight};
}

void applyDesktopLook(QApplication& app) {
  // The classic style draws the raised buttons and sunken 2-pixel edges the
  // layout was designed with; Fusion is the fallback.
  if (QStyle* classic = QStyleFactory::create("Windows")) app.setStyle(classic);
  QPalette palette = app.style()->standardPalette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  app.setPalette(palette);
  app.setFont(guiFont());
}

QFont guiFont() {
  QFont font;
  font.setFamilies({"宋体", "SimSun", "Noto Sans CJK SC", font.family()});
  font.setPixelSize(12);
  return font;
}

QFont fontFor(const FontChoice& choice) {
  if (choice.face.empty()) return guiFont();
  QFont font;
  font.setFamilies({fromUtf8(choice.face), "SimSun", "NSimSun", "Noto Serif CJK SC",
                    "AR PL UMing CN"});
  font.setPixelSize(choice.pixelHeight);
  font.setWeight(choice.bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace quenzar
