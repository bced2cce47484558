#include "toolkit/qt_text_area.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>

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
  // Lines added at the end raise the maximum without moving the view, so
  // only a move of the view itself (the player's, or showing the end) tells
  // whether the player stays at the end. The scroll bar reports the moves of
  // its own, the wheel's and showing the end; the moves that follow the
  // caret (keys, a click or a drag in the text) it makes silently, so those
  // are noted after the key or mouse event that made them.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { noteWhereThePlayerLeftTheView(); });
}

// The caret brings the last line to the bottom edge of the view, which may
// stop short of the scroll bar's end: the end is in view all the same.
void TextArea::noteWhereThePlayerLeftTheView() {
  const QScrollBar* bar = verticalScrollBar();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  followsEnd_ =
      bar->value() >= bar->maximum() || cursorRect(end).bottom() <= viewport()->rect().bottom();
}

void showEndUnlessScrolledBack(QPlainTextEdit& area) {
  const auto* ours = dynamic_cast<const TextArea*>(&area);
  if (ours && !ours->followsEnd()) return;
  QScrollBar* bar = area.verticalScrollBar();
  bar->setValue(bar->maximum());
}

void TextArea::keyPressEvent(QKeyEvent* event) {
  if (!isReturn(*event) || !(event->modifiers() & kHeldKeys)) {
    QPlainTextEdit::keyPressEvent(event);
  } else {
    QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~kHeldKeys,
                    QStringLiteral("\r"), event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
  }
  noteWhereThePlayerLeftTheView();
}

bool TextArea::viewportEvent(QEvent* event) {
  const bool handled = QPlainTextEdit::viewportEvent(event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
      noteWhereThePlayerLeftTheView();
      break;
    default:
      break;
  }
  return handled;
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
