#include "app/qt/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/keyboard_order.h"
#include "app/qt/qt_controls.h"

namespace quenzar {

MainWindow::MainWindow(const WindowLayout& layout, HandlerCall call)
    : layout_(layout), dispatcher_(call), tabOrder_(tabOrderList(layout)) {}

MainWindow::~MainWindow() {
  // Tearing the widgets down must not reach a handler.
  endEventsForGood();
  if (controlAccess_) attachControls(nullptr);
}

void MainWindow::addControl(const BuiltControl& control) {
  controls_.push_back(control);
  if (control.widget != nullptr) control.widget->installEventFilter(this);
}

const BuiltControl* MainWindow::control(std::string_view name) const {
  for (const BuiltControl& control : controls_) {
    if (control.layout->name == name) return &control;
  }
  return nullptr;
}

QWidget* MainWindow::widget(std::string_view name) const {
  const BuiltControl* found = control(name);
  return found == nullptr ? nullptr : found->widget;
}

void MainWindow::attachControlAccess() {
  controlAccess_ = std::make_unique<QtControls>(*this);
  attachControls(controlAccess_.get());
}

QWidget* MainWindow::firstFocusControl() const {
  return tabOrder_.empty() ? nullptr : widget(tabOrder_.front()->name);
}

void MainWindow::endEventsForGood() {
  if (dispatcher_.eventsSuspended() == 0) dispatcher_.suspendEvents();
}

std::string_view MainWindow::nameOf(const QWidget* target) const {
  if (target == nullptr) return {};
  for (const BuiltControl& control : controls_) {
    if (control.widget == target) return control.layout->name;
  }
  return {};
}

bool MainWindow::moveFocus(QWidget* from, bool forward) {
  const ControlLayout* next = nextInTabOrder(tabOrder_, nameOf(from), forward);
  if (next == nullptr) return false;
  widget(next->name)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool MainWindow::handleNavigationKey(QWidget* focused, QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (mods & (Qt::ControlModifier | Qt::AltModifier)) return false;
      return moveFocus(focused, key->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
    case Qt::Key_Escape:
      if (!layout_.escCloses) return false;
      close();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // Only a multi-line box claims Enter; with no default button, Enter
      // does nothing anywhere else.
      const bool claims = qobject_cast<QPlainTextEdit*>(focused) != nullptr &&
                          !static_cast<QPlainTextEdit*>(focused)->isReadOnly();
      return !claims;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (qobject_cast<QRadioButton*>(focused) == nullptr) return false;
      const bool forward = key->key() == Qt::Key_Right || key->key() == Qt::Key_Down;
      const ControlLayout* next = nextRadioButton(tabOrder_, nameOf(focused), forward);
      if (next == nullptr) return false;
      auto* radio = static_cast<QRadioButton*>(widget(next->name));
      radio->setFocus(Qt::OtherFocusReason);
      if (!radio->isChecked()) radio->click();  // checks it, unchecks its siblings
      return true;
    }
    default:
      return false;
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    if (handleNavigationKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event))) {
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::focusNextPrevChild(bool next) { return moveFocus(focusWidget(), next); }

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!handleNavigationKey(focusWidget(), event)) QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // No handler is bound to closing, so nothing can refuse it.
  event->accept();
  emit closed();
}

}  // namespace quenzar
