#include "world/speech_pacing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

using std::chrono::milliseconds;

// What happens, at a time of the virtual clock. Lines go to the console (one
// window); Announce speaks for another. Chat and Kept are a tick's background
// line, Kept one worth keeping.
enum class Do {
  Add,
  Type,
  Rewrite,
  Done,
  Pause,
  Chat,
  Kept,
  Announce,
  Key,
  Flood,
  Modal,
  Unmodal,
  F7
};
struct Step {
  int atMs;
  Do what;
  std::string text = {};
};
struct Heard {
  int atMs;
  std::string text;
  bool operator==(const Heard&) const = default;
};

// Runs the steps, the pacing's own checks firing when it asks, as its timer
// would, until nothing waits.
std::vector<Heard> play(const std::vector<Step>& steps) {
  milliseconds now{0};
  bool modal = false;
  SpeechPacing pacing([&] { return now; }, [&] { return modal; }, milliseconds(0));
  std::vector<Heard> heard;
  auto listen = [&] {
    for (const Announcement& a : pacing.takeAnnouncements()) {
      heard.push_back({static_cast<int>(now.count()), a.text});
    }
  };
  auto checkUntil = [&](milliseconds until) {
    for (auto next = pacing.nextCheck(); next && *next <= until; next = pacing.nextCheck()) {
      now = *next;
      pacing.check();
      listen();
    }
  };
  constexpr Speaker kConsole = 0, kStatus = 1;
  for (const Step& s : steps) {
    checkUntil(milliseconds(s.atMs));
    now = milliseconds(s.atMs);
    const LineRole background{.background = true, .keep = s.what == Do::Kept};
    switch (s.what) {
      case Do::Add:
        pacing.lineWritten(kConsole, s.text, true, {});
        break;
      case Do::Type:
        pacing.lineWritten(kConsole, "", true, {});
        [[fallthrough]];
      case Do::Rewrite:
        pacing.lineWritten(kConsole, s.text, false, {});
        break;
      case Do::Done:
        pacing.handlerDone(kConsole);
        break;
      case Do::Pause:
        pacing.typingPaused();
        break;
      case Do::Chat:
      case Do::Kept:
        pacing.lineWritten(kConsole, s.text, true, background);
        pacing.handlerDone(kConsole);
        break;
      case Do::Announce:
        pacing.announce(kStatus, s.text);
        break;
      case Do::Key:
        pacing.keyPressed();
        break;
      case Do::Flood:
        pacing.readerFlooded();
        break;
      case Do::Modal:
      case Do::Unmodal:
        modal = s.what == Do::Modal;
        pacing.readerFlooded();
        break;
      case Do::F7:
        pacing.setBackgroundSilenced(!pacing.backgroundSilenced());
        break;
    }
    listen();
  }
  checkUntil(now + milliseconds(60000));
  return heard;
}

TEST(SpeechPacing, SaysEachLineOnceAtTheRightMoment) {
  // "Reply" keeps the voice busy 357 ms (14 characters a second).
  const struct {
    const char* what;
    std::vector<Step> steps;
    std::vector<Heard> heard;
  } cases[] = {
      {"lines added together, blank ones left out, when the handler is done",
       {{0, Do::Add, "Contents of ROOT/"}, {0, Do::Add, " "}, {0, Do::Add, "a.txt"}, {5, Do::Done}},
       {{5, "Contents of ROOT/\na.txt"}}},
      {"a line rewritten to the text already said is not said again",
       {{0, Do::Add, "a.txt"}, {0, Do::Done}, {10, Do::Rewrite, "a.txt"}, {10, Do::Done}},
       {{0, "a.txt"}}},
      {"a typed line at the pause after it, the last one when the handler is done",
       {{0, Do::Type, "accessing"},
        {300, Do::Type, "contacted"},
        {310, Do::Pause},
        {600, Do::Done}},
       {{310, "accessing"}, {600, "contacted"}}},
      {"a modal dialog holds lines until it closes and the window is read (40 events at 6/s)",
       {{0, Do::Modal}, {0, Do::Add, "WELCOME"}, {0, Do::Done}, {2000, Do::Unmodal}},
       {{6700, "WELCOME"}}},
      {"a reader kept busy still speaks after six seconds",
       {{0, Do::Flood}, {0, Do::Announce, "Score"}, {3000, Do::Flood}, {5000, Do::Flood}},
       {{6100, "Score"}}},
      {"what waited goes out one announcement per window in a row",
       {{0, Do::Flood},
        {0, Do::Add, "a"},
        {0, Do::Done},
        {1, Do::Add, "b"},
        {1, Do::Done},
        {2, Do::Announce, "Suspicion: 25"}},
       {{4702, "a\nb"}, {4702, "Suspicion: 25"}}},
      {"background gives way; the newest kept line waits until the voice is free",
       {{0, Do::Add, "Reply"},
        {0, Do::Done},
        {0, Do::Chat, "NEO: hi ."},
        {100, Do::Kept, "NEO: 1.2.3.4 ."},
        {200, Do::Kept, "NEO: 10.0.0.1 ."}},
       {{0, "Reply"}, {357, "NEO: 10.0.0.1 ."}}},
      {"background said while the voice is free; a key press frees it",
       {{0, Do::Chat, "NEO: hi ."},
        {0, Do::Add, "Reply"},
        {0, Do::Done},
        {100, Do::Key},
        {100, Do::Chat, "NEO: yo ."}},
       {{0, "NEO: hi ."}, {0, "Reply"}, {100, "NEO: yo ."}}},
      {"background waits for replies already waiting, a kept line too",
       {{0, Do::Flood}, {0, Do::Add, "Reply"}, {0, Do::Done}, {10, Do::Kept, "NEO: 1.2.3.4 ."}},
       {{4710, "Reply"}, {5067, "NEO: 1.2.3.4 ."}}},
      {"F7 silences background, kept lines too, until pressed again",
       {{0, Do::Add, "Reply"},
        {0, Do::Done},
        {10, Do::Kept, "NEO: 1.2.3.4 ."},
        {20, Do::F7},
        {1000, Do::Chat, "NEO: hi ."},
        {2000, Do::F7},
        {2000, Do::Chat, "NEO: yo ."}},
       {{0, "Reply"}, {2000, "NEO: yo ."}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(play(c.steps), c.heard);
  }
}

TEST(SpeechPacing, ABusyServerSendsAtMostAMinuteOfSpeechAMinute) {
  // Ten lines a second of comings and goings, 34 characters each: 340
  // characters a second offered, 14 spoken.
  std::vector<Step> steps;
  for (int ms = 0; ms < 60000; ms += 100) {
    steps.push_back({ms, Do::Chat, "Someone" + std::to_string(ms) + " has left the server."});
  }
  std::size_t sent = 0;
  for (const Heard& h : play(steps)) sent += h.atMs < 60000 ? h.text.size() : 0;
  EXPECT_GT(sent, 700u);
  EXPECT_LE(sent, 900u);
}

TEST(SpeechPacing, KeepsLinesThatNameAnAddressOrAWatchedName) {
  const std::vector<std::string> watched = {"", "secret.doc", "WWW.GRID.COM"};
  const struct {
    const char* line;
    bool address;
    bool named;
  } cases[] = {
      {"NEO: meet at 10.0.0.1 .", true, false},
      {"NEO: 1234.1.1.1 and 1.2.3 .", false, false},
      {"KAT has downloaded file: SECRET.DOC", false, true},
      {"file: secret.doc deleted from server by KAT", false, true},
      {"KAT uploaded file: secret.docx", false, false},
      {"KAT joined the server.", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(namesAnAddress(c.line), c.address);
    EXPECT_EQ(namesOneOf(c.line, watched), c.named);
  }
}

}  // namespace
}  // namespace qv
