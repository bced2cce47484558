#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>
#include <functional>

#include "toolkit/qt_look.h"
#include "toolkit/qt_text_area.h"
#include "toolkit/qt_text_pane.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

struct PaneOnArea {
  TextArea area{nullptr};
  PlainTextPane pane;
  PaneOnArea() { pane.attach(&area); }
};

TEST(PlainTextPane, EmptyHoldsNoLinesButAnAppendedEmptyLineCounts) {
  PaneOnArea p;
  EXPECT_EQ(p.pane.lines(), Lines{});
  EXPECT_EQ(p.pane.lastLine(), "");
  p.pane.appendLine("");
  EXPECT_EQ(p.pane.lines(), Lines{""});
  p.pane.appendLine("second");
  EXPECT_EQ(p.pane.lines(), (Lines{"", "second"}));
  p.pane.clear();
  EXPECT_EQ(p.pane.lines(), Lines{});
}

TEST(PlainTextPane, ReplaceAndAppendWorkOnTheLastLineOnly) {
  PaneOnArea p;
  p.pane.replaceLastLine("first");  // on an empty pane: the first line
  p.pane.appendLine("");
  p.pane.replaceLastLine("typ");
  p.pane.replaceLastLine("typed");
  p.pane.appendToLastLine(" more");
  EXPECT_EQ(p.pane.lines(), (Lines{"first", "typed more"}));
  p.pane.appendLine("");
  p.pane.replaceLastLine("");
  EXPECT_EQ(p.pane.lines(), (Lines{"first", "typed more", ""}));
}

TEST(PlainTextPane, AFinalEmptyLineAfterABreakIsNotTheLastLine) {
  PaneOnArea p;
  p.area.setPlainText(":repeat\n:end\n");
  EXPECT_EQ(p.pane.lastLine(), ":end");
  p.area.setPlainText(":end\n\n");
  EXPECT_EQ(p.pane.lastLine(), "");
  EXPECT_EQ(p.pane.lines(), (Lines{":end", "", ""}));  // the raw blocks
}

TEST(PlainTextPane, WindowsBytesSurviveTheRoundTrip) {
  PaneOnArea p;
  p.pane.appendLine("caf\xE9 \x80");
  EXPECT_EQ(p.area.toPlainText(), QString::fromUtf8("café €"));
  EXPECT_EQ(p.pane.lastLine(), "caf\xE9 \x80");
}

TEST(PlainTextPane, EveryByteStaysInItsLineWhateverTheOperation) {
  std::string text;  // LF and CR among them
  for (int b = 1; b < 256; ++b) text += static_cast<char>(b);
  PaneOnArea p;
  p.pane.appendLine("");
  for (std::size_t i = 1; i <= text.size(); ++i) p.pane.replaceLastLine(text.substr(0, i));
  p.pane.appendToLastLine(text);
  p.pane.appendLine(text);
  EXPECT_EQ(p.pane.lines(), (Lines{text + text, text}));
  EXPECT_EQ(p.pane.lastLine(), text);
  EXPECT_EQ(p.area.blockCount(), 2);
}

TEST(PlainTextPane, LogPanelsKeepTheNewestLines) {
  PaneOnArea p;
  p.area.setMaximumBlockCount(3);
  for (const char* line : {"1", "2", "3", "4", "5"}) p.pane.appendLine(line);
  EXPECT_EQ(p.pane.lines(), (Lines{"3", "4", "5"}));
}

// Every way a player moves the view: moved up, it stays put while lines are
// written; moved back to the end, it follows them again.
TEST(PlainTextPane, AViewScrolledBackStaysPutAndOneAtTheEndFollows) {
  const auto keys = [](std::vector<QKeyCombination> pressed) {
    return [pressed](TextArea& area) {
      for (QKeyCombination key : pressed)
        QTest::keyClick(&area, key.key(), key.keyboardModifiers());
    };
  };
  const auto wheelUp = [](TextArea& area) {
    const QPointF middle = QRectF(area.viewport()->rect()).center();
    QWheelEvent wheel(middle, area.viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area.viewport(), &wheel);
  };
  const struct {
    const char* way;
    std::function<void(TextArea&)> move;
    bool followsAfter;
  } cases[] = {
      {"Ctrl+Home", keys({Qt::ControlModifier | Qt::Key_Home}), false},
      {"Up", keys(std::vector<QKeyCombination>(12, Qt::Key_Up)), false},
      {"Page Up", keys({Qt::Key_PageUp}), false},
      {"wheel", wheelUp, false},
      {"scroll bar", [](TextArea& area) { area.verticalScrollBar()->setValue(5); }, false},
      {"Ctrl+End", keys({Qt::ControlModifier | Qt::Key_Home, Qt::ControlModifier | Qt::Key_End}),
       true},
      {"Up within the view", keys({Qt::Key_Up}), true},
  };
  for (const auto& c : cases) {
    PaneOnArea p;
    styleTextArea(&p.area, {.readOnly = true});  // as the console: read with the caret
    p.area.resize(200, 100);
    p.area.show();
    for (int i = 0; i < 40; ++i) p.pane.appendLine("line");
    p.area.moveCursor(QTextCursor::End);
    c.move(p.area);
    QScrollBar* bar = p.area.verticalScrollBar();
    const int left = bar->value();
    EXPECT_EQ(p.area.followsEnd(), c.followsAfter) << c.way;
    p.pane.appendLine("new");
    p.pane.replaceLastLine("typed");
    p.pane.appendToLastLine(" on");
    EXPECT_EQ(bar->value(), c.followsAfter ? bar->maximum() : left) << c.way;
    EXPECT_GT(bar->maximum(), left) << c.way;
  }
}

// The status window is shown anew every second while the player reads it
// line by line: the caret stays on the line, and at the place in it, where
// the player left it.
TEST(PlainTextPane, ShowLinesRewritesOnlyWhatChangedAndTheCaretHolds) {
  const Lines shown = {"Config.sys... stable", "Commands.sys... stable",
                       "Current server suspicion: 12"};
  const struct {
    Lines next;
    int caretLine, caretColumn, caretLineAfter, caretColumnAfter;
  } cases[] = {
      {{shown[0], shown[1], "Current server suspicion: 13"}, 1, 0, 1, 0},
      {{shown[0], shown[1], "Current server suspicion: 13"}, 2, 28, 2, 28},
      {{shown[0], "Commands.sys... compramised", shown[2]}, 1, 22, 1, 27},
      {{shown[0], shown[1]}, 2, 0, 1, 22},
      {{"Config.sys... compramised", shown[1], shown[2], "a fourth line"}, 2, 4, 2, 4},
      {{""}, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    PaneOnArea p;
    p.pane.showLines(shown);
    EXPECT_EQ(p.area.textCursor().position(), 0);  // a new text is read from the top
    QTextCursor caret(p.area.document()->findBlockByNumber(c.caretLine));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, c.caretColumn);
    p.area.setTextCursor(caret);
    p.pane.showLines(c.next);
    EXPECT_EQ(p.pane.lines(), c.next);
    const QTextCursor after = p.area.textCursor();
    EXPECT_EQ(after.blockNumber(), c.caretLineAfter) << c.next.back();
    EXPECT_EQ(after.positionInBlock(), c.caretColumnAfter) << c.next.back();
  }
}

TEST(PlainTextPane, UnattachedIgnoresWrites) {
  PlainTextPane pane;
  pane.appendLine("lost");
  EXPECT_EQ(pane.lines(), Lines{});
}

}  // namespace
}  // namespace qv
