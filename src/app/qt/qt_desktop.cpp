// The real desktop on the toolkit: message boxes, the save dialog, file
// writing and the clock.

#include "app/qt/qt_desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <cstdio>

#include "app/qt/gbk_text.h"

namespace quenzar {
namespace {

// Why a save failed, in the window's language.
constexpr std::string_view kFolderMissing = "文件夹不存在";
constexpr std::string_view kTargetIsFolder = "这是一个文件夹，不是文件";
constexpr std::string_view kReadOnlyFile = "文件是只读的";
constexpr std::string_view kFolderNotWritable = "没有在这个文件夹里写入的权限";
constexpr std::string_view kNotCreated = "无法创建文件";
constexpr std::string_view kWriteFailed = "写入文件时出错，原来的文件没有改变";

// The main window, which owns the dialog: the active top-level window.
QWidget* dialogOwner() { return QApplication::activeWindow(); }

// The folder the dialog opens in when the proposed name carries none. A
// folder that does not exist here (a drive letter on a system without
// drives) gives way to the working directory, the program's own folder, so
// the dialog never starts in whatever folder an earlier dialog left behind.
QString startFolder(std::string_view gbkFolder) {
  const QString folder = fromGbk(gbkFolder);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QDir::currentPath();
}

// "description (pattern pattern)": the dialog matches the parenthesised
// patterns, separated by spaces where the setting separates them by ";".
QStringList nameFilters(const SaveDialogRequest& request) {
  QStringList filters;
  for (const auto& [description, pattern] : request.filters) {
    QString patterns = fromGbk(pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << fromGbk(description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

QString withDetail(std::string_view reason, const QString& detail) {
  QString text = fromUtf8(reason);
  if (!detail.isEmpty()) text += QStringLiteral("（") + detail + QStringLiteral("）");
  return text;
}

// A file that nobody may write to. Checked by its permission bits as well
// as by access for this user, because the superuser's access passes any
// file and replacing one goes through a rename that its bits would not stop.
bool isReadOnly(const QFileInfo& target) {
  constexpr QFileDevice::Permissions kAnyWrite =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !target.isWritable() || (target.permissions() & kAnyWrite) == 0;
}

// Why the path cannot take the file at all, or an empty text.
QString refusal(const QFileInfo& target) {
  if (target.isDir()) return fromUtf8(kTargetIsFolder);
  if (!target.absoluteDir().exists()) return fromUtf8(kFolderMissing);
  if (target.exists() && isReadOnly(target)) return fromUtf8(kReadOnlyFile);
  return {};
}

}  // namespace

std::optional<std::string> QtDesktop::showSaveDialog(const SaveDialogRequest& request) {
  QFileDialog dialog(dialogOwner());
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!request.title.empty()) dialog.setWindowTitle(fromGbk(request.title));
  dialog.setDirectory(startFolder(request.initialFolder));
  const QStringList filters = nameFilters(request);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);  // descriptions only, as given
    if (request.selectedFilter >= 1 && request.selectedFilter <= filters.size()) {
      dialog.selectNameFilter(filters[request.selectedFilter - 1]);
    }
  }
  if (!request.defaultExtension.empty()) {
    QString suffix = fromGbk(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  // A full path (the last one chosen) also chooses the folder.
  if (!request.fileName.empty()) dialog.selectFile(fromGbk(request.fileName));

  // The dialog takes the focus; give it back to the control that had it
  // (the save button, usually), unless that control is gone meanwhile.
  const QPointer<QWidget> focused = QApplication::focusWidget();
  const int answer = dialog.exec();
  if (focused) focused->setFocus(Qt::OtherFocusReason);
  if (answer != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return toGbk(chosen.first());
}

// Through a temporary file in the target's folder that replaces the target
// only once every byte is on disk, so a failure at any point leaves the old
// file as it was.
bool QtDesktop::writeFile(std::string_view gbkPath, std::string_view bytes,
                          std::string& gbkReason) {
  const QString path = fromGbk(gbkPath);
  if (const QString reason = refusal(QFileInfo(path)); !reason.isEmpty()) {
    gbkReason = toGbk(reason);
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    gbkReason = toGbk(folder.isWritable() ? withDetail(kNotCreated, file.errorString())
                                          : fromUtf8(kFolderNotWritable));
    return false;
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    const QString detail = file.errorString();
    file.cancelWriting();
    gbkReason = toGbk(withDetail(kWriteFailed, detail));
    return false;
  }
  if (!file.commit()) {
    gbkReason = toGbk(withDetail(kWriteFailed, file.errorString()));
    return false;
  }
  return true;
}



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
