#include "app/qt_application.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "toolkit/qt_guard.h"
#include "toolkit/qt_text.h"
#include "world/game_error.h"

namespace qv {
namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Quorvexer"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const GameError& e) {
    showErrorBox(toQString(e.what()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorvexer: unexpected error: %s\n", e.what());
  }
  return false;
}

bool desktopSessionAvailable() {
  return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

}  // namespace qv
