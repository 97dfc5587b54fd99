#include "app/qt/qt_window_port.h"

#include <QAbstractButton>
#include <QPointer>

#include "app/qt/edit_box.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"

namespace quenzar {
namespace {

EditBox* editBoxOf(MainWindow& window, std::string_view name) {
  const BuiltControl* control = window.control(name);
  return control == nullptr ? nullptr : control->editBox;
}

FileDialogState gbkSettings(const FileDialogSettings& settings) {
  auto gbk = [](std::string_view utf8) { return toGbk(fromUtf8(utf8)); };
  return {.kind = settings.kind,
          .title = gbk(settings.title),
          .fileName = gbk(settings.fileName),
          .filter = gbk(settings.filter),
          .initialFilter = settings.initialFilter,
          .initialFolder = gbk(settings.initialFolder),
          .defaultExtension = gbk(settings.defaultExtension),
          .createPrompt = settings.createPrompt,
          .fileMustExist = settings.fileMustExist,
          .overwritePrompt = settings.overwritePrompt,
          .pathMustExist = settings.pathMustExist,
          .keepCurrentFolder = settings.keepCurrentFolder};
}

}  // namespace

// A name that is no edit box reads as the empty text and takes no writes:
// handlers only ever name the controls of their own window.
std::string QtWindowPort::text(std::string_view control) {
  if (control == window_.layout().name) return toGbk(window_.windowTitle());
  EditBox* box = editBoxOf(window_, control);
  return box == nullptr ? std::string() : toGbk(box->currentText());
}

void QtWindowPort::setText(std::string_view control, std::string_view gbk) {
  if (control == window_.layout().name) {
    window_.setWindowTitle(fromGbk(gbk));  // the caption changes at once; no event
    return;
  }
  if (EditBox* box = editBoxOf(window_, control)) box->writeText(fromGbk(gbk));
}

bool QtWindowPort::isChecked(std::string_view control) {
  auto* button = qobject_cast<QAbstractButton*>(window_.widget(control));
  return button != nullptr && button->isCheckable() && button->isChecked();
}

FileDialogState* QtWindowPort::fileDialog(std::string_view control) {
  if (auto found = fileDialogs_.find(control); found != fileDialogs_.end()) return &found->second;
  const BuiltControl* holder = window_.control(control);
  if (holder == nullptr || holder->layout->fileDialog == nullptr) return nullptr;
  return &fileDialogs_.emplace(std::string(control), gbkSettings(*holder->layout->fileDialog))
              .first->second;
}

void QtWindowPort::appendToEnd(std::string_view control, std::string_view gbk) {
  if (EditBox* box = editBoxOf(window_, control)) box->appendToEnd(fromGbk(gbk));
}

void QtWindowPort::showMessageBox(std::string_view gbkText, std::string_view gbkTitle) {
  window_.desktop().showMessageBox(gbkText, gbkTitle, BoxIcon::none);
}

void QtWindowPort::showErrorBox(std::string_view gbkText, std::string_view gbkTitle) {
  window_.desktop().showMessageBox(gbkText, gbkTitle, BoxIcon::error);
}

std::optional<std::string> QtWindowPort::showSaveDialog(const SaveDialogRequest& request) {
  // The dialog takes the focus; give it back to the control that had it
  // (the save button, usually), unless that control is gone meanwhile.
  const QPointer<QWidget> focused = window_.focusWidget();
  std::optional<std::string> chosen = window_.desktop().showSaveDialog(request);
  if (focused) focused->setFocus(Qt::OtherFocusReason);
  return chosen;
}

bool QtWindowPort::writeFile(std::string_view gbkPath, std::string_view bytes,
                             std::string& gbkReason) {
  return window_.desktop().writeFile(gbkPath, bytes, gbkReason);
}

LocalTime QtWindowPort::localTime() { return window_.desktop().localTime(); }

}  // namespace quenzar
