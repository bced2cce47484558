#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>

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

TEST(PlainTextPane, AViewScrolledBackStaysPutAndOneAtTheEndFollows) {
  PaneOnArea p;
  p.area.show();
  for (int i = 0; i < 40; ++i) p.pane.appendLine("line");
  QScrollBar* bar = p.area.verticalScrollBar();
  for (bool atEnd : {false, true}) {
    bar->setValue(atEnd ? bar->maximum() : 5);
    p.pane.appendLine("new");
    p.pane.replaceLastLine("typed");
    p.pane.appendToLastLine(" on");
    EXPECT_EQ(bar->value(), atEnd ? bar->maximum() : 5);
  }
}

TEST(PlainTextPane, UnattachedIgnoresWrites) {
  PlainTextPane pane;
  pane.appendLine("lost");
  EXPECT_EQ(pane.lines(), Lines{});
}

}  // namespace
}  // namespace qv
