#include "app/qt_window_cycle.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace qv {

WindowCycle::WindowCycle(std::vector<Stop> stops) : stops_(std::move(stops)) {
  // One pair of shortcuts per window: a shortcut of a window works while the
  // window is active, and is quiet while a dialog of the program is open.
  for (const Stop& stop : stops_) {
    new QShortcut(QKeySequence(Qt::Key_F6), stop.window, this, [this] { move(true); });
    new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), stop.window, this, [this] { move(false); });
  }
}

void WindowCycle::move(bool forward) {
  const int count = static_cast<int>(stops_.size());
  const int step = forward ? 1 : -1;
  int at = current();
  if (at < 0) at = forward ? count - 1 : 0;
  // Once round at most; with one window open the keyboard lands there again.
  for (int i = 1; i <= count; ++i) {
    const Stop& next = stops_[static_cast<std::size_t>(((at + step * i) % count + count) % count)];
    if (next.window->isVisible()) {
      land(next);
      return;
    }
  }
}

int WindowCycle::current() const {
  const QWidget* focus = QApplication::focusWidget();
  const QWidget* active = focus ? focus->window() : QApplication::activeWindow();
  for (std::size_t i = 0; i < stops_.size(); ++i) {
    if (stops_[i].window == active) return static_cast<int>(i);
  }
  return -1;
}

void WindowCycle::land(const Stop& stop) {
  QWidget* window = stop.window;
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
  // Set on a window not yet active, the focus waits there for its
  // activation, which the window manager may grant a moment later.
  if (QWidget* control = stop.landing ? stop.landing() : nullptr) {
    control->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace qv
