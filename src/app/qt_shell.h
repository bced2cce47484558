#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/qt_ports.h"
#include "toolkit/qt_text_pane.h"
#include "world/game.h"

namespace qv {

class ActivationTracker;
class LineAnnouncer;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class WindowCycle;
class WindowGroupPlacer;

struct ShellOptions {
  // The clock the game sleeps on; null for the real one.
  Pace* pace = nullptr;
  // Ends the program when the main menu closes; null to leave the event loop.
  std::function<void()> endProgram;
  // A mission file named on the command line, offered preselected in the
  // first game's mission dialog.
  std::optional<std::string> offeredMission = std::nullopt;
};

// The whole program without its entry point: the one game, the adapters of
// its ports and the five windows, created in start-up order (the main menu,
// the game window, the mission editor, the compiler window, the status
// window) and kept until the program ends.
class Shell {
 public:
  explicit Shell(ShellOptions options = {});
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Shows the main menu, the only window visible at start.
  void start();

  Game& game() { return game_; }
  Windows& windows() { return windows_; }
  TForm1& form1() { return *form1_; }
  TForm2& form2() { return *form2_; }
  TForm4& form4() { return *form4_; }
  TForm3& form3() { return *form3_; }
  TForm5& form5() { return *form5_; }
  // How often the game window's activation handler has run.
  int gameActivations() const;

 private:
  void attachPorts();

  PlainTextPane console_, jumpLog_, fileLog_, compiler_, status_;
  RealPace realPace_;
  QtTimers timers_;
  QtWindows windows_;
  Game game_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<ActivationTracker> activation_;
  std::unique_ptr<WindowCycle> windowCycle_;
  std::unique_ptr<WindowGroupPlacer> windowGroup_;
  // Speak the console's and the compiler's lines to a screen reader.
  std::unique_ptr<LineAnnouncer> consoleVoice_, compilerVoice_;
};

}  // namespace qv
