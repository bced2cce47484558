#include "toolkit/qt_text_area.h"

#include <QKeyEvent>
#include <QMimeData>

namespace qv {
namespace {

constexpr Qt::KeyboardModifiers kHeldKeys =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isReturn(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

TextArea::TextArea(QWidget* parent, TabKey tab) : QPlainTextEdit(parent) {
  setTabChangesFocus(tab == TabKey::MovesFocus);
}

void TextArea::keyPressEvent(QKeyEvent* event) {
  if (!isReturn(*event) || !(event->modifiers() & kHeldKeys)) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~kHeldKeys,
                  QStringLiteral("\r"), event->isAutoRepeat(), event->count());
  QPlainTextEdit::keyPressEvent(&plain);
  event->setAccepted(plain.isAccepted());
}

void TextArea::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  // Every kind of break in pasted text is a line break; only a break loaded
  // as a byte of a world text is drawn inside its line.
  QString text = source->text();
  text.replace(QChar::LineSeparator, u'\n');
  QMimeData lines;
  lines.setText(text);
  QPlainTextEdit::insertFromMimeData(&lines);
}

}  // namespace qv
