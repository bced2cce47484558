#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "world/ports.h"

class QTimer;
class QWidget;

namespace qv {

class TForm1;
class TForm2;
class TForm3;
class TForm5;

// The real clock: a sleep that handles no events, and the UTC time of day.
// Sleeps that follow one another closely keep a steady beat: the time spent
// between them (painting a typed step) is taken out of the next sleep, so a
// 60-character line takes 1.8 s and not 1.8 s plus 60 repaints. Each typed
// line starts a beat of its own.
class RealPace : public Pace {
 public:
  void sleep(int milliseconds) override;
  void startBeat() override { lastWake_.reset(); }
  std::int64_t timeOfDayMs() override;

 private:
  std::optional<std::chrono::steady_clock::time_point> lastWake_;
};

// The switchable timers of the game and compiler windows.
class QtTimers : public Timers {
 public:
  void bind(TimerId id, QTimer* timer);
  // Enabling a running timer keeps its beat; it does not start it over.
  void setEnabled(TimerId id, bool enabled) override;
  bool isEnabled(TimerId id) const override;

 private:
  std::array<QTimer*, 4> timers_{};
};

// Brings a window to the front and asks for the keyboard.
void showWindow(QWidget& window);

// What the game asks of the windows. The windows are attached once they all
// exist; the game asks nothing before that.
class QtWindows : public Windows {
 public:
  void attach(TForm1* menu, TForm2* game, TForm3* compiler, TForm5* status);
  // The next mission dialog opens on this file, selected, so Return takes it.
  void offerMission(std::optional<std::string> path) { offeredMission_ = std::move(path); }
  // A mission file read or written: later dialogs open on it. A path that
  // names no file is not kept.
  void rememberMission(const std::string& path);

  void hideGameWindow() override;
  void showMainMenu() override;
  void repaintGameWindow() override;
  std::optional<std::string> askMissionFile() override;
  void showCompilerWindow() override;
  bool statusWindowVisible() const override;
  void setStatusWindowVisible(bool visible) override;
  bool logPanelsVisible() const override;
  void setLogPanelsVisible(bool visible) override;
  void beep() override;

 private:
  TForm1* menu_ = nullptr;
  TForm2* game_ = nullptr;
  TForm3* compiler_ = nullptr;
  TForm5* status_ = nullptr;
  std::optional<std::string> offeredMission_;
  std::optional<std::string> lastMission_;
};

}  // namespace qv
