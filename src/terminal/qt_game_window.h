#pragma once

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The game window (Form2): the console above the input line, the two hidden
// log panels and the game window's four timers. Every event goes to the
// game; the window holds no rules of its own.
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  // Creating the window runs the game's creation handler.
  explicit TForm2(Game& game);

  QPlainTextEdit* console;
  QPlainTextEdit* Memo1;  // the input line
  QPlainTextEdit* Memo2;  // population log panel
  QPlainTextEdit* Memo3;  // file activity log panel
  QTimer* JumpTimer;
  QTimer* ChatTimer;
  QTimer* Userfiletimer;
  QTimer* attacktimer;

  // Called after the window is shown; the shell decides about activation.
  std::function<void()> onShown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createTextAreas();
  void createTimers();
  void layoutTextAreas();

  Game& game_;
};

}  // namespace qv
