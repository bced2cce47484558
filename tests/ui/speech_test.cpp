#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QDialog>
#include <QPlainTextEdit>

#include "terminal/qt_game_window.h"
#include "ui_helpers.h"

namespace qv {
namespace {

// What a screen reader would be told: the notifications shown, and how many
// events came from the console itself.
QStringList heard;
int consoleEvents = 0;
QObject* console = nullptr;

void listen(QAccessibleEvent* event) {
  if (console && event->object() == console) ++consoleEvents;
  QAccessibleInterface* shown = event->accessibleInterface();
  if (event->type() == QAccessible::ObjectShow && shown &&
      shown->role() == QAccessible::Notification) {
    heard << shown->text(QAccessible::Name);
  }
}

// The offscreen platform has no screen reader; this is what one turns on.
void screenReaderRunning(bool running) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(running);
}

class Speech : public testing::Test {
 protected:
  void SetUp() override {
    static const bool listening = (QAccessible::installUpdateHandler(&listen), true);
    (void)listening;
    h.startGame();
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
  QStringList heardAfterSettling() {
    uitest::waitUntil([] { return false; }, 20);
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
       [&] { game.type("You are not on a server!"); },
       {"You are not on a server!"}},
      {"an immediate line",
       [&] { game.addLine("config.sys  :  config.sys"); },
       {"config.sys  :  config.sys"}},
      {"a reply of several lines, empty ones left out",
       [&] {
         game.type("Contents of ROOT/");
         game.type("");
         game.addLine("a.txt");
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

TEST_F(Speech, NothingIsHeardOfAHiddenGameWindowOrWithoutAScreenReader) {
  h.shell.form2().hide();
  h.shell.game().type("You are not on a server!");
  EXPECT_TRUE(heardAfterSettling().isEmpty());
  h.shell.form2().show();
  screenReaderRunning(false);
  h.shell.game().addLine("You are not on a server!");
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

}  // namespace
}  // namespace qv
