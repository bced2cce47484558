#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

#include "world/console.h"
#include "world/game.h"
#include "world/ports.h"

namespace qv::monkey {

// The monotonic time in milliseconds.
inline std::int64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Aborts the program with a message when the event loop has not come back
// for too long. The loop beats on every monkey event; a typed line beats on
// every character, so a long line of typing is never taken for a hang.
class Watchdog {
 public:
  Watchdog(std::int64_t limit_ms, std::function<void()> onHang)
      : limit_ms_(limit_ms), onHang_(std::move(onHang)), thread_([this] { watch(); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void beat() { lastBeat_ms_ = nowMs(); }

 private:
  void watch() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (nowMs() - lastBeat_ms_ > limit_ms_) onHang_();
    }
  }

  const std::int64_t limit_ms_;
  std::function<void()> onHang_;
  std::atomic<std::int64_t> lastBeat_ms_{nowMs()};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The game's clock with the typing pace shortened: every step of a typed
// line sleeps 1 ms instead of kTypingStepMs, so the monkey sends that many
// times more events in a run. Everything else (the timers, the time of day) runs as in the game.
class ShortTypingPace : public Pace {
 public:
  static constexpr int kDivisor = kTypingStepMs;
  explicit ShortTypingPace(Watchdog& watchdog) : watchdog_(watchdog) {}

  void sleep(int milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds / kDivisor));
    watchdog_.beat();
  }
  // Each shortened sleep is whole already: there is no beat to restart.
  void startBeat() override {}
  std::int64_t timeOfDayMs() override {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return sinceEpoch.count() % (24LL * 60 * 60 * 1000);
  }

 private:
  Watchdog& watchdog_;
};

}  // namespace qv::monkey
