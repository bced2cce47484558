#pragma once

#include <QWidget>

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The status window (Form5): the game rewrites Memo1 every second, shown or
// not, so it is current whenever the player opens it.
class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(Game& game);

  QPlainTextEdit* Memo1;
  QTimer* InfoTimer;

 private:
  Game& game_;
};

}  // namespace qv
