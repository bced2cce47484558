#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "terminal/interpreter.h"
#include "world/game.h"
#include "world/ports.h"

namespace qv::test {

// A text pane as a plain list of lines. Optionally keeps only its newest
// lines, like the log panels of the real window.
class FakePane : public TextPane {
 public:
  std::vector<std::string> content;
  std::size_t maxLines = 0;  // 0: unbounded
  int changes = 0;           // every append or replace, for typing checks

  void appendLine(const std::string& line) override {
    content.push_back(line);
    trim();
    ++changes;
  }
  void replaceLastLine(const std::string& line) override {
    if (content.empty()) {
      content.push_back(line);
    } else {
      content.back() = line;
    }
    ++changes;
  }
  void appendToLastLine(const std::string& text) override {
    if (content.empty()) content.emplace_back();
    content.back() += text;
    ++changes;
  }
  std::string lastLine() const override {
    if (content.empty()) return {};
    return content.back();
  }
  std::vector<std::string> lines() const override { return content; }
  void clear() override { content.clear(); }

 private:
  void trim() {
    if (maxLines == 0) return;
    while (content.size() > maxLines) content.erase(content.begin());
  }
};

// A virtual clock: sleeping advances the time of day and costs no real time.
class FakePace : public Pace {
 public:
  explicit FakePace(std::int64_t startMsOfDay) : now(startMsOfDay) {}
  std::int64_t now;
  std::int64_t slept = 0;
  std::vector<int> sleeps;
  // Called after each sleep with the time slept so far; lets a test look at
  // the console in the middle of a typed line.
  std::function<void()> onSleep;

  void sleep(int milliseconds) override {
    sleeps.push_back(milliseconds);
    slept += milliseconds;
    now = (now + milliseconds) % 86'400'000;
    if (onSleep) onSleep();
  }
  // Every virtual pause is whole already.
  void startBeat() override {}
  std::int64_t timeOfDayMs() override { return now; }
};

class FakeTimers : public Timers {
 public:
  std::map<TimerId, bool> state;
  void setEnabled(TimerId timer, bool enabled) override { state[timer] = enabled; }
  bool isEnabled(TimerId timer) const override {
    const auto it = state.find(timer);
    return it != state.end() && it->second;
  }
};

class FakeWindows : public Windows {
 public:
  bool gameWindowVisible = true;
  bool menuVisible = false;
  int repaints = 0;
  // Answers of the mission dialog, one per call; an empty queue cancels.
  std::deque<std::optional<std::string>> missionAnswers;
  int missionDialogs = 0;
  bool compilerVisible = false;
  int compilerShows = 0;
  bool statusVisible = false;
  bool panelsVisible = false;
  int beeps = 0;

  void hideGameWindow() override { gameWindowVisible = false; }
  void showMainMenu() override { menuVisible = true; }
  void repaintGameWindow() override { ++repaints; }
  std::optional<std::string> askMissionFile() override {
    ++missionDialogs;
    if (missionAnswers.empty()) return std::nullopt;
    auto answer = missionAnswers.front();
    missionAnswers.pop_front();
    return answer;
  }
  void showCompilerWindow() override {
    compilerVisible = true;
    ++compilerShows;
  }
  bool statusWindowVisible() const override { return statusVisible; }
  void setStatusWindowVisible(bool visible) override { statusVisible = visible; }
  bool logPanelsVisible() const override { return panelsVisible; }
  void setLogPanelsVisible(bool visible) override { panelsVisible = visible; }
  void beep() override { ++beeps; }
};

// 12:34:56.789 UTC, the time of day most tests start at.
constexpr std::int64_t kNoonishMs = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;

// A game wired to fakes, on a fixed time of day.
struct TestGame {
  explicit TestGame(std::int64_t startMsOfDay = kNoonishMs) : pace(startMsOfDay) {
    jumpLog.maxLines = kLogPanelMaxLines;
    fileLog.maxLines = kLogPanelMaxLines;
  }

  FakePane console, jumpLog, fileLog, compiler, status;
  FakePace pace;
  FakeTimers timers;
  FakeWindows windows;
  Game game{Ports{console, jumpLog, fileLog, compiler, status, pace, timers, windows}};

  World& world() { return game.world; }
  server& srv(int i) { return game.world.servers[i]; }
  // Types a line into the input area and presses Return.
  void enter(const std::string& line) { Interperetinput(game, line); }
};

}  // namespace qv::test
