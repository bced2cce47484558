#pragma once

#include <QTimer>
#include <functional>

namespace qv {

// A periodic precise timer whose ticks run through guard(): the 999, 1000
// and 1001 ms timers must not fire on the same beats, and no error may cross
// the event loop.
QTimer* makeTimer(QObject* owner, int interval_ms, std::function<void()> tick);

}  // namespace qv
