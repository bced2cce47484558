#include "toolkit/qt_timers.h"

#include "toolkit/qt_guard.h"

namespace qv {

QTimer* makeTimer(QObject* owner, int interval_ms, std::function<void()> tick) {
  auto* timer = new QTimer(owner);
  timer->setTimerType(Qt::PreciseTimer);
  timer->setInterval(interval_ms);
  QObject::connect(timer, &QTimer::timeout, owner, [tick = std::move(tick)] { guard(tick); });
  return timer;
}

}  // namespace qv
