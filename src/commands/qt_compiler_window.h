#pragma once

#include <QWidget>

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The compiler window (Form3): one text area the program digits are written
// into, which the player may also type keyword lines into. Closing it only
// hides it.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(Game& game);

  QPlainTextEdit* Console;
  QTimer* CodeTimer;  // enabled by the game at the first program order

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Game& game_;
};

}  // namespace qv
