#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_look.h"
#include "ui_helpers.h"

namespace qv {
namespace {

using uitest::ModalDriver;
using uitest::ShellHarness;

struct DrawnWindow {
  const char* name;
  QWidget* window;
  QRect outer;  // where the window was drawn, frame included
};

testing::AssertionResult liesOn(const QRect& area, QWidget* window) {
  if (area.contains(window->frameGeometry())) return testing::AssertionSuccess();
  const QRect f = window->frameGeometry();
  return testing::AssertionFailure() << window->metaObject()->className() << " at " << f.x() << ","
                                     << f.y() << " " << f.width() << "x" << f.height();
}

// Every window and dialog lies wholly on the screen; a window the screen
// holds at its drawn place stays exactly there. The test below runs this
// again on small screens.
TEST(Screen, EveryWindowLiesWhollyOnIt) {
  ShellHarness h;
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const DrawnWindow drawn[] = {
      {"menu", &h.shell.form1(), {328, 366, 656, 371}},
      {"editor", &h.shell.form4(), {408, 517, 450, 318}},
      {"compiler", &h.shell.form3(), {8, 508, 402, 486}},
      {"status", &h.shell.form5(), {940, 326, 341, 182}},
  };
  for (const DrawnWindow& w : drawn) {
    showWindow(*w.window);
    EXPECT_TRUE(liesOn(area, w.window)) << w.name;
    if (area.contains(w.outer)) {
      EXPECT_EQ(w.window->pos(), w.outer.topLeft()) << w.name;
    }
  }
  h.shell.form4().Open()->show();
  EXPECT_TRUE(liesOn(area, h.shell.form4().Open()));
  h.shell.form4().Open()->hide();

  // The game window, the mission dialog its first showing opens, an error box.
  ModalDriver answer([&](QWidget* dialog) {
    EXPECT_TRUE(liesOn(area, dialog));
    static_cast<QDialog*>(dialog)->reject();
  });
  h.shell.form1().NewGameBtn->click();
  ASSERT_TRUE(uitest::waitUntil([&] { return h.shell.game().activated; }));
  // Once the game window is shown, it and the compiler and status windows
  // stand apart wherever the screen has room for them.
  QWidget* const group[] = {&h.shell.form2(), &h.shell.form3(), &h.shell.form5()};
  for (QWidget* window : group) EXPECT_TRUE(liesOn(area, window));
  if (area.width() >= 1280 && area.height() >= 720) {
    for (QWidget* window : group) {
      for (QWidget* other : group) {
        if (window == other) continue;
        EXPECT_FALSE(window->frameGeometry().intersects(other->frameGeometry()));
      }
    }
  }
  if (area.contains(QRect(409, 508, 873, 486))) {
    EXPECT_EQ(h.shell.form2().pos(), QPoint(409, 508));
  }
  showErrorBox(QStringLiteral("File not found"));
  EXPECT_EQ(answer.answered(), 2);
}

TEST(Screen, AWindowMovesTheLeastDistanceAndShrinksOnlyIfResizable) {
  const QRect laptop(0, 0, 1366, 768);
  const struct {
    QRect outer;
    bool resizable;
    QRect fitted;
  } cases[] = {
      {{940, 326, 341, 182}, true, {940, 326, 341, 182}},  // fits: stays exactly
      {{409, 508, 873, 486}, true, {409, 282, 873, 486}},  // off the bottom: moves up
      {{1200, -20, 341, 182}, true, {1025, 0, 341, 182}},  // off two edges
      {{100, 100, 1500, 900}, true, {0, 0, 1366, 768}},    // larger: shrinks
      {{100, 100, 1500, 900}, false, {0, 0, 1500, 900}},   // fixed: shows its top left
      {{-10, 700, 656, 371}, false, {0, 397, 656, 371}},
  };
  for (const auto& c : cases) EXPECT_EQ(fitOnScreen(c.outer, laptop, c.resizable), c.fitted);
}

// The platform's screen is fixed when the program starts, so each screen
// runs the test above in a program of its own.
TEST(Screen, SmallScreensHoldEveryWindow) {
  const struct {
    const char* screen;
    const char* scale;
  } screens[] = {{"1366x768", "1"},
                 {"1024x600", "1"},
                 {"800x600", "1"},
                 {"1920x1080", "1.5"},
                 {"1920x1080", "2"}};
  for (const auto& s : screens) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QV_TEST_SCREEN"), QString::fromLatin1(s.screen));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(s.scale));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Screen.EveryWindowLiesWhollyOnIt")});
    ASSERT_TRUE(child.waitForFinished(60000)) << s.screen;
    EXPECT_EQ(child.exitCode(), 0) << s.screen << " scale " << s.scale << "\n"
                                   << child.readAll().toStdString();
  }
}

}  // namespace
}  // namespace qv
