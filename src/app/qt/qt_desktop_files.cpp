// The save dialog and file writing of the real desktop.
//
// MINIMAL for now: a plain save dialog and an all-or-nothing write. Saving
// results builds its dialog settings and file rules on top of these two.

#include <QApplication>
#include <QFileDialog>
#include <QSaveFile>

#include "app/qt/gbk_text.h"
#include "app/qt/qt_desktop.h"

namespace quenzar {
namespace {

// The main window, which owns the dialog: the active top-level window.
QWidget* dialogOwner() { return QApplication::activeWindow(); }

}  // namespace

std::optional<std::string> QtDesktop::showSaveDialog(const SaveDialogRequest& request) {
  QStringList filters;
  for (const auto& [description, pattern] : request.filters) {
    filters << fromGbk(description) + " (" + fromGbk(pattern) + ")";
  }
  const QString chosen =
      QFileDialog::getSaveFileName(dialogOwner(), fromGbk(request.title), fromGbk(request.fileName),
                                   filters.join(QStringLiteral(";;")));
  if (chosen.isEmpty()) return std::nullopt;
  return toGbk(chosen);
}

bool QtDesktop::writeFile(std::string_view gbkPath, std::string_view bytes,
                          std::string& gbkReason) {
  QSaveFile file(fromGbk(gbkPath));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    gbkReason = toGbk(file.errorString());
    return false;
  }
  return true;
}

}  // namespace quenzar
