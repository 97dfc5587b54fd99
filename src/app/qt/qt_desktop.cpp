#include "app/qt/qt_desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <cstdio>

#include "app/qt/gbk_text.h"

namespace quenzar {

void QtDesktop::showMessageBox(std::string_view gbkText, std::string_view gbkTitle,
                               BoxIcon icon) {
  QString text = fromGbk(gbkText);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    const QByteArray local = text.toLocal8Bit();
    std::fwrite(local.constData(), 1, static_cast<std::size_t>(local.size()), stderr);
    std::fflush(stderr);
    return;
  }
  // Lines end in CR LF; the box breaks lines at LF, and the break that ends
  // the last line would only add an empty one.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  QMessageBox box(icon == BoxIcon::error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  fromGbk(gbkTitle), text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

LocalTime QtDesktop::localTime() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace quenzar
