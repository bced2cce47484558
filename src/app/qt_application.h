#pragma once

#include <QApplication>

namespace qv {

// The application object. Every handler catches its own errors through
// guard(); notify() only catches what slipped past one, as a last resort.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Whether a window system can be reached: Qt aborts the program without one.
// An explicit QT_QPA_PLATFORM (offscreen, for instance) counts as one.
bool desktopSessionAvailable();

// The one line printed when there is none.
inline constexpr const char* kNeedsDesktopMessage =
    "Quorvexer needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set (try it under X11, "
    "Wayland or xvfb-run).";

}  // namespace qv
