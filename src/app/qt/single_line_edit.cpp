#include "app/qt/single_line_edit.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <limits>

#include "app/qt/gbk_text.h"
#include "app/qt/look.h"

namespace quenzar {
namespace {

QColor toColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

SingleLineEdit::SingleLineEdit(const EditBoxSettings& settings, QWidget* parent)
    : QLineEdit(parent), typedCharacters_(fromUtf8(settings.typedCharacters)) {
  setFrame(true);
  setAlignment(settings.align == TextAlign::centre ? Qt::AlignCenter
                                                   : Qt::AlignLeft | Qt::AlignVCenter);
  // No limit of its own: the toolkit's default of 32767 would cut long writes.
  setMaxLength(std::numeric_limits<int>::max());
  QPalette colours = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Text, toColor(settings.textColour));
    colours.setColor(group, QPalette::Base, toColor(settings.backColour));
  }
  // The selection is not shown while another control has the focus.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, toColor(settings.backColour));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, toColor(settings.textColour));
  setPalette(colours);
  setFont(fontFor(settings.font));
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!writing_) raiseTextChanged();
  });
}

QString SingleLineEdit::currentText() const { return text(); }

void SingleLineEdit::writeText(const QString& newText) {
  writing_ = true;
  setText(newText);
  setCursorPosition(0);
  writing_ = false;
  raiseTextChanged();
}

void SingleLineEdit::appendToEnd(const QString& more) {
  writing_ = true;
  const QString whole = text() + more;
  setText(whole);  // setText drops the undo history: not undoable
  setCursorPosition(static_cast<int>(whole.size()));
  writing_ = false;
  raiseTextChanged();
}

bool SingleLineEdit::acceptsTyped(QChar c) const {
  return c.unicode() < 0x20 || typedCharacters_.isEmpty() || typedCharacters_.contains(c);
}

QString SingleLineEdit::filtered(const QString& typed) const {
  QString kept;
  for (QChar c : typed) {
    if (acceptsTyped(c)) kept += c;
  }
  return kept;
}

void SingleLineEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  // With Ctrl held a key is an editing command (copy, paste, undo...), never
  // typing, whatever letter it carries.
  const bool command = event->modifiers() & Qt::ControlModifier;
  if (command || typed.isEmpty() || filtered(typed) == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // A key that types something else is dropped without a sound. A key that
  // types several characters (a compose sequence) keeps the allowed ones,
  // each as a key of its own.
  for (QChar c : filtered(typed)) {
    QKeyEvent one(event->type(), Qt::Key_unknown, Qt::NoModifier, QString(c));
    QLineEdit::keyPressEvent(&one);
  }
  event->accept();
}

void SingleLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = filtered(event->commitString());
  if (commit == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent kept(event->preeditString(), event->attributes());
  kept.setCommitString(commit, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&kept);
  event->accept();
}

void SingleLineEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) applyHeightRule();
}

void SingleLineEdit::applyHeightRule() {
  // One line of the font is the height of the character 吴 in it. A Song
  // face's cell is exactly its em square, which is what the layout's heights
  // were designed for; substitute faces add generous leading to their line
  // box, so the glyph itself is measured rather than the line box.
  const int line = QFontMetrics(font()).tightBoundingRect(QStringLiteral("吴")).height();
  const int needed = line + 2 * kEdgeHeight;
  if (height() < needed) resize(width(), needed);
}

}  // namespace quenzar
