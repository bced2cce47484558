#pragma once

#include <QStringList>

#include "toolkit/qt_deferred_window.h"

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The status window (Form5): the game rewrites Memo1 every second, shown or
// not, so it is current whenever the player opens it. Memo1 is built when the
// window is first shown, and the shell has it filled at once: until then the
// text rebuilt every second has nowhere to go and nobody to see it.
//
// A screen reader hears the lines once when the window is shown, then only
// news while it stays shown: a file line that changed, the suspicion line
// when the player reaches another server or its figure crosses 25, 50 or 75.
// Every second would drown out everything else.
class TForm5 : public DeferredWindow {
  Q_OBJECT
 public:
  explicit TForm5(Game& game);

  QPlainTextEdit* Memo1 = nullptr;
  QTimer* InfoTimer;

 protected:
  void createContent() override;
  void showEvent(QShowEvent* event) override;

 private:
  // What the player has heard of the status; compared with the text once
  // the event loop runs again after a change.
  struct Heard {
    QStringList fileLines;
    int server = 0;
    int suspicionBand = -1;
  };
  void speakNewsSoon();
  void speakNews();

  Game& game_;
  // Nothing heard since the window was last shown.
  bool heardNothing_ = true;
  Heard heard_;
  bool speakQueued_ = false;
};

}  // namespace qv
