#include "toolkit/qt_announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <deque>

#include "toolkit/qt_text.h"

namespace qv {
namespace {

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

bool screenReaderRunning() {
  return QAccessible::isActive();
}

// The area a pane is writing, whose own change events are held back.
QPlainTextEdit* quietArea = nullptr;
bool filterInstalled = false;
QAccessible::UpdateHandler passedOnTo = nullptr;

bool inside(const QObject* object, const QObject* area) {
  for (; object; object = object->parent()) {
    if (object == area) return true;
  }
  return false;
}

void passOnUnlessQuiet(QAccessibleEvent* event) {
  if (quietArea && inside(event->object(), quietArea)) return;
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

void announce(QWidget* window, const QString& text) {
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

LineAnnouncer::LineAnnouncer(QWidget* window) : window_(window) {}

void LineAnnouncer::lineWritten(const QString& line, bool added) {
  if (!window_ || !window_->isVisible()) return;
  if (added) {
    if (last_ && last_ != spoken_) finished_.push_back(*last_);
    spoken_.reset();
  }
  last_ = line;
  if (speakQueued_) return;
  // Typing runs no events, so this waits until the whole reply is written.
  speakQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    speakQueued_ = false;
    speakFinished();
  });
}

void LineAnnouncer::speakFinished() {
  std::vector<QString> lines = std::exchange(finished_, {});
  if (last_ && last_ != spoken_) {
    lines.push_back(*last_);
    spoken_ = last_;
  }
  // One notification for all of them: a screen reader drops notifications
  // while it has many events waiting, and a long listing would be many.
  QStringList said;
  for (const QString& line : lines) {
    if (!line.trimmed().isEmpty()) said << line;
  }
  if (!said.isEmpty()) announce(window_, said.join(QLatin1Char('\n')));
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
