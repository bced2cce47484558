#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <utility>

#include "app/qt_main_menu.h"
#include "sim/qt_status_window.h"
#include "sim/status.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_announcer.h"
#include "ui_helpers.h"
#include "world/console.h"

namespace qv {
namespace {

// What a screen reader would be told: the notifications shown, and how many
// events came from the console itself.
QStringList heard;
int consoleEvents = 0;
QObject* console = nullptr;
// Sees every event, when set.
std::function<void(QAccessibleEvent*)> watch;

void listen(QAccessibleEvent* event) {
  if (watch) watch(event);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (event->type() == QAccessible::Announcement) {
    heard << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    return;  // said from the console, not a change of it
  }
  if (console && event->object() == console) ++consoleEvents;
#else
  if (console && event->object() == console) ++consoleEvents;
  QAccessibleInterface* shown = event->accessibleInterface();
  if (event->type() == QAccessible::ObjectShow && shown &&
      shown->role() == QAccessible::Notification) {
    heard << shown->text(QAccessible::Name);
  }
#endif
}

// The offscreen platform has no screen reader; this is what one turns on.
void screenReaderRunning(bool running) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(running);
}

void startListening() {
  static const bool listening = (QAccessible::installUpdateHandler(&listen), true);
  (void)listening;
}

class Speech : public testing::Test {
 protected:
  void SetUp() override {
    startListening();
    h.startGame();
    settle();  // the windows shown and activated before the reader listens
    screenReaderRunning(true);
    console = h.shell.form2().console;
    settle();
  }
  void TearDown() override {
    screenReaderRunning(false);
    console = nullptr;
  }
  // Lets the event loop run, as it does between two handlers.
  void settle() {
    uitest::waitUntil([] { return false; }, 20);
    heard.clear();
    consoleEvents = 0;
  }
  // Until what was shown and said has been quiet long enough for the next
  // announcement to go out at once.
  void quieten() {
    uitest::waitUntil([] { return false; }, 5000);
    settle();
  }
  QStringList heardAfterSettling(int wait_ms = 20) {
    uitest::waitUntil([] { return false; }, wait_ms);
    return heard;
  }

  uitest::ShellHarness h;
};

TEST_F(Speech, EachLineIsHeardOnceWholeWhenTheHandlerIsDone) {
  Game& game = h.shell.game();
  const struct {
    const char* what;
    std::function<void()> write;
    QStringList expected;
  } cases[] = {
      {"a typed line",
       [&] { type(game, "You are not on a server!"); },
       {"You are not on a server!"}},
      {"an immediate line",
       [&] { addLine(game, "config.sys  :  config.sys"); },
       {"config.sys  :  config.sys"}},
      {"a reply of several lines, empty ones left out",
       [&] {
         addLine(game, "Contents of ROOT/");
         addLine(game, "");
         addLine(game, "a.txt");
       },
       {"Contents of ROOT/\na.txt"}},
      {"a line rewritten to the same text",
       [&] { game.ports().console.replaceLastLine("a.txt"); },
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.write();
    EXPECT_TRUE(heard.isEmpty()) << "spoken while the handler still runs";
    EXPECT_EQ(heardAfterSettling(), c.expected);
    EXPECT_EQ(consoleEvents, 0) << "the console reported its own changes";
    settle();
  }
}

TEST_F(Speech, ATypedLineIsHeardAtThePauseAfterIt) {
  type(h.shell.game(), "accessing balance.asp ...");
  type(h.shell.game(), "Bank server contacted");
  EXPECT_TRUE(heard.isEmpty());
  sleepAnsweringScreenReader(std::chrono::steady_clock::now());  // the pace's pause
  EXPECT_EQ(heard, QStringList{"accessing balance.asp ..."});
  EXPECT_EQ(heardAfterSettling(),
            QStringList({"accessing balance.asp ...", "Bank server contacted"}));
}

TEST_F(Speech, LinesWaitForAModalDialogToClose) {
  QDialog dialog(&h.shell.form2());
  dialog.setModal(true);
  dialog.show();
  type(h.shell.game(), "WELCOME HACKER");
  EXPECT_TRUE(heardAfterSettling(500).isEmpty());
  dialog.hide();
  // Once the reader has had time to read the window activated again.
  EXPECT_TRUE(uitest::waitUntil([] { return heard == QStringList{"WELCOME HACKER"}; }, 8000));
}

TEST_F(Speech, ChatterGivesWayToRepliesButItsNewestAddressWaitsAndF7SilencesIt) {
  Game& game = h.shell.game();
  auto chat = [&](const char* line = "NEO: hello .") {
    const Chatter chatter;
    addLine(game, line);
  };
  quieten();
  addLine(game, "Reply");
  chat();
  EXPECT_EQ(heardAfterSettling(), QStringList{"Reply"}) << "chatter over a reply";
  chat("NEO: old 1.2.3.4 .");
  heardAfterSettling();
  chat("NEO: new 10.0.0.1 .");
  EXPECT_EQ(heardAfterSettling(), QStringList{"Reply"});
  EXPECT_TRUE(uitest::waitUntil([] { return heard.size() > 1; }, 8000));
  EXPECT_EQ(heard, (QStringList{"Reply", "NEO: new 10.0.0.1 ."})) << "the newest address waits";
  settle();
  uitest::pressKey(h.shell.form2().Memo1, Qt::Key_Shift);  // cuts the reply short
  chat();
  EXPECT_EQ(heardAfterSettling(), QStringList{"NEO: hello ."});
  settle();
  auto* key = h.shell.form2().findChild<QShortcut*>();
  ASSERT_TRUE(key);
  EXPECT_EQ(key->key(), QKeySequence(Qt::Key_F7));
  emit key->activated();
  chat();
  EXPECT_EQ(heardAfterSettling(), QStringList{"Chat room and server activity not spoken"});
  emit key->activated();
}

TEST_F(Speech, TheStatusWindowSaysItsLinesOnceThenOnlyNews) {
  Game& game = h.shell.game();
  World& world = game.world;
  world.player.currentserver = 1;
  world.servers[1].suspicion = 20;
  world.servers[2].suspicion = 20;
  h.shell.windows().setStatusWindowVisible(true);
  EXPECT_TRUE(uitest::waitUntil([] { return !heard.isEmpty(); }, 8000));
  EXPECT_EQ(heard, QStringList{"Config.sys... stable\nCommands.sys... stable\n"
                               "Current server suspicion: 20"});
  quieten();
  const struct {
    const char* what;
    std::function<void()> change;
    QStringList expected;
  } cases[] = {
      {"nothing changed", [] {}, {}},
      {"suspicion within its quarter", [&] { world.servers[1].suspicion = 24; }, {}},
      {"suspicion crossing 25",
       [&] { world.servers[1].suspicion = 25; },
       {"Current server suspicion: 25"}},
      {"another server",
       [&] {
         world.player.currentserver = 2;
         world.servers[2].suspicion = 20;
       },
       {"Current server suspicion: 20"}},
      {"a file compromised", [&] { world.player.configstable = 0; }, {"Config.sys... compramised"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    settle();
    c.change();
    InfoTimerTimer(game);
    // News may wait while the reader reads a window that was activated.
    const bool heardAsExpected = c.expected.isEmpty()
                                     ? heardAfterSettling(300).isEmpty()
                                     : uitest::waitUntil([&] { return heard == c.expected; }, 6000);
    EXPECT_TRUE(heardAsExpected) << heard.join(u'|').toStdString();
  }
}

TEST_F(Speech, NothingIsHeardOfAHiddenGameWindowOrWithoutAScreenReader) {
  h.shell.form2().hide();
  type(h.shell.game(), "You are not on a server!");
  EXPECT_TRUE(heardAfterSettling().isEmpty());
  h.shell.form2().show();
  screenReaderRunning(false);
  addLine(h.shell.game(), "You are not on a server!");
  EXPECT_TRUE(heardAfterSettling().isEmpty());
}

// (Showing a window on the offscreen platform activates it, so the compiler
// window's share is checked by scripts/check-screen-reader.sh instead.)
TEST_F(Speech, TheKeyboardIsBackOnTheInputLineAfterAnErrorBox) {
  TForm2& game = h.shell.form2();
  uitest::ModalDriver closeBox([](QWidget* box) { static_cast<QDialog*>(box)->accept(); });
  game.Memo1->setPlainText(QStringLiteral("//dial 12ab"));
  uitest::pressKey(game.Memo1, Qt::Key_Return);
  EXPECT_TRUE(uitest::waitUntil([&] { return QApplication::focusWidget() == game.Memo1; }));
  EXPECT_EQ(closeBox.answered(), 1);
}

// LIST OF COMMANDS, opened twice: a reader is told of the help's focus before
// its caret is placed at the top, and of no change of its name while the menu
// is shown, so it reads the help from its first line.
TEST(HelpSpeech, TheHelpHasTheFocusBeforeItsCaretAndKeepsItsName) {
  uitest::ShellHarness h;
  TForm1& menu = h.shell.form1();
  h.shell.start();
  ASSERT_TRUE(uitest::waitUntil([&] { return QApplication::focusWidget() == menu.NewGameBtn; }));
  startListening();
  screenReaderRunning(true);
  QStringList told;
  watch = [&](QAccessibleEvent* event) {
    if (event->object() != menu.Memo1()) return;
    if (event->type() == QAccessible::Focus) told << "focus";
    if (event->type() == QAccessible::NameChanged) told << "name";
    if (event->type() == QAccessible::DescriptionChanged) told << "description";
    if (event->type() == QAccessible::TextCaretMoved) {
      told << QStringLiteral("caret %1")
                  .arg(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
    }
  };
  const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
  key(Qt::Key_Tab);
  key(Qt::Key_Return);  // LIST OF COMMANDS
  key(Qt::Key_Down);
  const QStringList first = std::exchange(told, {});
  key(Qt::Key_Tab);
  key(Qt::Key_Return);  // Done
  key(Qt::Key_Return);  // LIST OF COMMANDS again
  watch = nullptr;
  screenReaderRunning(false);
  ASSERT_FALSE(first.isEmpty());
  EXPECT_EQ(first.front(), "focus") << first.join(", ").toStdString();
  EXPECT_FALSE(first.contains("name") || first.contains("description"));
  EXPECT_EQ(told, (QStringList{"focus", "caret 0"}));
}

}  // namespace
}  // namespace qv
