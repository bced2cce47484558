#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QWindow;

namespace qv {

// Decides when the game window becomes the program's active window: when it
// is shown, and when the player comes back to it from another of the
// program's own windows. Coming back from a dialog or a message box of the
// program, or from another program, is no activation, so the mission dialog
// closing in the middle of a game's start cannot start a second one.
class ActivationTracker : public QObject {
 public:
  // `activate` returns false when the start failed: it then runs again at
  // once, as the next activation would, the player still at the game window.
  ActivationTracker(QWidget* gameWindow, std::vector<QWidget*> programWindows,
                    std::function<bool()> activate);

  // Call when the game window has been shown. Platforms that activate no
  // window by themselves (no window manager, offscreen) get the activation
  // from here.
  void gameWindowShown();

  // How often the game window's activation handler has run.
  int activations() const { return activations_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void focusWindowChanged(QWindow* window);
  void becameActive(QWidget* window);
  void runWhenExposed(int triesLeft);
  void run();

  QPointer<QWidget> gameWindow_;
  std::vector<QPointer<QWidget>> programWindows_;
  std::function<bool()> activate_;
  QWidget* lastActive_ = nullptr;
  bool queued_ = false;
  bool running_ = false;
  int activations_ = 0;
};

}  // namespace qv
