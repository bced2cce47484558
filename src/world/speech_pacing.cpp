#include "world/speech_pacing.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace qv {
namespace {

using std::chrono::milliseconds;

// An announcement goes out while the reader has fewer unread events than
// this; the count never goes above kMostUnread, about five seconds of reading.
constexpr double kFewEvents = 12;
constexpr double kMostUnread = 40;
constexpr double kEventsReadPerSecond = 6;
constexpr milliseconds kPoll{100};
// However busy the program keeps the reader, nothing waits longer than this
// once no modal dialog is open.
constexpr milliseconds kLongestWait{6000};
// espeak-ng at its default rate says about 14 characters a second.
constexpr int kCharsPerSecond = 14;

milliseconds speakingTime(const std::string& text, milliseconds roleWord) {
  // Characters, not bytes: a UTF-8 continuation byte adds nothing.
  const auto chars = std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  return roleWord + milliseconds(chars * 1000 / kCharsPerSecond);
}

bool isBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Nothing to say: blanks only (the no-break space included).
bool blank(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\xC2\xA0") == 0) {
      ++i;
    } else if (!isBlank(text[i])) {
      return false;
    }
  }
  return true;
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return lower(x) == lower(y); });
}

// Whether line[begin, end) is a whole word of the line.
bool wholeWord(std::string_view line, std::size_t begin, std::size_t end) {
  return (begin == 0 || isBlank(line[begin - 1])) && (end == line.size() || isBlank(line[end]));
}

}  // namespace

SpeechPacing::SpeechPacing(SpeechClock clock, std::function<bool()> modalDialogOpen,
                           milliseconds roleWord)
    : clock_(std::move(clock)), modalDialogOpen_(std::move(modalDialogOpen)), roleWord_(roleWord) {}

SpeechPacing::Pane& SpeechPacing::pane(Speaker speaker) {
  for (Pane& p : panes_) {
    if (p.speaker == speaker) return p;
  }
  Pane& added = panes_.emplace_back();
  added.speaker = speaker;
  return added;
}

void SpeechPacing::paneClosed(Speaker speaker) {
  std::erase_if(panes_, [speaker](const Pane& p) { return p.speaker == speaker; });
}

// A typed line grows by a rewrite per character, with no handler done in
// between: it is said once, whole, when the next line begins or the handler
// is done, and not again while it stays the same.
void SpeechPacing::lineWritten(Speaker speaker, const std::string& line, bool added,
                               LineRole role) {
  Pane& p = pane(speaker);
  if (added) {
    if (p.last && p.last->text != p.spoken) p.finished.push_back(*p.last);
    p.spoken.reset();
    // A typed line took a while to type: heard at the next pause, not when
    // the reply ends.
    if (std::exchange(p.lastTyped, false)) p.typedLineFinished = true;
  } else {
    p.lastTyped = true;
  }
  p.last = Line{line, role};
}

void SpeechPacing::handlerDone(Speaker speaker) {
  Pane& p = pane(speaker);
  p.typedLineFinished = false;
  std::vector<Line> lines = std::exchange(p.finished, {});
  if (p.last && p.last->text != p.spoken) {
    lines.push_back(*p.last);
    p.spoken = p.last->text;
  }
  speak(speaker, lines);
}

void SpeechPacing::typingPaused() {
  for (Pane& p : panes_) {
    if (std::exchange(p.typedLineFinished, false)) speak(p.speaker, std::exchange(p.finished, {}));
  }
  sayWaitingIfCalm();
}

// Lines written together go out together: a reader drops what it is told
// while many events wait, and a long listing would be many. Background lines
// and the rest are told apart, as background lines may be left unsaid.
void SpeechPacing::speak(Speaker speaker, const std::vector<Line>& lines) {
  std::vector<Line> gathered;
  auto sayGathered = [&] {
    if (gathered.empty()) return;
    std::string text = gathered.front().text;
    for (std::size_t i = 1; i < gathered.size(); ++i) text += '\n' + gathered[i].text;
    if (gathered.front().role.background) {
      const auto kept = std::find_if(gathered.rbegin(), gathered.rend(),
                                     [](const Line& l) { return l.role.keep; });
      sayBackground(speaker, text,
                    kept == gathered.rend() ? std::nullopt : std::optional(kept->text));
    } else {
      say(speaker, text);
    }
    gathered.clear();
  };
  for (const Line& line : lines) {
    if (blank(line.text)) continue;
    if (!gathered.empty() && line.role.background != gathered.front().role.background) {
      sayGathered();
    }
    gathered.push_back(line);
  }
  sayGathered();
}

void SpeechPacing::announce(Speaker speaker, const std::string& text, LineRole role) {
  speak(speaker, {Line{text, role}});
}

void SpeechPacing::say(Speaker speaker, const std::string& text) {
  if (pending_.empty()) pendingSince_ = clock_();
  pending_.push_back({speaker, text});
  sayWaitingIfCalm();
}

void SpeechPacing::sayBackground(Speaker speaker, const std::string& text,
                                 const std::optional<std::string>& worthKeeping) {
  if (backgroundSilenced_) return;
  if (!pending_.empty() || busy()) {
    if (worthKeeping) kept_ = Pending{speaker, *worthKeeping};
    return;
  }
  // Said now: a line kept from before is out of date.
  kept_.reset();
  say(speaker, text);
}

// Tells what waits once the reader has caught up; otherwise nextCheck asks
// for another look soon.
void SpeechPacing::sayWaitingIfCalm() {
  if (pending_.empty()) return;
  const bool modal = modalDialogOpen_();
  if (modal) pendingSince_ = clock_();
  const bool waitedLongest = clock_() - pendingSince_ > kLongestWait;
  if (modal || (unread() >= kFewEvents && !waitedLongest)) return;
  const std::vector<Pending> waiting = std::exchange(pending_, {});
  // What one window said in a row goes out as one announcement.
  for (std::size_t i = 0; i < waiting.size();) {
    std::string text = waiting[i].text;
    std::size_t j = i + 1;
    for (; j < waiting.size() && waiting[j].speaker == waiting[i].speaker; ++j) {
      text += '\n' + waiting[j].text;
    }
    send(waiting[i].speaker, text);
    i = j;
  }
}

void SpeechPacing::sayKeptWhenFree() {
  if (!kept_ || backgroundSilenced_ || !pending_.empty() || busy()) return;
  const Pending line = *std::exchange(kept_, std::nullopt);
  say(line.speaker, line.text);
}

void SpeechPacing::check() {
  sayWaitingIfCalm();
  sayKeptWhenFree();
}

std::optional<milliseconds> SpeechPacing::nextCheck() const {
  const milliseconds now = clock_();
  if (!pending_.empty()) return now + kPoll;
  if (kept_ && !backgroundSilenced_) return std::max(now + kPoll, busyUntil_);
  return std::nullopt;
}

void SpeechPacing::send(Speaker speaker, const std::string& text) {
  unread_ = unread() + 1;
  busyUntil_ = std::max(busyUntil_, clock_()) + speakingTime(text, roleWord_);
  out_.push_back({speaker, text});
}

void SpeechPacing::otherEvent() {
  unread_ = unread() + 1;
}

void SpeechPacing::keyPressed() {
  busyUntil_ = clock_();
}

void SpeechPacing::readerFlooded() {
  unread();
  unread_ = kMostUnread;
}

void SpeechPacing::setBackgroundSilenced(bool silenced) {
  backgroundSilenced_ = silenced;
  if (silenced) kept_.reset();
}

double SpeechPacing::unread() {
  const milliseconds now = clock_();
  const double elapsedSeconds = std::chrono::duration<double>(now - lastCount_).count();
  unread_ = std::clamp(unread_ - elapsedSeconds * kEventsReadPerSecond, 0.0, kMostUnread);
  lastCount_ = now;
  return unread_;
}

bool namesAnAddress(std::string_view line) {
  static const std::regex address(R"(\b\d{1,3}(\.\d{1,3}){3}\b)");
  return std::regex_search(line.begin(), line.end(), address);
}

bool namesOneOf(std::string_view line, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (name.empty() || name.size() > line.size()) continue;
    for (std::size_t at = 0; at + name.size() <= line.size(); ++at) {
      if (wholeWord(line, at, at + name.size()) &&
          sameLetters(line.substr(at, name.size()), name)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace qv
