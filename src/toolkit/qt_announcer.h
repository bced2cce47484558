#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
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
// as notification objects of their own (fresh objects, as the reader asks for
// their text some time after the event). A typed line grows by replacing the
// last line once per character, with no events run in between: it is
// announced once, whole, when the event loop runs again, and not again while
// it stays the same. Nothing is announced while the pane's window is hidden.
class LineAnnouncer : public QObject {
 public:
  explicit LineAnnouncer(QWidget* window);

  // The pane's last line now reads `line`: a line of its own when `added`,
  // otherwise the last line rewritten.
  void lineWritten(const QString& line, bool added);

 private:
  void speakFinished();

  QPointer<QWidget> window_;
  // Lines that were followed by another line, not yet spoken.
  std::vector<QString> finished_;
  std::optional<QString> last_;
  // What was announced of the current last line.
  std::optional<QString> spoken_;
  bool speakQueued_ = false;
};

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

// Moves the keyboard to `widget` when a screen reader is running, so the
// player hears where a window that just opened expects input, after the lines
// written so far. Others keep the keyboard where it was.
void focusForScreenReader(QWidget* widget);

// Announces `text` as a notification that belongs to `window`.
void announce(QWidget* window, const QString& text);

}  // namespace qv
