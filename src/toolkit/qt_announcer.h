#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <string>

class QPlainTextEdit;
class QWidget;

namespace qv {

// Hands the lines a text pane writes to a screen reader, if one is running.
//
// A screen reader ignores text inserted into a text area without the focus,
// and the game's console never has it. So the finished lines are announced;
// when, the speech pacing decides (world/speech_pacing.h): a typed line once,
// whole, at the next pause of the typing or when the handler is done; lines
// added at once (a listing) together, when the handler is done. Nothing is
// announced while the pane's window is hidden.
class LineAnnouncer : public QObject {
 public:
  explicit LineAnnouncer(QWidget* window);
  ~LineAnnouncer() override;

  // The pane's last line now reads `line` (the world's single-byte text): a
  // line of its own when `added`, otherwise the last line rewritten.
  void lineWritten(const std::string& line, bool added);

 private:
  QPointer<QWidget> window_;
  int speaker_;
  bool handlerDoneQueued_ = false;
};

// While one lives, the lines written are background lines: the chat room's
// talk or the comings and goings on the player's server, not an answer to the
// player. They give way: spoken only when the voice is free, and not at all
// once the player has silenced them (see installChatterKey). They stay in the
// pane. The newest one that `worthKeeping` picks waits until it can be said.
class Chatter {
 public:
  using KeepRule = std::function<bool(const std::string& line)>;
  // The chat room's: a line that names an address is kept.
  Chatter();
  explicit Chatter(KeepRule worthKeeping);
  ~Chatter();
  Chatter(const Chatter&) = delete;
  Chatter& operator=(const Chatter&) = delete;

 private:
  KeepRule worthKeeping_;
  const KeepRule* outer_;
};

// F7 in `window` silences the speaking of background lines, or brings it
// back, and says which.
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
// about the windows, after announcing the typed lines that were finished. The
// game types its lines with no events run; a screen reader that asked about a
// line it was told of would otherwise wait, and say nothing, until the whole
// reply is written. Nothing else runs.
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
