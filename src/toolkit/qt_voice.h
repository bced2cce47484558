#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/qt_reader_bridge.h"
#include "world/speech_pacing.h"

class QPlainTextEdit;
class QWidget;

namespace qv {

// The game's voice: it turns what Qt sees (keys, dialogs, windows activated,
// the accessibility events of the program) into the inputs of the speech
// pacing, and tells the screen reader what the pacing decides, when it
// decides it. One for the program, owned by the application.
class Voice : public QObject {
 public:
  static Voice& get();

  SpeechPacing& pacing() { return pacing_; }
  // The number by which the pacing knows `window`.
  Speaker speakerFor(QWidget* window);
  // Tells the reader what the pacing has decided, and has the pacing look
  // again when it asks to.
  void sayDecided();

  // The program's accessibility events go through the voice from now on: it
  // counts them, and holds back those of the area being written.
  void watchReaderEvents();
  // The area a pane is writing, whose own change events are held back.
  QPlainTextEdit* quietArea = nullptr;

  // The rule that makes the lines written now background lines (see
  // Chatter), or none.
  const std::function<bool(const std::string&)>* background = nullptr;
  LineRole roleOf(const std::string& line) const;

  ReaderBridge& bridge() { return bridge_; }

 private:
  explicit Voice(QObject* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;
  static void passOnUnlessQuiet(QAccessibleEvent* event);

  SpeechPacing pacing_;
  ReaderBridge bridge_;
  QTimer check_;
  std::vector<QPointer<QWidget>> speakers_;
  bool watching_ = false;
  QAccessible::UpdateHandler passedOnTo_ = nullptr;
  // Telling the reader sends events of its own, which are not counted.
  bool telling_ = false;
  // The window the reader was last seen reading whole.
  QPointer<QObject> lastActivated_;
};

}  // namespace qv
