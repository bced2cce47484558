#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui_helpers.h"

// Window tests run on Qt's offscreen platform, so they need no display. Its
// one screen is 1920 x 1080 (where every window fits at its drawn place)
// unless QV_TEST_SCREEN asks for another, as "1366x768".
int main(int argc, char** argv) {
  const char* screen = std::getenv("QV_TEST_SCREEN");
  const std::string config = "/tmp/qv-ui-screen-" + std::to_string(getpid()) + ".json";
  const std::string platform =
      qv::uitest::offscreenWithScreen(screen ? screen : "1920x1080", config);
  setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  // Qt's file dialogs remember their side bar and history in the user's
  // settings; each test process keeps its own, so tests running side by side
  // never see one another's and the player's own settings stay untouched.
  QTemporaryDir settingsHome;
  if (settingsHome.isValid())
    setenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  std::remove(config.c_str());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
