#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// When the game's lines are told to a screen reader: plain rules on a clock
// the pacing is given, so they run the same on a virtual clock.
//
// Orca (measured with Orca 43) drops the events that carry announcements once
// more than 50 events wait for it: a modal dialog opening or closing sends
// dozens at once, and anything told just before goes with them. Orca asks the
// program about every event it gets, so it works through them only while the
// program answers, and slowly: about 6 a second on a busy two-core machine
// while the game typed; when a window is activated it asks about the whole
// window first. So the pacing keeps a rough count of the events Orca still
// has to read, and an announcement goes out only while that count is small
// and no modal dialog is open; otherwise it waits until the count is small
// again. Orca never keeps more than about 50 (it prunes the rest), and some
// of the program's events never reach it, so the count stops at 40.
//
// Background lines (the chat room's talk, the comings and goings on the
// player's server) give way: said only when the voice is free of everything
// said before, and not at all once the player has silenced them. The newest
// one worth hearing late (an address, a file the player cares about) waits
// instead until the voice is free, taking the place of any older one.

// Milliseconds from any fixed start.
using SpeechClock = std::function<std::chrono::milliseconds()>;
// The window a line is said on behalf of.
using Speaker = int;

struct LineRole {
  bool background = false;
  // A background line that is kept, not dropped, when the voice is busy.
  bool keep = false;
};

struct Announcement {
  Speaker speaker = 0;
  std::string text;  // UTF-8, lines joined by '\n'
  bool operator==(const Announcement&) const = default;
};

class SpeechPacing {
 public:
  // `roleWord`: what the reader says before each announcement, as time.
  SpeechPacing(SpeechClock clock, std::function<bool()> modalDialogOpen,
               std::chrono::milliseconds roleWord);

  // --- lines of a text pane (a console) ---------------------------------
  // The pane's last line now reads `line`: a line of its own when `added`,
  // otherwise the last line rewritten (typed one character a step).
  void lineWritten(Speaker pane, const std::string& line, bool added, LineRole role);
  // The handler that wrote is done: the lines not yet said go.
  void handlerDone(Speaker pane);
  // The typing paused between two characters: typed lines that another line
  // followed go now, so a long reply is heard line by line.
  void typingPaused();
  void paneClosed(Speaker pane);

  // --- a window's own text ----------------------------------------------
  void announce(Speaker speaker, const std::string& text, LineRole role = {});

  // --- what keeps the reader busy ---------------------------------------
  // Any other event for the reader to read.
  void otherEvent();
  // A reader stops speaking at every key press.
  void keyPressed();
  // A modal dialog opened or closed, or a window was activated: the reader
  // has as much to read as it keeps.
  void readerFlooded();

  // Background lines silenced or spoken again.
  void setBackgroundSilenced(bool silenced);
  bool backgroundSilenced() const { return backgroundSilenced_; }

  // Checks again what waits (the timer that nextCheck asks for).
  void check();
  // What is to be told to the reader now, in order.
  std::vector<Announcement> takeAnnouncements() { return std::exchange(out_, {}); }
  // When check is next needed, if anything waits.
  std::optional<std::chrono::milliseconds> nextCheck() const;

 private:
  struct Line {
    std::string text;
    LineRole role;
  };
  // What a pane wrote and what of it was said.
  struct Pane {
    Speaker speaker = 0;
    // Lines that another line followed, not yet said.
    std::vector<Line> finished;
    std::optional<Line> last;
    // The last line was rewritten since it was added: it is being typed.
    bool lastTyped = false;
    // The finished lines end with a typed one: they go at the next pause.
    bool typedLineFinished = false;
    // What was said of the current last line.
    std::optional<std::string> spoken;
  };
  struct Pending {
    Speaker speaker;
    std::string text;
  };

  Pane& pane(Speaker speaker);
  void speak(Speaker speaker, const std::vector<Line>& lines);
  void say(Speaker speaker, const std::string& text);
  void sayBackground(Speaker speaker, const std::string& text,
                     const std::optional<std::string>& worthKeeping);
  void sayWaitingIfCalm();
  void sayKeptWhenFree();
  void send(Speaker speaker, const std::string& text);
  bool busy() const { return clock_() < busyUntil_; }
  double unread();

  SpeechClock clock_;
  std::function<bool()> modalDialogOpen_;
  std::chrono::milliseconds roleWord_;
  std::vector<Pane> panes_;
  std::vector<Pending> pending_;
  std::chrono::milliseconds pendingSince_{};
  std::optional<Pending> kept_;
  bool backgroundSilenced_ = false;
  // The events the reader has likely not read yet, as counted at lastCount_.
  double unread_ = 0;
  std::chrono::milliseconds lastCount_{};
  // When the voice is likely to have said all it was told.
  std::chrono::milliseconds busyUntil_{};
  std::vector<Announcement> out_;
};

// What makes a background line worth hearing late. A line names an address
// (four numbers joined by dots) ...
bool namesAnAddress(std::string_view line);
// ... or one of `names`, as a whole word, in any ASCII letter case. Empty
// names name nothing.
bool namesOneOf(std::string_view line, const std::vector<std::string>& names);

}  // namespace qv
