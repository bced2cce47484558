#pragma once

#include <QPlainTextEdit>

namespace qv {

// Every text area of the game. Return and keypad Enter start a new line
// whatever modifier is held, so the line a key handler has just read stays
// a line of its own: a plain text area would put Shift+Return's break inside
// the line and drop Ctrl+Return. Pasted text breaks into lines the same way.
//
// An area the player has scrolled up stays where it is while lines are
// added, so a reply can be read back while the game goes on writing.
class TextArea : public QPlainTextEdit {
 public:
  // Whether Tab is typed into the text or moves to the next control. No
  // area of the game reads a tab: by default Tab leaves it, as in a form.
  enum class TabKey { Types, MovesFocus };

  explicit TextArea(QWidget* parent, TabKey tab = TabKey::MovesFocus);

  // Whether the view shows the end of the text: true until the player
  // moves the view up (keys, wheel, scroll bar or mouse), and again once
  // they move it back to the end.
  bool followsEnd() const { return followsEnd_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void noteWhereThePlayerLeftTheView();

  bool followsEnd_ = true;
};

// After a change to the text: scrolls to its end, unless the area is a
// TextArea the player has scrolled up.
void showEndUnlessScrolledBack(QPlainTextEdit& area);

}  // namespace qv
