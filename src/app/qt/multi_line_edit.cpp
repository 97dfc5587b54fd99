#include "app/qt/multi_line_edit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

#include "app/qt/look.h"

namespace quenzar {

MultiLineEdit::MultiLineEdit(const EditBoxSettings& settings, QWidget* parent)
    : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(settings.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
  setMaximumBlockCount(0);  // no limit on the amount of text
  // Tab and Shift+Tab move the focus; the window handles them.
  setTabChangesFocus(true);
  QPalette colours = palette();
  const QColor text(settings.textColour.red, settings.textColour.green, settings.textColour.blue);
  const QColor back(settings.backColour.red, settings.backColour.green, settings.backColour.blue);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Text, text);
    colours.setColor(group, QPalette::Base, back);
  }
  colours.setColor(QPalette::Inactive, QPalette::Highlight, back);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
  setPalette(colours);
  setFont(fontFor(settings.font));
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!writing_) raiseTextChanged();
  });
}

QString MultiLineEdit::currentText() const {
  // Reading shows everything appended so far.
  const_cast<MultiLineEdit*>(this)->insertPending();
  // The document keeps each line as a block; the raw text separates blocks
  // with U+2029 and keeps soft breaks (Shift+Enter) as U+2028. Both are line
  // breaks of the box, written CR LF.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void MultiLineEdit::writeText(const QString& text) {
  pending_.clear();  // the new text replaces all of it
  writing_ = true;
  setPlainText(text);  // caret to the start, undo history dropped
  writing_ = false;
  raiseTextChanged();
}

// A run appends its lines one call each while it holds the thread, so
// nothing is drawn and nobody types until it returns. The lines wait in
// pending_ and go into the document in one insertion as soon as the box is
// looked at again: read through control access, written, drawn, or reached
// by any event; a queued call does it when the event loop next runs. Laying
// out the text once instead of after every line keeps a run of thousands of
// lines close to the cost of one insertion.
void MultiLineEdit::appendToEnd(const QString& text) {
  if (pending_.isEmpty()) {
    QMetaObject::invokeMethod(this, &MultiLineEdit::insertPending, Qt::QueuedConnection);
  }
  pending_ += text;
  raiseTextChanged();
}

void MultiLineEdit::insertPending() {
  if (pending_.isEmpty()) return;
  const QString text = std::exchange(pending_, QString());
  writing_ = true;
  // Caret to the end, whatever the user selected.
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  // Inserted outside the undo history: the toolkit empties the history when
  // undo is switched off, as a non-undoable replacement does. Only the new
  // text is laid out; nothing already in the box is read again.
  document()->setUndoRedoEnabled(false);
  end.insertText(text);
  document()->setUndoRedoEnabled(true);
  // The end, where the caret now is, scrolled into view.
  setTextCursor(end);
  ensureCursorVisible();
  writing_ = false;
}

bool MultiLineEdit::event(QEvent* event) {
  insertPending();
  return QPlainTextEdit::event(event);
}

bool MultiLineEdit::viewportEvent(QEvent* event) {
  insertPending();
  return QPlainTextEdit::viewportEvent(event);
}

}  // namespace quenzar
