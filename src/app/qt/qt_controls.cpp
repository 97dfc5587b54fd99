#include "app/qt/qt_controls.h"

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
std::string QtControls::text(std::string_view control) {
  if (control == window_.layout().name) return toGbk(window_.windowTitle());
  EditBox* box = editBoxOf(window_, control);
  return box == nullptr ? std::string() : toGbk(box->currentText());
}

void QtControls::setText(std::string_view control, std::string_view gbk) {
  if (control == window_.layout().name) {
    window_.setWindowTitle(fromGbk(gbk));  // no event
    return;
  }
  if (EditBox* box = editBoxOf(window_, control)) box->writeText(fromGbk(gbk));
}

bool QtControls::isChecked(std::string_view control) {
  auto* button = qobject_cast<QAbstractButton*>(window_.widget(control));
  return button != nullptr && button->isCheckable() && button->isChecked();
}

void QtControls::appendToEnd(std::string_view control, std::string_view gbk) {
  if (EditBox* box = editBoxOf(window_, control)) box->appendToEnd(fromGbk(gbk));
}

}  // namespace quenzar
