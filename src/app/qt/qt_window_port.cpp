#include "app/qt/qt_window_port.h"

#include <QAbstractButton>

#include "app/qt/edit_box.h"
#include "app/qt/gbk_text.h"
#include "app/qt/main_window.h"

namespace quenzar {
namespace {

EditBox* editBoxOf(MainWindow& window, std::string_view name) {
  const BuiltControl* control = window.control(name);
  return control == nullptr ? nullptr : control->editBox;
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

void QtWindowPort::appendToEnd(std::string_view control, std::string_view gbk) {
  if (EditBox* box = editBoxOf(window_, control)) box->appendToEnd(fromGbk(gbk));
}

void QtWindowPort::showMessageBox(std::string_view gbkText, std::string_view gbkTitle) {
  window_.desktop().showMessageBox(gbkText, gbkTitle, BoxIcon::none);
}

std::optional<std::string> QtWindowPort::showSaveDialog(const SaveDialogRequest& request) {
  return window_.desktop().showSaveDialog(request);
}

bool QtWindowPort::writeFile(std::string_view gbkPath, std::string_view bytes,
                             std::string& gbkReason) {
  return window_.desktop().writeFile(gbkPath, bytes, gbkReason);
}

LocalTime QtWindowPort::localTime() { return window_.desktop().localTime(); }

}  // namespace quenzar
