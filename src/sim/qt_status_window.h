#pragma once

#include "toolkit/qt_deferred_window.h"

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The status window (Form5): the game rewrites Memo1 every second, shown or
// not, so it is current whenever the player opens it. Memo1 is built when the
// window is first shown, and the shell has it filled at once: until then the
// text rebuilt every second has nowhere to go and nobody to see it.
class TForm5 : public DeferredWindow {
  Q_OBJECT
 public:
  explicit TForm5(Game& game);

  QPlainTextEdit* Memo1 = nullptr;
  QTimer* InfoTimer;

 protected:
  void createContent() override;

 private:
  Game& game_;
};

}  // namespace qv
