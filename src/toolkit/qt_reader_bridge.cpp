#include "toolkit/qt_reader_bridge.h"

#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QPlainTextEdit>
#include <QWidget>
#include <algorithm>
#include <thread>

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
#endif

}  // namespace

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 has no announcement event: a fresh notification object is shown,
// and Orca says "notification" before its text.
const std::chrono::milliseconds ReaderBridge::kRoleWord{900};

void ReaderBridge::tell(QWidget* window, const QString& text) {
  auto* line = new SpokenLine(window, text);
  toldLines_.push_back(QAccessible::registerAccessibleInterface(line));
  QAccessibleEvent shown(line, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
  if (toldLines_.size() > kKeptLines) {
    QAccessible::deleteAccessibleInterface(toldLines_.front());
    toldLines_.pop_front();
  }
}
#else
// Spoken as it is, with no role word before it. Orca 48 drops an
// announcement it reads within 0.1 s of the program's previous one unless it
// comes from a text, so it comes from the window's text area.
const std::chrono::milliseconds ReaderBridge::kRoleWord{0};

void ReaderBridge::tell(QWidget* window, const QString& text) {
  if (!window) return;
  QWidget* text_area = window->findChild<QPlainTextEdit*>();
  QAccessibleAnnouncementEvent announcement(text_area ? text_area : window, text);
  QAccessible::updateAccessibility(&announcement);
}
#endif

// Qt's bridge to the accessibility bus: the screen reader's questions reach
// it as events posted to it from the bus's own thread.
QObject* ReaderBridge::accessibilityBus() {
  if (!bus_) {
    bus_ = QDBusConnection(QStringLiteral("a11y"))
               .objectRegisteredAt(QStringLiteral("/org/a11y/atspi/accessible"));
  }
  return bus_;
}

void ReaderBridge::answerUntil(std::chrono::steady_clock::time_point wake) {
  QObject* bus = QAccessible::isActive() ? accessibilityBus() : nullptr;
  if (!bus) {
    std::this_thread::sleep_until(wake);
    return;
  }
  // A question waits at most this long.
  constexpr auto kSlice = std::chrono::milliseconds(10);
  for (auto now = std::chrono::steady_clock::now(); now < wake;
       now = std::chrono::steady_clock::now()) {
    QCoreApplication::sendPostedEvents(bus, QEvent::MetaCall);
    std::this_thread::sleep_until(std::min(wake, now + kSlice));
  }
}

}  // namespace qv
