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

  // The text areas are built when the window is first shown, or earlier
  // when asked for here: the window stays hidden until a game starts, and
  // the menu shows sooner without them. Then onContentBuilt runs.
  void buildContent();
  std::function<void()> onContentBuilt;

  QPlainTextEdit* console = nullptr;
  QPlainTextEdit* Memo1 = nullptr;  // the input line
  QPlainTextEdit* Memo2 = nullptr;  // population log panel
  QPlainTextEdit* Memo3 = nullptr;  // file activity log panel
  QTimer* JumpTimer;
  QTimer* ChatTimer;
  QTimer* Userfiletimer;
  QTimer* attacktimer;

  // Called after the window is shown; the shell decides about activation.
  std::function<void()> onShown;

 public:
  void setVisible(bool visible) override;

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
