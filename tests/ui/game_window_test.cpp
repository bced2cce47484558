#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QWindow>

#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_text_pane.h"
#include "ui_helpers.h"
#include "world/console.h"

namespace qv {
namespace {

using uitest::pressKey;
using uitest::ShellHarness;

// "//Timers" shows or hides the log panels: a visible trace of each line the
// interpreter is handed.
bool panelsShown(Shell& shell) {
  return !shell.form2().Memo2->isHidden();
}

class ConsoleKeyDown : public testing::Test {
 protected:
  void SetUp() override {
    h.shell.start();
    h.startGame();
    input = h.shell.form2().Memo1;  // built when the window was first shown
  }
  ShellHarness h;
  QPlainTextEdit* input = nullptr;
};

TEST_F(ConsoleKeyDown, ReturnHandsOverTheLastInputLine) {
  input->insertPlainText("//Timers");

  pressKey(input, Qt::Key_Return);
  EXPECT_TRUE(panelsShown(h.shell));
  EXPECT_EQ(input->toPlainText(), "//Timers\n");  // the key took its effect

  // On the fresh empty line the line above counts again.
  pressKey(input, Qt::Key_Return);
  EXPECT_FALSE(panelsShown(h.shell));
  EXPECT_EQ(input->toPlainText(), "//Timers\n\n");

  // One empty line is skipped, not two: an empty command does nothing.
  pressKey(input, Qt::Key_Enter);
  EXPECT_FALSE(panelsShown(h.shell));
  EXPECT_EQ(input->toPlainText(), "//Timers\n\n\n");
}

TEST_F(ConsoleKeyDown, OtherKeysOnlyEdit) {
  input->insertPlainText("//Timer");
  pressKey(input, Qt::Key_S, "s");
  EXPECT_EQ(input->toPlainText(), "//Timers");
  EXPECT_FALSE(panelsShown(h.shell));
}

TEST_F(ConsoleKeyDown, ReturnInTheConsoleRunsTheInputLineAgain) {
  QPlainTextEdit* console = h.shell.form2().console;
  input->insertPlainText("//Timers");
  const QString before = console->toPlainText();
  pressKey(console, Qt::Key_Return);
  EXPECT_TRUE(panelsShown(h.shell));
  EXPECT_EQ(console->toPlainText(), before);
  EXPECT_EQ(input->toPlainText(), "//Timers");
}

TEST(TypedLine, EveryStepIsPaintedBeforeItsPause) {
  // The game console on its own, the rest on fakes.
  QPlainTextEdit area;
  area.resize(400, 60);
  area.show();
  ASSERT_TRUE(uitest::waitUntil([&] { return area.windowHandle()->isExposed(); }));
  PlainTextPane console;
  console.attach(&area, PlainTextPane::Follow::EndAndTyping);
  console.appendLine("earlier line");
  test::TestGame t;
  Game game{
      Ports{console, t.jumpLog, t.fileLog, t.compiler, t.status, t.pace, t.timers, t.windows}};

  int paints = 0;
  struct PaintCounter : QObject {
    int* count;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++*count;
      return false;
    }
  } counter(&paints);
  area.viewport()->installEventFilter(&counter);

  const std::string text = "Dialing 1234567890 .............";  // 32 characters
  std::vector<std::string> seen;
  std::vector<int> paintsAtPause;
  t.pace.onSleep = [&] {
    seen.push_back(console.lastLine());
    paintsAtPause.push_back(paints);
    EXPECT_EQ(area.verticalScrollBar()->value(), area.verticalScrollBar()->maximum());
  };
  type(game, text);

  ASSERT_EQ(seen.size(), 32u);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i], text.substr(0, i + 1));
    if (i > 0) {
      EXPECT_GT(paintsAtPause[i], paintsAtPause[i - 1]) << "step " << i;
    }
  }
  EXPECT_EQ(t.pace.slept, 32 * kTypingStepMs);
  EXPECT_EQ(console.lines(), (std::vector<std::string>{"earlier line", text}));
}

TEST(CompilerWindow, ReturnGivesTheGameTheLastLineFirst) {
  ShellHarness h;
  h.shell.start();
  TForm3& compiler = h.shell.form3();
  compiler.buildContent();  // done when the window is first shown
  compiler.Console->insertPlainText(":spike\n:end");
  pressKey(compiler.Console, Qt::Key_Return);
  // ":end" compiles: the game read it before Return started a new line.
  EXPECT_EQ(h.shell.game().codeticks, 20);
  EXPECT_TRUE(compiler.CodeTimer->isActive());
  EXPECT_EQ(compiler.Console->toPlainText(), ":spike\n:end\n");
}

TEST(WindowsPort, PanelsAndStatusWindowAnswerForThemselves) {
  ShellHarness h;
  Windows& windows = h.shell.windows();
  // The game window is hidden: the panels' own state still counts.
  windows.setLogPanelsVisible(true);
  EXPECT_TRUE(windows.logPanelsVisible());
  EXPECT_FALSE(h.shell.form2().Memo3->isHidden());
  windows.setLogPanelsVisible(false);
  EXPECT_FALSE(windows.logPanelsVisible());

  windows.setStatusWindowVisible(true);
  EXPECT_TRUE(h.shell.form5().isVisible());
  EXPECT_TRUE(windows.statusWindowVisible());
  windows.showCompilerWindow();
  EXPECT_TRUE(h.shell.form3().isVisible());
}

TEST(TimersPort, EnablingARunningTimerKeepsItsBeat) {
  ShellHarness h;
  Timers& timers = h.shell.game().ports().timers;
  QTimer* jump = h.shell.form2().JumpTimer;
  timers.setEnabled(TimerId::JumpTimer, true);
  const int firstId = jump->timerId();
  timers.setEnabled(TimerId::JumpTimer, true);
  EXPECT_EQ(jump->timerId(), firstId);
  EXPECT_TRUE(timers.isEnabled(TimerId::JumpTimer));
  timers.setEnabled(TimerId::JumpTimer, false);
  EXPECT_FALSE(jump->isActive());
  timers.setEnabled(TimerId::CodeTimer, true);
  EXPECT_TRUE(h.shell.form3().CodeTimer->isActive());
}

TEST(StatusWindow, TheTimerWritesTheStatusText) {
  ShellHarness h;
  h.shell.form5().buildContent();  // done when the window is first shown
  h.shell.form5().Memo1->setPlainText("typed by the player");
  ASSERT_TRUE(uitest::waitUntil(
      [&] { return h.shell.form5().Memo1->toPlainText() != "typed by the player"; }, 2500));
  EXPECT_EQ(h.shell.form5().Memo1->toPlainText(),
            "Config.sys... compramised\nCommands.sys... compramised");
}

}  // namespace
}  // namespace qv
