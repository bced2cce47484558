#include "toolkit/qt_voice.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <utility>

namespace qv {
namespace {

std::chrono::milliseconds steadyNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

bool inside(const QObject* object, const QObject* area) {
  for (; object; object = object->parent()) {
    if (object == area) return true;
  }
  return false;
}

// An announcement may come from the area being written; it is never held
// back with that area's own change events.
bool isAnnouncement(const QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  return event->type() == QAccessible::Announcement;
#else
  (void)event;
  return false;
#endif
}

bool isModal(QObject* object) {
  return object->isWidgetType() && static_cast<QWidget*>(object)->isModal();
}

}  // namespace

Voice& Voice::get() {
  static QPointer<Voice> voice;
  if (!voice) voice = new Voice(qApp);
  return *voice;
}

Voice::Voice(QObject* parent)
    : QObject(parent),
      pacing_(
          steadyNow, [] { return QApplication::activeModalWidget() != nullptr; },
          ReaderBridge::kRoleWord) {
  check_.setSingleShot(true);
  connect(&check_, &QTimer::timeout, this, [this] {
    pacing_.check();
    sayDecided();
  });
  parent->installEventFilter(this);
}

Speaker Voice::speakerFor(QWidget* window) {
  for (std::size_t i = 0; i < speakers_.size(); ++i) {
    if (speakers_[i] == window) return static_cast<Speaker>(i);
  }
  speakers_.emplace_back(window);
  return static_cast<Speaker>(speakers_.size() - 1);
}

void Voice::sayDecided() {
  for (const Announcement& said : pacing_.takeAnnouncements()) {
    telling_ = true;
    bridge_.tell(speakers_.at(static_cast<std::size_t>(said.speaker)),
                 QString::fromStdString(said.text));
    telling_ = false;
  }
  if (const auto next = pacing_.nextCheck()) {
    check_.start(std::max<int>(0, static_cast<int>((*next - steadyNow()).count())));
  } else {
    check_.stop();
  }
}

LineRole Voice::roleOf(const std::string& line) const {
  if (!background) return {};
  return {.background = true, .keep = (*background)(line)};
}

// A screen reader stops speaking at every key press, and reads a window that
// is activated. A modal dialog sends dozens of events as it opens and as it
// closes, on the way to the reader before the program next runs events.
bool Voice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) pacing_.keyPressed();
  const bool showOrHide = event->type() == QEvent::Show || event->type() == QEvent::Hide;
  if (showOrHide && QAccessible::isActive() && isModal(watched)) pacing_.readerFlooded();
  if (event->type() == QEvent::WindowActivate && QAccessible::isActive() &&
      watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
      watched != lastActivated_) {
    lastActivated_ = watched;
    pacing_.readerFlooded();
  }
  return QObject::eventFilter(watched, event);
}

void Voice::watchReaderEvents() {
  if (std::exchange(watching_, true)) return;
  passedOnTo_ = QAccessible::installUpdateHandler(&Voice::passOnUnlessQuiet);
}

void Voice::passOnUnlessQuiet(QAccessibleEvent* event) {
  Voice& voice = get();
  if (voice.quietArea && !isAnnouncement(event) && inside(event->object(), voice.quietArea)) {
    return;
  }
  if (!voice.telling_) voice.pacing_.otherEvent();
  if (voice.passedOnTo_) {
    voice.passedOnTo_(event);
    return;
  }
  // Without a handler the event goes on to the platform's bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&Voice::passOnUnlessQuiet);
}

}  // namespace qv
