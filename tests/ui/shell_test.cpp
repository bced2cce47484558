#include <gtest/gtest.h>

#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/interpreter.h"
#include "terminal/qt_game_window.h"
#include "ui_helpers.h"

namespace qv {
namespace {

using uitest::ModalDriver;
using uitest::ShellHarness;
using uitest::waitUntil;

std::vector<QWidget*> createdWindows(Shell& shell) {
  return {&shell.form1(), &shell.form2(), &shell.form4(), &shell.form3(), &shell.form5()};
}

TEST(StartUp, FiveWindowsOnlyTheMenuShown) {
  ShellHarness h;
  const auto windows = createdWindows(h.shell);
  for (QWidget* window : windows) EXPECT_FALSE(window->isVisible());
  h.shell.start();
  EXPECT_TRUE(h.shell.form1().isVisible());
  for (std::size_t i = 1; i < windows.size(); ++i) EXPECT_FALSE(windows[i]->isVisible());
  EXPECT_FALSE(h.shell.game().activated);  // the game window's creation handler ran
}

TEST(StartUp, CaptionsSizesAndPlaces) {
  ShellHarness h;
  TForm1& menu = h.shell.form1();
  EXPECT_EQ(menu.windowTitle(), "Quorvexer v 1.0.0.0.0");
  EXPECT_EQ(menu.size(), QSize(650, 346));
  EXPECT_EQ(menu.minimumSize(), menu.maximumSize());  // fixed size
  EXPECT_EQ(menu.pos(), QPoint(328, 366));
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(menu.windowFlags() & Qt::WindowCloseButtonHint);

  TForm2& game = h.shell.form2();
  game.buildContent();  // done when the window is first shown
  EXPECT_TRUE(game.windowTitle().endsWith("/Hub~/"));
  EXPECT_TRUE(game.windowTitle().contains("://terminus/"));
  EXPECT_EQ(game.pos(), QPoint(409, 508));
  EXPECT_EQ(game.size(), QSize(865, 459));
  const Qt::WindowFlags none = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  EXPECT_FALSE(game.windowFlags() & none);
  EXPECT_EQ(game.Memo1->geometry(), QRect(0, 433, 865, 26));
  EXPECT_EQ(game.console->geometry(), QRect(0, 0, 865, 433));
  EXPECT_EQ(game.Memo2->geometry(), QRect(696, 0, 153, 185));
  EXPECT_EQ(game.Memo3->geometry(), QRect(696, 184, 153, 249));

  EXPECT_EQ(h.shell.form3().windowTitle(), "COMPILER...");
  EXPECT_EQ(h.shell.form3().pos(), QPoint(8, 508));
  EXPECT_EQ(h.shell.form4().windowTitle(), "Mission Editor");
  EXPECT_EQ(h.shell.form5().windowTitle(), "Status");
  EXPECT_EQ(h.shell.form5().pos(), QPoint(940, 326));
}

TEST(StartUp, TimersAndTextAreasAsCreated) {
  ShellHarness h;
  TForm2& game = h.shell.form2();
  EXPECT_EQ(game.JumpTimer->interval(), 999);
  EXPECT_EQ(game.ChatTimer->interval(), 1001);
  EXPECT_EQ(game.Userfiletimer->interval(), 1000);
  EXPECT_EQ(game.attacktimer->interval(), 1000);
  EXPECT_EQ(h.shell.form3().CodeTimer->interval(), 30);
  EXPECT_EQ(h.shell.form5().InfoTimer->interval(), 1000);
  EXPECT_FALSE(game.JumpTimer->isActive());
  EXPECT_FALSE(game.ChatTimer->isActive());
  EXPECT_FALSE(game.Userfiletimer->isActive());
  EXPECT_FALSE(h.shell.form3().CodeTimer->isActive());
  EXPECT_TRUE(game.attacktimer->isActive());
  EXPECT_TRUE(h.shell.form5().InfoTimer->isActive());
  for (QTimer* timer : {game.JumpTimer, game.ChatTimer, game.Userfiletimer, game.attacktimer}) {
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  }

  // Done when each window is first shown.
  for (DeferredWindow* window :
       {static_cast<DeferredWindow*>(&game), static_cast<DeferredWindow*>(&h.shell.form3()),
        static_cast<DeferredWindow*>(&h.shell.form5())}) {
    window->buildContent();
  }
  EXPECT_TRUE(game.console->isReadOnly());
  EXPECT_FALSE(game.Memo1->isReadOnly());
  EXPECT_EQ(game.Memo2->toPlainText(), "Memo2");
  EXPECT_EQ(game.Memo3->toPlainText(), "Memo3");
  EXPECT_EQ(game.Memo2->maximumBlockCount(), kLogPanelMaxLines);
  EXPECT_FALSE(h.shell.form3().Console->isReadOnly());
  // Built on first show, the status is filled at once, as the timer had kept it.
  EXPECT_EQ(h.shell.form5().Memo1->toPlainText(),
            "Config.sys... compramised\nCommands.sys... compramised");
}

// Faces are loaded late, when a window is first shown; shown, every text
// area must still have the face it was given.
TEST(StartUp, TextAreasHaveTheirFacesOnceShown) {
  ShellHarness h;
  h.shell.start();
  h.shell.form1().CommandsBtnClick();
  showWindow(h.shell.form3());
  showWindow(h.shell.form5());
  for (QPlainTextEdit* area :
       {h.shell.form1().Memo1(), h.shell.form3().Console, h.shell.form5().Memo1}) {
    EXPECT_EQ(QFontInfo(area->font()).family(), "Cousine");
    EXPECT_EQ(area->font().pixelSize(), 11);
    EXPECT_EQ(area->document()->defaultFont().family(), "Cousine");
  }
}

TEST(Activation, ShowingTheGameWindowStartsOneGame) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  EXPECT_EQ(h.shell.gameActivations(), 1);
  EXPECT_TRUE(h.shell.form2().JumpTimer->isActive());
  EXPECT_EQ(h.shell.form2().console->document()->firstBlock().text(),
            "WELCOME HACKER TO QUORVEXER 2002, BY ZORVATH!");

  // A dialog closing over the running game is no new activation.
  ModalDriver cancel([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  EXPECT_EQ(h.shell.windows().askMissionFile(), std::nullopt);
  QApplication::processEvents();
  EXPECT_EQ(h.shell.gameActivations(), 1);
}

TEST(Activation, TerminateAndNewGameReopenTheSameGame) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  const QString console = h.shell.form2().console->toPlainText();
  Interperetinput(h.shell.game(), "//terminate");
  EXPECT_FALSE(h.shell.form2().isVisible());
  EXPECT_TRUE(h.shell.form1().isVisible());
  EXPECT_FALSE(h.shell.form2().JumpTimer->isActive());

  // Shown again: activated once more, but the game ignores it: no dialog.
  ModalDriver noDialog([](QWidget* dialog) {
    ADD_FAILURE() << "unexpected dialog";
    static_cast<QDialog*>(dialog)->reject();
  });
  h.shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([&] { return h.shell.gameActivations() == 2; }));
  EXPECT_EQ(h.shell.form2().console->toPlainText(), console);
  EXPECT_FALSE(h.shell.form2().JumpTimer->isActive());
}

// The error box of a failed start closed, the start begins again: the
// welcome typed anew and the dialog back, typed keys going to it.
TEST(Activation, AFailedStartBeginsAgainWhenItsBoxCloses) {
  ShellHarness h;
  h.shell.start();
  QStringList seen;
  ModalDriver answer([&](QWidget* modal) {
    auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
    if (!name) {
      seen << modal->findChild<QLabel*>("qt_msgbox_label")->text();
      modal->close();
      return;
    }
    seen << h.shell.form2().console->toPlainText().trimmed();
    if (seen.size() > 1) return static_cast<QDialog*>(modal)->reject();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == name; }));
    QTest::keyClicks(name, "/tmp/no-such-quorvexer-mission");
    QTest::keyClick(name, Qt::Key_Return);
  });
  h.shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([&] { return h.shell.game().activated; }));
  const QString welcome =
      "WELCOME HACKER TO QUORVEXER 2002, BY ZORVATH!\n"
      "---------------------------------------------------";
  EXPECT_EQ(seen, (QStringList{welcome, "File not found.", welcome}));
  EXPECT_EQ(h.shell.gameActivations(), 2);
  EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == h.shell.form2().Memo1; }));
}

TEST(ErrorBox, AnErrorInAKeyHandlerShowsOneBoxAndTheGameGoesOn) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  QStringList boxes;
  ModalDriver answer([&](QWidget* modal) {
    boxes << modal->findChild<QLabel*>("qt_msgbox_label")->text();
    modal->close();
  });
  QPlainTextEdit* input = h.shell.form2().Memo1;
  input->insertPlainText("//dial 12ab");
  uitest::pressKey(input, Qt::Key_Return);
  EXPECT_EQ(boxes, QStringList{"'12ab' is not a valid integer value."});

  input->insertPlainText("//Timers");
  uitest::pressKey(input, Qt::Key_Return);
  EXPECT_FALSE(h.shell.form2().Memo2->isHidden());
  EXPECT_EQ(boxes.size(), 1);
}

TEST(Program, ClosingTheMenuEndsTheProgramWithOtherWindowsOpen) {
  ShellHarness h;
  h.shell.start();
  showWindow(h.shell.form3());
  showWindow(h.shell.form5());
  h.shell.form1().QuitBtn->click();
  EXPECT_EQ(h.endRequests, 1);
  EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

}  // namespace
}  // namespace qv
