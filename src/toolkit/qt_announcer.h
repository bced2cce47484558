#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QWidget;

namespace qv {

// Hands the lines a text pane writes to a screen reader, if one is running.
//
// A screen reader ignores text inserted into a text area without the focus,
// and the game's console never has it. So the finished lines are announced
// (see announce). A typed line grows by replacing the last line once per
// character, with no events run in between: it is announced once, whole, as
// soon as the next line begins or the handler is done, and not again while it
// stays the same. A typed line that another line follows is announced at the
// next pause of the typing (see sleepAnsweringScreenReader), so a long reply is
// heard line by line as it is typed; lines added at once (a listing) go out
// together, as one announcement, when the handler is done. (Not at once: a
// line told just before a modal dialog opens would drown in its events.) Nothing is announced while
// the pane's window is hidden.
//
// Chatter (lines written while a Chatter lives) gives way: it is spoken only
// when the voice is free of everything said before, and not at all once the
// player has silenced it (see installChatterKey). It stays in the pane.
class LineAnnouncer : public QObject {
 public:
  explicit LineAnnouncer(QWidget* window);
  ~LineAnnouncer() override;

  // The pane's last line now reads `line`: a line of its own when `added`,
  // otherwise the last line rewritten.
  void lineWritten(const QString& line, bool added);

 private:
  struct Line {
    QString text;
    bool chatter = false;
  };
  void speakFinished();
  void speak(const std::vector<Line>& lines);
  friend void sleepAnsweringScreenReader(std::chrono::steady_clock::time_point wake);

  QPointer<QWidget> window_;
  // Lines that were followed by another line, not yet spoken.
  std::vector<Line> finished_;
  std::optional<Line> last_;
  // The last line was rewritten since it was added: it is being typed.
  bool lastTyped_ = false;
  // The finished lines end with a typed one: they go out at the next pause.
  bool typedLineFinished_ = false;
  // What was announced of the current last line.
  std::optional<QString> spoken_;
  bool speakQueued_ = false;
};

// While one lives, the lines written are chatter: the chat room's talk, not
// an answer to the player.
class Chatter {
 public:
  Chatter();
  ~Chatter();
  Chatter(const Chatter&) = delete;
  Chatter& operator=(const Chatter&) = delete;
};

// F7 in `window` silences the speaking of chatter, or brings it back, and
// says which.
void installChatterKey(QWidget* window);

// One write of a text pane, from start to end. While it lasts, the changes it
// makes to the area are not reported to a screen reader one by one: a typed
// line would send three events per character, more than a screen reader can
// take while the game sleeps between the characters, and it would then drop
// the announcements as well. When the write is over, the line it left goes
// to the announcer, if any. Without a screen reader it does nothing.
class PaneWrite {
 public:
  enum class Kind { NewLine, RewriteLine, ExtendLine, Clear };

  PaneWrite(QPlainTextEdit* area, LineAnnouncer* announcer, Kind kind,
            const std::string* text = nullptr);
  ~PaneWrite();
  PaneWrite(const PaneWrite&) = delete;
  PaneWrite& operator=(const PaneWrite&) = delete;

 private:
  bool active_;
  QPlainTextEdit* outerArea_ = nullptr;
  LineAnnouncer* announcer_;
  Kind kind_;
  const std::string* text_;
};

// Gives the keyboard back, once a dialog or box has closed, to the widget that
// had it when this was made. Without a window manager nobody else does, and a
// screen reader would not know where the player is.
class FocusReturn {
 public:
  FocusReturn();
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

 private:
  QPointer<QWidget> widget_;
};

// Sleeps until `wake`, answering meanwhile the questions a screen reader asks
// about the windows, after announcing the typed lines that were finished. The game types its lines
// with no events run; a screen reader that asked about a line it was told of would otherwise wait,
// and say nothing, until the whole reply is written. Nothing else runs.
void sleepAnsweringScreenReader(std::chrono::steady_clock::time_point wake);

// Moves the keyboard to `widget` when a screen reader is running, so the
// player hears where a window that just opened expects input, after the lines
// written so far. Others keep the keyboard where it was.
void focusForScreenReader(QWidget* widget);

// Announces `text` on behalf of `window`. A screen reader drops what it is
// told while many events wait for it (a file dialog opening or closing sends
// dozens), so the text waits while a modal dialog is open and until the
// program has been quiet for a while after a burst of events. Chatter is
// dropped instead when the voice is still busy.
void announce(QWidget* window, const QString& text, bool chatter = false);

}  // namespace qv
