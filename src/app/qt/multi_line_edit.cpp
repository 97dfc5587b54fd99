#include "app/qt/multi_line_edit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
  // The document keeps each line as a block; the raw text separates blocks
  // with U+2029 and keeps soft breaks (Shift+Enter) as U+2028. Both are line
  // breaks of the box, written CR LF.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void MultiLineEdit::writeText(const QString& text) {
  writing_ = true;
  setPlainText(text);  // caret to the start, undo history dropped
  writing_ = false;
  raiseTextChanged();
}

void MultiLineEdit::appendToEnd(const QString& text) {
  writing_ = true;
  // Caret to the end, whatever the user selected, and the end into view.
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  setTextCursor(end);
  ensureCursorVisible();
  // Inserted outside the undo history: the toolkit empties the history when
  // undo is switched off, as a non-undoable replacement does. Only the new
  // text is laid out; nothing already in the box is read again.
  document()->setUndoRedoEnabled(false);
  end.insertText(text);
  document()->setUndoRedoEnabled(true);
  setTextCursor(end);
  ensureCursorVisible();
  writing_ = false;
  raiseTextChanged();
}

}  // namespace quenzar
