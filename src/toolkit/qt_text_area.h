#pragma once

#include <QPlainTextEdit>

namespace qv {

// Every text area of the game. Return and keypad Enter start a new line
// whatever modifier is held, so the line a key handler has just read stays
// a line of its own: a plain text area would put Shift+Return's break inside
// the line and drop Ctrl+Return. Pasted text breaks into lines the same way.
class TextArea : public QPlainTextEdit {
 public:
  // Whether Tab is typed into the text or moves to the next control.
  enum class TabKey { Types, MovesFocus };

  explicit TextArea(QWidget* parent, TabKey tab = TabKey::Types);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace qv
