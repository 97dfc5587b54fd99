#pragma once
// A multi-line edit box: wrapped lines, a vertical scroll bar, editable, no
// length limit. Line breaks are CR LF on the way in and out.

#include <QPlainTextEdit>

#include "app/qt/edit_box.h"
#include "app/window_layout.h"

namespace quenzar {

class MultiLineEdit : public QPlainTextEdit, public EditBox {
 public:
  MultiLineEdit(const EditBoxSettings& settings, QWidget* parent);

  QString currentText() const override;
  void writeText(const QString& text) override;
  void appendToEnd(const QString& text) override;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // Puts the appended text that is still waiting into the document.
  void insertPending();

  bool writing_ = false;
  QString pending_;
};

}  // namespace quenzar
