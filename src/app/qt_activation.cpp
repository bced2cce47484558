#include "app/qt_activation.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "toolkit/qt_reader_focus.h"

namespace qv {
namespace {

// How long the start waits for the game window to be on screen, so it is
// painted before the long typed greeting begins.
constexpr int kExposeTries = 50;
constexpr int kExposePollMs = 10;

}  // namespace

ActivationTracker::ActivationTracker(QWidget* gameWindow, std::vector<QWidget*> programWindows,
                                     std::function<bool()> activate)
    : gameWindow_(gameWindow), activate_(std::move(activate)) {
  for (QWidget* window : programWindows) programWindows_.emplace_back(window);
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
          &ActivationTracker::focusWindowChanged);
  gameWindow->installEventFilter(this);
}

void ActivationTracker::gameWindowShown() {
  gameWindow_->activateWindow();
  QTimer::singleShot(0, this, [this] {
    if (gameWindow_ && gameWindow_->isVisible()) becameActive(gameWindow_);
  });
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
  // A hidden window is no longer the active one: showing it again activates.
  if (watched == gameWindow_ && event->type() == QEvent::Hide && lastActive_ == gameWindow_) {
    lastActive_ = nullptr;
  }
  return QObject::eventFilter(watched, event);
}

void ActivationTracker::focusWindowChanged(QWindow* window) {
  if (!window) return;  // another program took the focus
  // A window that a dialog blocks got the keyboard: a Wayland compositor
  // honoured a request Qt made for it before the dialog opened, once the
  // dialog had the keyboard. The dialog asks for it back.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal->windowHandle() != window && window->type() != Qt::Popup) {
    QTimer::singleShot(0, modal, [modal] { modal->activateWindow(); });
    return;
  }
  // Once the window's own events are out: a screen reader hears the window
  // and the control with the keyboard even where a window manager's order
  // or a burst of events lost them.
  QTimer::singleShot(0, this, [] { retellActiveWindow(); });
  for (const QPointer<QWidget>& candidate : programWindows_) {
    if (candidate && candidate->windowHandle() == window) {
      becameActive(candidate);
      return;
    }
  }
  // A dialog or message box: the window under it stays the active one.
}

void ActivationTracker::becameActive(QWidget* window) {
  if (window == lastActive_) return;
  lastActive_ = window;
  if (window != gameWindow_ || queued_) return;
  queued_ = true;
  QTimer::singleShot(0, this, [this] { runWhenExposed(kExposeTries); });
}

void ActivationTracker::runWhenExposed(int triesLeft) {
  if (!gameWindow_ || !gameWindow_->isVisible()) {
    queued_ = false;
    return;
  }
  const QWindow* handle = gameWindow_->windowHandle();
  if (triesLeft > 0 && handle && !handle->isExposed()) {
    QTimer::singleShot(kExposePollMs, this, [this, triesLeft] { runWhenExposed(triesLeft - 1); });
    return;
  }
  queued_ = false;
  run();
}

void ActivationTracker::run() {
  // The start of a game runs a modal dialog; nothing may start it again
  // while it is still running.
  if (running_) return;
  running_ = true;
  ++activations_;
  const bool done = activate_();
  running_ = false;
  // A start that failed has shown its error box, now closed: the player is
  // back at the game window and the start begins again, dialog and all.
  if (!done && !queued_) {
    queued_ = true;
    QTimer::singleShot(0, this, [this] { runWhenExposed(kExposeTries); });
  }
}

}  // namespace qv
