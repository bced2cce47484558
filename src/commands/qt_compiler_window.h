#pragma once

#include "toolkit/qt_deferred_window.h"

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The compiler window (Form3): one text area the program digits are written
// into, which the player may also type keyword lines into. Closing it only
// hides it. The text area is built when the window is first shown: the game
// shows it before it writes there.
class TForm3 : public DeferredWindow {
  Q_OBJECT
 public:
  explicit TForm3(Game& game);

  QPlainTextEdit* Console = nullptr;
  QTimer* CodeTimer;  // enabled by the game at the first program order

 protected:
  void createContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Game& game_;
};

}  // namespace qv
