#pragma once

#include <QAccessible>
#include <QPointer>
#include <chrono>
#include <deque>

class QString;
class QWidget;

namespace qv {

// The crossing to the screen reader on the Qt at hand: how a text is told to
// it, and how its questions are answered while the game sleeps.
class ReaderBridge {
 public:
  // What the reader says before each text it is told, as time.
  static const std::chrono::milliseconds kRoleWord;

  // Tells the reader `text` on behalf of `window`.
  void tell(QWidget* window, const QString& text);

  // Sleeps until `wake`, answering meanwhile the questions a screen reader
  // asks about the windows. The game types its lines with no events run; a
  // reader that asked about a line it was told of would otherwise wait, and
  // say nothing, until the whole reply is written. Nothing else runs.
  void answerUntil(std::chrono::steady_clock::time_point wake);

 private:
  QObject* accessibilityBus();

  // The lines told last, still registered (see tell).
  std::deque<QAccessible::Id> toldLines_;
  QPointer<QObject> bus_;
};

}  // namespace qv
