#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <string>

#include "app/qt_shell.h"
#include "fakes.h"

namespace qv::uitest {

// The offscreen platform with one screen of the given size ("1366x768"),
// described in a file that the platform reads when the application starts.
inline std::string offscreenWithScreen(const std::string& size, const std::string& path) {
  const auto x = size.find('x');
  if (std::FILE* file = std::fopen(path.c_str(), "w")) {
    std::fprintf(
        file,
        R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %s, "height": %s, "logicalDpi": 96, "dpr": 1}]})",
        size.substr(0, x).c_str(), size.substr(x + 1).c_str());
    std::fclose(file);
  }
  return "offscreen:configfile=" + path;
}

// Runs the event loop until done() holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int timeout_ms = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeout_ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return done();
}

// Answers every modal dialog that comes up, polling every 10 ms. The
// answer must close the dialog. A watchdog fails the test and closes what is
// still open instead of letting the test hang.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget*)> answer, int watchdog_ms = 10000)
      : answer_(std::move(answer)) {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != last_) {
        last_ = modal;
        ++answered_;
        answer_(modal);
      }
      if (!QApplication::activeModalWidget()) last_ = nullptr;
    });
    poll_.start();
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a modal dialog stayed open: " << modal->metaObject()->className();
        modal->close();
      }
    });
    watchdog_.start(watchdog_ms);
  }

  int answered() const { return answered_; }

 private:
  std::function<void(QWidget*)> answer_;
  QTimer poll_;
  QTimer watchdog_;
  QWidget* last_ = nullptr;
  int answered_ = 0;
};

// The whole program on a virtual clock; closing the menu is only counted.
struct ShellHarness {
  test::FakePace pace{test::kNoonishMs};
  int endRequests = 0;
  Shell shell{ShellOptions{&pace, [this] { ++endRequests; }}};

  // Clicks NEW GAME and cancels the mission dialog of the first start.
  void startGame();
};

// A key press and release sent straight to a widget.
inline void pressKey(QWidget* widget, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

}  // namespace qv::uitest
