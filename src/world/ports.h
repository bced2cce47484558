#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// All the core knows of the outside. The window shell implements these on
// Qt widgets; tests fake them with records and a virtual clock.

// A multi-line text area seen as a list of lines. A line wider than the area
// wraps on screen but stays one line here.
class TextPane {
 public:
  virtual ~TextPane() = default;
  virtual void appendLine(const std::string& line) = 0;
  // On an empty pane this appends the line.
  virtual void replaceLastLine(const std::string& line) = 0;
  // On an empty pane the text becomes the first line.
  virtual void appendToLastLine(const std::string& text) = 0;
  // The last line; a final empty line after a line break does not count.
  // Empty when the pane holds no text.
  virtual std::string lastLine() const = 0;
  virtual std::vector<std::string> lines() const = 0;
  virtual void clear() = 0;
  // Makes the pane hold exactly these lines. A pane on screen rewrites only
  // the lines that differ, so a reader's place in the others holds.
  virtual void showLines(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines) appendLine(line);
  }
};

// Time: a blocking sleep that handles no events, and the UTC time of day.
class Pace {
 public:
  virtual ~Pace() = default;
  virtual void sleep(int milliseconds) = 0;
  // A typed line begins: its first pause is a whole one, however recently
  // the pause before it ended.
  virtual void startBeat() = 0;
  // Milliseconds since midnight UTC, for reseeding the generator.
  virtual std::int64_t timeOfDayMs() = 0;
};

// The switchable timers. attacktimer and InfoTimer run from program start to
// program end and are not switched.
enum class TimerId { JumpTimer, ChatTimer, Userfiletimer, CodeTimer };

class Timers {
 public:
  virtual ~Timers() = default;
  virtual void setEnabled(TimerId timer, bool enabled) = 0;
  virtual bool isEnabled(TimerId timer) const = 0;
};

// What the game asks of the other windows.
class Windows {
 public:
  virtual ~Windows() = default;
  virtual void hideGameWindow() = 0;
  virtual void showMainMenu() = 0;
  // Paints the game window at once, before a long typed sequence starts.
  virtual void repaintGameWindow() = 0;
  // The game window's mission dialog; nothing when the player cancels.
  virtual std::optional<std::string> askMissionFile() = 0;
  virtual void showCompilerWindow() = 0;
  virtual bool statusWindowVisible() const = 0;
  virtual void setStatusWindowVisible(bool visible) = 0;
  // The state of Memo2 decides for both log panels.
  virtual bool logPanelsVisible() const = 0;
  virtual void setLogPanelsVisible(bool visible) = 0;
  virtual void beep() = 0;
};

// The panes and services a game is wired to.
struct Ports {
  TextPane& console;   // the game console
  TextPane& jumpLog;   // Memo2 of the game window
  TextPane& fileLog;   // Memo3 of the game window
  TextPane& compiler;  // Console of the compiler window
  TextPane& status;    // Memo1 of the status window
  Pace& pace;
  Timers& timers;
  Windows& windows;
};

// The log panels keep only their newest lines so a long game does not grow
// without end.
constexpr int kLogPanelMaxLines = 1000;

// Key code of the Return key in key-down handlers.
constexpr int kReturnKey = 13;

}  // namespace qv
