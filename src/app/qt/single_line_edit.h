#pragma once
// A one-line edit box as a layout describes it: alignment, colours, font, a
// filter on typed characters, and the height rule.

#include <QLineEdit>

#include "app/qt/edit_box.h"
#include "app/window_layout.h"

namespace quenzar {

class SingleLineEdit : public QLineEdit, public EditBox {
 public:
  SingleLineEdit(const EditBoxSettings& settings, QWidget* parent);

  QString currentText() const override;
  void writeText(const QString& text) override;
  void appendToEnd(const QString& text) override;

  // Whether typing may enter c: control characters always, others when the
  // layout lists them (or lists nothing).
  bool acceptsTyped(QChar c) const;

  // A box lower than one line of its font plus the two edges is made that
  // high; its top-left corner and width stay. Run when the box is placed and
  // whenever its font changes.
  void applyHeightRule();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString filtered(const QString& typed) const;

  QString typedCharacters_;
  bool writing_ = false;
};

}  // namespace quenzar
