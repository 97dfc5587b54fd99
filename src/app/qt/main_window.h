#pragma once
// The top-level window built from a layout: it owns the controls, the event
// dispatcher and the control access that handlers use, and it handles the
// keys no control claims (Tab, Shift+Tab, the arrows among radio buttons,
// Enter and Esc).

#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "app/control_access.h"
#include "app/event_dispatch.h"
#include "app/window_layout.h"

namespace quenzar {

class EditBox;

struct BuiltControl {
  const ControlLayout* layout;
  QWidget* widget;   // nullptr for a control without a window (a file dialog)
  EditBox* editBox;  // set for edit boxes
};

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(const WindowLayout& layout, HandlerCall call);
  ~MainWindow() override;

  const WindowLayout& layout() const { return layout_; }
  EventDispatcher& dispatcher() { return dispatcher_; }

  void addControl(const BuiltControl& control);
  const std::vector<BuiltControl>& controls() const { return controls_; }
  // The control called name, or nullptr.
  const BuiltControl* control(std::string_view name) const;
  QWidget* widget(std::string_view name) const;

  // Makes this window the one handlers act on.
  void attachControlAccess();
  // The first control of the Tab order, which takes the focus when the
  // window first opens; nullptr when nothing can take the focus.
  QWidget* firstFocusControl() const;
  // From here on no event is dispatched, ever.
  void endEventsForGood();

 signals:
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool handleNavigationKey(QWidget* focused, QKeyEvent* key);
  bool moveFocus(QWidget* from, bool forward);
  std::string_view nameOf(const QWidget* widget) const;

  const WindowLayout& layout_;
  EventDispatcher dispatcher_;
  std::vector<BuiltControl> controls_;
  std::vector<const ControlLayout*> tabOrder_;
  std::unique_ptr<Controls> controlAccess_;
};

}  // namespace quenzar
