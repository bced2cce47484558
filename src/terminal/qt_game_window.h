#pragma once

#include <functional>

#include "toolkit/qt_deferred_window.h"

class QPlainTextEdit;
class QTimer;

namespace qv {

class Game;

// The game window (Form2): the console above the input line, the two hidden
// log panels and the game window's four timers. Every event goes to the
// game; the window holds no rules of its own.
class TForm2 : public DeferredWindow {
  Q_OBJECT
 public:
  // Creating the window runs the game's creation handler.
  explicit TForm2(Game& game);

  static constexpr int kInputHeight = 26;

  // The text areas are built when the window is first shown (the window
  // stays hidden until a game starts), or by buildContent.
  QPlainTextEdit* console = nullptr;
  QPlainTextEdit* Memo1 = nullptr;  // the input line, kInputHeight high at the bottom
  QPlainTextEdit* Memo2 = nullptr;  // population log panel
  QPlainTextEdit* Memo3 = nullptr;  // file activity log panel
  QTimer* JumpTimer;
  QTimer* ChatTimer;
  QTimer* Userfiletimer;
  QTimer* attacktimer;

  // Called after the window is shown; the shell decides about activation.
  std::function<void()> onShown;

 protected:
  void createContent() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createTimers();
  void layoutTextAreas();

  Game& game_;
};

}  // namespace qv
