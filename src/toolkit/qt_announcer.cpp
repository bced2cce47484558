#include "toolkit/qt_announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

#include "toolkit/qt_text.h"
#include "toolkit/qt_voice.h"
#include "world/speech_pacing.h"

namespace qv {
namespace {

bool screenReaderRunning() {
  return QAccessible::isActive();
}

}  // namespace

void announce(QWidget* window, const QString& text, bool chatter) {
  if (!screenReaderRunning()) return;
  Voice& voice = Voice::get();
  voice.watchReaderEvents();
  const std::string said = text.toStdString();
  voice.pacing().announce(voice.speakerFor(window), said,
                          {.background = chatter, .keep = chatter && namesAnAddress(said)});
  voice.sayDecided();
}

Chatter::Chatter() : Chatter([](const std::string& line) { return namesAnAddress(line); }) {}

Chatter::Chatter(KeepRule worthKeeping)
    : worthKeeping_(std::move(worthKeeping)),
      outer_(std::exchange(Voice::get().background, &worthKeeping_)) {}

Chatter::~Chatter() {
  Voice::get().background = outer_;
}

void installChatterKey(QWidget* window) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F7), window);
  QObject::connect(key, &QShortcut::activated, window, [window] {
    SpeechPacing& pacing = Voice::get().pacing();
    pacing.setBackgroundSilenced(!pacing.backgroundSilenced());
    announce(window, pacing.backgroundSilenced()
                         ? QStringLiteral("Chat room and server activity not spoken")
                         : QStringLiteral("Chat room and server activity spoken"));
  });
}

void sleepAnsweringScreenReader(std::chrono::steady_clock::time_point wake) {
  Voice& voice = Voice::get();
  if (screenReaderRunning()) {
    voice.pacing().typingPaused();
    voice.sayDecided();
  }
  voice.bridge().answerUntil(wake);
}

FocusReturn::FocusReturn() : widget_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
  if (!widget_ || !widget_->isVisible()) return;
  widget_->activateWindow();
  widget_->setFocus(Qt::OtherFocusReason);
}

void focusForScreenReader(QWidget* widget) {
  if (!screenReaderRunning()) return;
  // Once the handler is done: the lines written before are heard first.
  QTimer::singleShot(0, widget, [widget] {
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
  });
}

// The voice watches windows being activated from the start.
LineAnnouncer::LineAnnouncer(QWidget* window)
    : window_(window), speaker_(Voice::get().speakerFor(window)) {}

LineAnnouncer::~LineAnnouncer() {
  // The voice goes with the application.
  if (QCoreApplication::instance()) Voice::get().pacing().paneClosed(speaker_);
}

void LineAnnouncer::lineWritten(const std::string& line, bool added) {
  if (!window_ || !window_->isVisible()) return;
  Voice& voice = Voice::get();
  voice.pacing().lineWritten(speaker_, toQString(line).toStdString(), added, voice.roleOf(line));
  if (handlerDoneQueued_) return;
  // Typing runs no events, so this waits until the whole reply is written.
  handlerDoneQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    handlerDoneQueued_ = false;
    Voice& voice = Voice::get();
    if (!screenReaderRunning()) return voice.pacing().paneClosed(speaker_);
    voice.pacing().handlerDone(speaker_);
    voice.sayDecided();
  });
}

PaneWrite::PaneWrite(QPlainTextEdit* area, LineAnnouncer* announcer, Kind kind,
                     const std::string* text)
    : active_(screenReaderRunning()), announcer_(announcer), kind_(kind), text_(text) {
  if (!active_) return;
  Voice& voice = Voice::get();
  voice.watchReaderEvents();
  outerArea_ = std::exchange(voice.quietArea, area);
  // A write inside another write of the same pane leaves the telling to it.
  if (outerArea_ == area) announcer_ = nullptr;
}

PaneWrite::~PaneWrite() {
  if (!active_) return;
  Voice::get().quietArea = outerArea_;
  if (!announcer_ || !text_) return;
  if (kind_ == Kind::NewLine || kind_ == Kind::RewriteLine) {
    announcer_->lineWritten(*text_, kind_ == Kind::NewLine);
  }
}

}  // namespace qv
