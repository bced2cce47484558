#include <cstdio>

#include "app/qt_application.h"
#include "app/qt_look.h"
#include "app/qt_shell.h"

int main(int argc, char** argv) {
  // Without a window system Qt aborts; say plainly what is missing instead.
  if (!qv::desktopSessionAvailable()) {
    std::fprintf(stderr, "%s\n", qv::kNeedsDesktopMessage);
    return 2;
  }
  qv::Application app(argc, argv);
  qv::reportMissingFaces();
  qv::Shell shell;  // creates the five windows in start-up order
  shell.start();
  return qv::Application::exec();
}
