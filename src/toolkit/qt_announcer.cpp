#include "toolkit/qt_announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDBusConnection>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

#include "toolkit/qt_text.h"

namespace qv {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A line to be spoken: a notification with the line as its name, in the
// window that wrote it. It has no widget, so nothing is drawn.
class SpokenLine : public QAccessibleInterface {
 public:
  SpokenLine(QWidget* window, const QString& text) : window_(window), text_(text) {}

  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return window_ ? QAccessible::queryAccessibleInterface(window_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? text_ : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<QWidget> window_;
  QString text_;
};

// The reader asks for a line's text after the event has gone out, so the
// newest lines stay registered for a while.
constexpr std::size_t kKeptLines = 64;

std::deque<QAccessible::Id>& keptLines() {
  static std::deque<QAccessible::Id> ids;
  return ids;
}

// Qt 6.4 has no announcement event: a fresh notification object is shown,
// and Orca says "notification" before its text.
void tellReader(QWidget* window, const QString& text) {
  auto* line = new SpokenLine(window, text);
  std::deque<QAccessible::Id>& kept = keptLines();
  kept.push_back(QAccessible::registerAccessibleInterface(line));
  QAccessibleEvent shown(line, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
  if (kept.size() > kKeptLines) {
    QAccessible::deleteAccessibleInterface(kept.front());
    kept.pop_front();
  }
}
constexpr int kRoleWordMs = 900;
#else
// Spoken as it is, with no role word before it. Orca 48 drops an
// announcement it reads within 0.1 s of the program's previous one unless it
// comes from a text, so it comes from the window's text area.
void tellReader(QWidget* window, const QString& text) {
  if (!window) return;
  QWidget* text_area = window->findChild<QPlainTextEdit*>();
  QAccessibleAnnouncementEvent announcement(text_area ? text_area : window, text);
  QAccessible::updateAccessibility(&announcement);
}
constexpr int kRoleWordMs = 0;
#endif

// How long a text takes to say, roughly: espeak-ng at its default rate says
// about 14 characters a second.
std::chrono::milliseconds speakingTime(const QString& text) {
  constexpr int kCharsPerSecond = 14;
  return std::chrono::milliseconds(kRoleWordMs + text.size() * 1000 / kCharsPerSecond);
}

// Orca (measured with Orca 43) drops the events that carry announcements
// once more than 50 events wait for it: a modal dialog opening or closing
// sends dozens at once, and anything told just before goes with them. Orca
// asks the program about every event it gets, so it works through them only
// while the program answers (hence sleepAnsweringScreenReader), and slowly:
// about 6 a second on a busy two-core machine while the game typed, and
// when a window is activated it asks about the whole window first. So the
// voice keeps a rough count of the events Orca still has to read, and an
// announcement goes out only while that count is small and no modal dialog is
// open; otherwise it waits until the count is small again. Orca never keeps
// more than about 50 (it prunes the rest), and some of the program's events
// never reach it, so the count stops at 40: at most five seconds of waiting.
constexpr double kFewEvents = 12;
constexpr double kMostUnread = 40;
constexpr double kEventsReadPerSecond = 6;
constexpr int kPollMs = 100;
// However busy the program keeps the reader, nothing waits longer than this
// once no modal dialog is open.
constexpr auto kLongestWait = std::chrono::seconds(6);

class Voice : public QObject {
 public:
  static Voice& get() {
    static QPointer<Voice> voice;
    if (!voice) voice = new Voice(qApp);
    return *voice;
  }

  void say(QWidget* window, const QString& text, bool chatter) {
    // Chatter never waits: it is said when the voice is free, or not at all,
    // except the latest line that names an address, kept for the next pause.
    if (chatter) {
      if (chatterSilenced) return;
      if (!pending_.empty() || busy()) return holdIfItNamesAnAddress(window, text);
      held_ = {};
    }
    if (pending_.empty()) pendingSince_ = Clock::now();
    pending_.push_back({window, text});
    sayWaitingIfCalm();
  }

  // Any other event for the screen reader.
  void otherEvent() {
    if (sending_) return;
    unread() += 1;
  }

  // Tells what waits once Orca has caught up; otherwise checks again later.
  void sayWaitingIfCalm() {
    if (pending_.empty()) return;
    if (QApplication::activeModalWidget()) pendingSince_ = Clock::now();
    const bool waitedLongest = Clock::now() - pendingSince_ > kLongestWait;
    if (QApplication::activeModalWidget() || (unread() >= kFewEvents && !waitedLongest)) {
      if (!poll_.isActive()) poll_.start(kPollMs);
      return;
    }
    std::vector<Pending> waiting = std::exchange(pending_, {});
    // What one window said in a row goes out as one announcement.
    for (std::size_t i = 0; i < waiting.size();) {
      QStringList texts;
      std::size_t j = i;
      for (; j < waiting.size() && waiting[j].window == waiting[i].window; ++j) {
        texts << waiting[j].text;
      }
      send(waiting[i].window, texts.join(QLatin1Char('\n')));
      i = j;
    }
  }

  bool chatterSilenced = false;

 private:
  using Clock = std::chrono::steady_clock;
  struct Pending {
    QPointer<QWidget> window;
    QString text;
  };

  explicit Voice(QObject* parent) : QObject(parent) {
    poll_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &Voice::sayWaitingIfCalm);
    heldPoll_.setSingleShot(true);
    connect(&heldPoll_, &QTimer::timeout, this, &Voice::sayHeldWhenFree);
    parent->installEventFilter(this);
  }

  // A screen reader stops speaking at every key press, and reads a window
  // that is activated. A modal dialog sends dozens of events as it opens and
  // as it closes, on the way to the reader before the program next runs
  // events.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) busyUntil_ = Clock::now();
    const bool showOrHide = event->type() == QEvent::Show || event->type() == QEvent::Hide;
    if (showOrHide && QAccessible::isActive() && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isModal()) {
      unread() = kMostUnread;
    }
    if (event->type() == QEvent::WindowActivate && QAccessible::isActive() &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
        watched != lastActivated_) {
      lastActivated_ = watched;
      unread() = kMostUnread;
    }
    return QObject::eventFilter(watched, event);
  }

  bool busy() const { return Clock::now() < busyUntil_; }

  // The chat room's addresses are how a player finds a server, so a chat line
  // that names one is not dropped for being late: the newest such line waits
  // until the voice is free, and takes the place of any older one.
  void holdIfItNamesAnAddress(QWidget* window, const QString& text) {
    static const QRegularExpression address(QStringLiteral(R"(\b\d{1,3}(\.\d{1,3}){3}\b)"));
    if (!address.match(text).hasMatch()) return;
    held_ = {window, text};
    sayHeldWhenFree();
  }

  void sayHeldWhenFree() {
    if (!held_.window || chatterSilenced) return;
    if (!pending_.empty() || busy()) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(busyUntil_ - Clock::now());
      heldPoll_.start(std::max<int>(kPollMs, static_cast<int>(left.count())));
      return;
    }
    const Pending line = std::exchange(held_, {});
    say(line.window, line.text, false);
  }

  // The events Orca has likely not read yet.
  double& unread() {
    const auto now = Clock::now();
    const std::chrono::duration<double> elapsed = now - lastCount_;
    unread_ = std::clamp(unread_ - elapsed.count() * kEventsReadPerSecond, 0.0, kMostUnread);
    lastCount_ = now;
    return unread_;
  }

  void send(QWidget* window, const QString& text) {
    unread() += 1;
    busyUntil_ = std::max(busyUntil_, Clock::now()) + speakingTime(text);
    sending_ = true;
    tellReader(window, text);
    sending_ = false;
  }

  std::vector<Pending> pending_;
  Clock::time_point pendingSince_;
  QTimer poll_;
  Pending held_;
  QTimer heldPoll_;
  // The window the reader was last seen reading whole.
  QPointer<QObject> lastActivated_;
  double unread_ = 0;
  Clock::time_point lastCount_;
  bool sending_ = false;
  // When the voice is likely to have said all it was told.
  Clock::time_point busyUntil_;
};

bool screenReaderRunning() {
  return QAccessible::isActive();
}

// The area a pane is writing, whose own change events are held back.
QPlainTextEdit* quietArea = nullptr;
bool filterInstalled = false;
QAccessible::UpdateHandler passedOnTo = nullptr;
int chatterDepth = 0;

std::vector<LineAnnouncer*>& allAnnouncers() {
  static std::vector<LineAnnouncer*> announcers;
  return announcers;
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

void passOnUnlessQuiet(QAccessibleEvent* event) {
  if (quietArea && !isAnnouncement(event) && inside(event->object(), quietArea)) return;
  Voice::get().otherEvent();
  if (passedOnTo) {
    passedOnTo(event);
    return;
  }
  // Without a handler the event goes on to the platform's bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&passOnUnlessQuiet);
}

void installQuietFilter() {
  if (filterInstalled) return;
  filterInstalled = true;
  passedOnTo = QAccessible::installUpdateHandler(&passOnUnlessQuiet);
}

}  // namespace

void announce(QWidget* window, const QString& text, bool chatter) {
  if (!screenReaderRunning()) return;
  installQuietFilter();
  Voice::get().say(window, text, chatter);
}

Chatter::Chatter() {
  ++chatterDepth;
}

Chatter::~Chatter() {
  --chatterDepth;
}

void installChatterKey(QWidget* window) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F7), window);
  QObject::connect(key, &QShortcut::activated, window, [window] {
    bool& silenced = Voice::get().chatterSilenced;
    silenced = !silenced;
    announce(window, silenced ? QStringLiteral("Chat room not spoken")
                              : QStringLiteral("Chat room spoken"));
  });
}

namespace {

// Qt's bridge to the accessibility bus: the screen reader's questions reach
// it as events posted to it from the bus's own thread.
QObject* accessibilityBridge() {
  static QPointer<QObject> bridge;
  if (!bridge) {
    bridge = QDBusConnection(QStringLiteral("a11y"))
                 .objectRegisteredAt(QStringLiteral("/org/a11y/atspi/accessible"));
  }
  return bridge;
}

}  // namespace

void sleepAnsweringScreenReader(std::chrono::steady_clock::time_point wake) {
  for (LineAnnouncer* announcer : allAnnouncers()) {
    if (std::exchange(announcer->typedLineFinished_, false)) {
      announcer->speak(std::exchange(announcer->finished_, {}));
    }
  }
  Voice::get().sayWaitingIfCalm();
  QObject* bridge = screenReaderRunning() ? accessibilityBridge() : nullptr;
  if (!bridge) {
    std::this_thread::sleep_until(wake);
    return;
  }
  // A question waits at most this long.
  constexpr auto kSlice = std::chrono::milliseconds(10);
  for (auto now = std::chrono::steady_clock::now(); now < wake;
       now = std::chrono::steady_clock::now()) {
    QCoreApplication::sendPostedEvents(bridge, QEvent::MetaCall);
    std::this_thread::sleep_until(std::min(wake, now + kSlice));
  }
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

LineAnnouncer::LineAnnouncer(QWidget* window) : window_(window) {
  allAnnouncers().push_back(this);
  // The voice watches windows being activated from the start.
  Voice::get();
}

LineAnnouncer::~LineAnnouncer() {
  std::erase(allAnnouncers(), this);
}

void LineAnnouncer::lineWritten(const QString& line, bool added) {
  if (!window_ || !window_->isVisible()) return;
  if (added) {
    if (last_ && last_->text != spoken_) finished_.push_back(*last_);
    spoken_.reset();
    // A typed line took a while to type: heard now, not when the reply ends.
    if (std::exchange(lastTyped_, false)) typedLineFinished_ = true;
  } else {
    lastTyped_ = true;
  }
  last_ = Line{line, chatterDepth > 0};
  if (speakQueued_) return;
  // Typing runs no events, so this waits until the whole reply is written.
  speakQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    speakQueued_ = false;
    speakFinished();
  });
}

void LineAnnouncer::speakFinished() {
  typedLineFinished_ = false;
  std::vector<Line> lines = std::exchange(finished_, {});
  if (last_ && last_->text != spoken_) {
    lines.push_back(*last_);
    spoken_ = last_->text;
  }
  speak(lines);
}

void LineAnnouncer::speak(const std::vector<Line>& lines) {
  // Lines written together go out together: a screen reader drops what it is
  // told while many events wait, and a long listing would be many. Chatter
  // and the rest are told apart, as chatter may be left unsaid.
  QStringList said;
  bool chatter = false;
  auto sayGathered = [&] {
    if (!said.isEmpty()) announce(window_, said.join(QLatin1Char('\n')), chatter);
    said.clear();
  };
  for (const Line& line : lines) {
    if (line.text.trimmed().isEmpty()) continue;
    if (line.chatter != chatter) sayGathered();
    chatter = line.chatter;
    said << line.text;
  }
  sayGathered();
}

PaneWrite::PaneWrite(QPlainTextEdit* area, LineAnnouncer* announcer, Kind kind,
                     const std::string* text)
    : active_(screenReaderRunning()), announcer_(announcer), kind_(kind), text_(text) {
  if (!active_) return;
  installQuietFilter();
  outerArea_ = std::exchange(quietArea, area);
  // A write inside another write of the same pane leaves the telling to it.
  if (outerArea_ == area) announcer_ = nullptr;
}

PaneWrite::~PaneWrite() {
  if (!active_) return;
  quietArea = outerArea_;
  if (!announcer_ || !text_) return;
  if (kind_ == Kind::NewLine || kind_ == Kind::RewriteLine) {
    announcer_->lineWritten(toQString(*text_), kind_ == Kind::NewLine);
  }
}

}  // namespace qv
