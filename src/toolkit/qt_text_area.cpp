#include "toolkit/qt_text_area.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

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
  // whether the player stays at the end.
  QScrollBar* bar = verticalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this,
          [this, bar](int value) { followsEnd_ = value >= bar->maximum(); });
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
