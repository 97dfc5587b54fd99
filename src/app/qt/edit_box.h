#pragma once
// What control access needs from an edit box, single- or multi-line.
//
// Text changed: every change the user makes (a typed or deleted character,
// a paste, cut, undo or redo) raises it once, and every write through
// writeText or appendToEnd raises it exactly once after the text is in
// place, also when nothing changed. The toolkit's own notifications of a
// write are swallowed, so one write never raises it twice.

#include <QString>
#include <functional>

namespace quenzar {

class EditBox {
 public:
  virtual ~EditBox() = default;

  // Called for every text changed; the builder points it at the dispatcher.
  void onTextChanged(std::function<void()> raise) { raise_ = std::move(raise); }

  // The text as shown; line breaks of a multi-line box come out as CR LF.
  virtual QString currentText() const = 0;
  // Replaces the whole text; the caret goes to the start and the undo
  // history is dropped.
  virtual void writeText(const QString& text) = 0;
  // Inserts text at the very end, whatever was selected, and scrolls the end
  // into view. Not undoable.
  virtual void appendToEnd(const QString& text) = 0;

 protected:
  void raiseTextChanged() const {
    if (raise_) raise_();
  }

 private:
  std::function<void()> raise_;
};

}  // namespace quenzar
