#pragma once

#include <QMetaObject>
#include <string>
#include <vector>

#include "world/ports.h"

class QPlainTextEdit;

namespace qv {

class LineAnnouncer;

// A text pane on a QPlainTextEdit. The pane may be created before its widget
// and attached later (the game needs its panes before the windows that hold
// them exist); until then it holds nothing and ignores writes.
//
// Lines are the document's blocks; a LF or CR inside a text stays inside its
// line (see toLineText). An empty document holds no lines, except after an
// empty line was appended to it: it then holds that one empty line.
class PlainTextPane : public TextPane {
 public:
  enum class Follow {
    // After every change scroll to the end, so the newest line shows,
    // unless the player has scrolled back (see showEndUnlessScrolledBack).
    End,
    // The same, and after replacing the last line also repaint at once, so
    // a typed line shows every step although no events run during the
    // pauses between them.
    EndAndTyping,
  };

  PlainTextPane() = default;
  ~PlainTextPane() override;
  PlainTextPane(const PlainTextPane&) = delete;
  PlainTextPane& operator=(const PlainTextPane&) = delete;

  void attach(QPlainTextEdit* area, Follow follow = Follow::End);
  // Whole lines written from now on also go to a screen reader.
  void speakLinesThrough(LineAnnouncer* announcer) { announcer_ = announcer; }

  void appendLine(const std::string& line) override;
  void replaceLastLine(const std::string& line) override;
  void appendToLastLine(const std::string& text) override;
  std::string lastLine() const override;
  std::vector<std::string> lines() const override;
  void clear() override;
  // Rewrites only the characters that changed, so the caret stays where the
  // player put it; text written into an empty pane is read from the top.
  void showLines(const std::vector<std::string>& lines) override;

 private:
  bool holdsNoLines() const;
  // Replaces the last line or appends to it.
  void writeLastLine(const std::string& text, bool replace);
  void followChange(bool repaintNow);

  QPlainTextEdit* area_ = nullptr;
  Follow follow_ = Follow::End;
  // The document cannot tell "no lines" from "one empty line".
  bool emptyLineAppended_ = false;
  QMetaObject::Connection editWatch_;
  LineAnnouncer* announcer_ = nullptr;
};

// The raw lines of a text area, final empty block included: what the player
// sees in an input area, line by line, as bytes.
std::vector<std::string> rawLines(const QPlainTextEdit& area);

}  // namespace qv
