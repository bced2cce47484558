#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

// Window tests run on Qt's offscreen platform, so they need no display.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's file dialogs remember their side bar and history in the user's
  // settings; each test process keeps its own, so tests running side by side
  // never see one another's and the player's own settings stay untouched.
  QTemporaryDir settingsHome;
  if (settingsHome.isValid())
    setenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
