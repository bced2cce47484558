#include <gtest/gtest.h>

#include "commands/chatroom.h"
#include "commands/command_rules.h"
#include "commands_world.h"
#include "world/console.h"
#include "world/cp1252.h"

namespace qv {
namespace {

using test::buildPlainWorld;
using test::Lines;
using test::TestGame;

const std::string kEntryLine = "Logging onto hacker chatroom as spectator.......";

struct Chat : ::testing::Test {
  Chat() {
    buildPlainWorld(t);
    t.game.tables.useridlist = {"Tech Support", "Tech Support", "Administrator", "Webmaster",
                                "Anti-hacker",  "Anti-hacker",  "Hacker"};
    t.game.tables.NameList = {"Zoe", "rat", "Byte", "nyx", "Ghost"};
    t.game.tables.wordlist = {"alpha", "beta", "10.1.2.3"};
  }

  // Sets the clock so that the crowd drawn after the entry line(s) have been
  // typed is the given size. typedBefore: characters typed before the reseed.
  void arrangeCrowd(std::int32_t crowd, std::size_t typedBefore) {
    const auto typingMs = static_cast<std::int64_t>(kTypingStepMs * typedBefore);
    for (std::int64_t ms = test::kNoonishMs;; ++ms) {
      Random r;
      r.reseed(ms);
      if (r(commands::kCrowdDraw) == crowd) {
        t.pace.now = ms - typingMs;
        return;
      }
    }
  }

  // Ticks the chat timer until a line appears; returns the tick's number.
  int ticksUntilALine(int limit = 40) {
    const std::size_t before = t.console.content.size();
    for (int tick = 1; tick <= limit; ++tick) {
      ChatTimerTimer(t.game);
      if (t.console.content.size() != before) return tick;
    }
    return 0;
  }

  chatuser& slot(int i) { return t.world().chatroom.users[i]; }

  TestGame t;
};

TEST_F(Chat, EnteringDrawsTheCrowdInOrderAfterReseeding) {
  t.enter("//chatroom");
  // The generator is reseeded after the entry line has been typed.
  Random r;
  r.reseed(test::kNoonishMs + kTypingStepMs * static_cast<std::int64_t>(kEntryLine.size()));
  const std::int32_t crowd = r(commands::kCrowdDraw);
  EXPECT_EQ(t.console.content,
            (Lines{kEntryLine, std::to_string(crowd) + " users currently in the chatroom."}));
  EXPECT_EQ(t.world().chatroom.usercount, crowd);
  for (int i = 1; i <= crowd; ++i) {
    const std::string role = t.game.tables.useridlist[static_cast<std::size_t>(r(7))];
    std::string ip;
    for (int part = 0; part < 4; ++part) ip += (part ? "." : "") + std::to_string(r(256));
    const std::string nickname = t.game.tables.NameList[static_cast<std::size_t>(r(5))];
    const std::int32_t talktime = r(commands::kFirstTalkDraw);
    EXPECT_EQ(slot(i).role, role);
    EXPECT_EQ(slot(i).ip, ip);
    EXPECT_EQ(slot(i).nickname, nickname);
    EXPECT_EQ(slot(i).talktime, talktime);
  }
  EXPECT_EQ(t.world().player.currentserver, kInChatroom);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::ChatTimer));
}

TEST_F(Chat, EmptyRoomStillStartsTheTimer) {
  arrangeCrowd(0, kEntryLine.size());
  t.enter("//chatroom");
  EXPECT_EQ(t.console.content.back(), "0 users currently in the chatroom.");
  EXPECT_EQ(t.world().chatroom.usercount, 0);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::ChatTimer));
  EXPECT_EQ(ticksUntilALine(), 0);
}

TEST_F(Chat, EnteringAgainLogsOffTheRoomFirst) {
  t.enter("//chatroom");
  t.enter("//chatroom");
  EXPECT_EQ(t.console.content[2], "Logged off of CHATROOM");
  EXPECT_EQ(t.console.content[3], kEntryLine);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::ChatTimer));
}

TEST_F(Chat, FirstLineComesAtTalktimePlusTwoTicks) {
  slot(1) = chatuser{"Hacker", "1.1.1.1", "Zoe", 0};
  EXPECT_EQ(ticksUntilALine(), 2);

  slot(1).talktime = commands::kFirstTalkDraw - 1;  // the longest first wait drawn
  for (int i = 2; i <= kChatSlots; ++i) slot(i) = chatuser{};
  EXPECT_EQ(ticksUntilALine(), commands::kFirstTalkDraw + 1);
}

TEST_F(Chat, GapAfterSpeakingIsTheNewTalktimePlusOne) {
  slot(1) = chatuser{"Hacker", "1.1.1.1", "Zoe", -1};
  ASSERT_EQ(ticksUntilALine(), 1);
  // The tick that spoke already counted the new value down once; a value of
  // N therefore shows as N - 1 here and the next line comes N + 1 ticks later.
  const std::int32_t drawn = slot(1).talktime + 1;
  constexpr std::int32_t kShortest = commands::kTalkPauseMax - commands::kTalkPauseDraw + 1;
  EXPECT_GE(drawn, kShortest);
  EXPECT_LE(drawn, commands::kTalkPauseMax);
  EXPECT_EQ(ticksUntilALine(), drawn + 1);

  slot(1).talktime = kShortest - 1;
  EXPECT_EQ(ticksUntilALine(), kShortest + 1);
}

TEST_F(Chat, ChatterIsUpperCasedNicknameWordsEachWithABlankAndAFullStop) {
  t.game.tables.wordlist = {"w"};
  slot(1) = chatuser{"Hacker", "1.1.1.1", "zo\xE9x", -1};  // cp1252 e acute
  Random r = t.game.random;
  const std::int32_t words = r(commands::kWordsDraw);
  ChatTimerTimer(t.game);
  std::string expected = "ZO\xC9X: ";
  for (int w = 0; w < words; ++w) expected += "w ";
  EXPECT_EQ(t.console.content, (Lines{expected + "."}));
  EXPECT_EQ(t.game.outputline, expected + ".");
  EXPECT_EQ(t.pace.slept, 0);  // immediate, never typed
}

TEST_F(Chat, SlotThirtyNeverSpeaksAndFreeSlotsStaySilent) {
  slot(30) = chatuser{"Hacker", "1.1.1.1", "Zoe", -1};
  slot(3) = chatuser{"Hacker", "1.1.1.1", "", -1};
  EXPECT_EQ(ticksUntilALine(5), 0);
  EXPECT_EQ(slot(30).talktime, -1);
}

TEST_F(Chat, SlotsOfALargerEarlierVisitKeepTalking) {
  arrangeCrowd(20, kEntryLine.size());
  t.enter("//chatroom");
  ASSERT_EQ(t.world().chatroom.usercount, 20);
  const chatuser fifteenth = slot(15);

  arrangeCrowd(5, std::string("Logged off of CHATROOM").size() + kEntryLine.size());
  t.enter("//chatroom");
  ASSERT_EQ(t.world().chatroom.usercount, 5);
  EXPECT_EQ(slot(15).nickname, fifteenth.nickname);
  EXPECT_EQ(slot(15).ip, fifteenth.ip);

  // Only the five of this visit are listed...
  const std::size_t mark = t.console.content.size();
  t.enter("//whois");
  EXPECT_EQ(test::linesSince(t, mark).size(), 1u + 5u);

  // ...while the earlier occupant still posts under its own name.
  slot(15).talktime = -1;
  for (int i = 1; i <= 5; ++i) slot(i).talktime = 100;
  for (int i = 16; i <= kChatSlots; ++i) slot(i) = chatuser{};
  for (int i = 6; i < 15; ++i) slot(i) = chatuser{};
  ChatTimerTimer(t.game);
  const std::string nick = fifteenth.nickname;
  ASSERT_FALSE(t.console.content.empty());
  EXPECT_EQ(t.console.content.back().substr(0, nick.size() + 2), cp1252::upperCase(nick) + ": ");
}

}  // namespace
}  // namespace qv
