#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fakes.h"
#include "sim/population.h"
#include "sim/sim_rules.h"
#include "sim_world.h"
#include "world/console.h"

namespace qv {
namespace {

using test::kNoonishMs;
using test::seatUser;
using test::seededAt;
using test::TestGame;
using Lines = std::vector<std::string>;

// Where a move attempt made at this time of day leads.
struct Destination {
  int server;
  int slot;
};

Destination destinationAt(std::int64_t msOfDay) {
  Random r = seededAt(msOfDay);
  const int d = r(30) + 1;
  const int s = r(15) + 1;
  return {d, s};
}

TEST(JumpTimer, AttemptsInTheSameMillisecondCollide) {
  TestGame t;
  const Destination to = destinationAt(kNoonishMs);
  const int from = to.server == 1 ? 2 : 1;
  seatUser(t.srv(from), 1, "First").jumptime = 0;
  seatUser(t.srv(from), 2, "Second").jumptime = 0;

  JumpTimerTimer(t.game);

  EXPECT_EQ(t.srv(to.server).users[to.slot].nickname, "First");
  EXPECT_TRUE(t.srv(from).users[1].nickname.empty());
  // The second user drew the slot the first had just taken, and retries.
  EXPECT_EQ(t.srv(from).users[2].nickname, "Second");
  EXPECT_EQ(t.srv(from).users[2].jumptime, 0);
  EXPECT_EQ(t.jumpLog.content, Lines{"Jump Timer processing: " + std::to_string(from) + ",1 ."});
}

TEST(JumpTimer, CountsDownAndMovesOnlyAtZero) {
  TestGame t;
  const int from = destinationAt(kNoonishMs).server == 1 ? 2 : 1;
  user& due = seatUser(t.srv(from), 1, "Due");
  due.jumptime = 1;
  user& noAddress = seatUser(t.srv(from), 2, "NoAddress");
  noAddress.ip = "";
  noAddress.jumptime = 5;
  user& noRole = seatUser(t.srv(from), 3, "NoRole", "");
  noRole.jumptime = 0;

  JumpTimerTimer(t.game);
  EXPECT_EQ(t.srv(from).users[1].jumptime, 0);
  EXPECT_EQ(t.srv(from).users[1].nickname, "Due");
  EXPECT_TRUE(t.jumpLog.content.empty());

  JumpTimerTimer(t.game);
  EXPECT_TRUE(t.srv(from).users[1].nickname.empty()) << "moves on the tick after reaching 0";
  EXPECT_EQ(t.srv(from).users[2].jumptime, 5) << "a slot without an address is never counted";
  EXPECT_EQ(t.srv(from).users[3].nickname, "NoRole");
  EXPECT_EQ(t.srv(from).users[3].jumptime, 0);
}

TEST(JumpTimer, DrawOfTheOwnServerNeverMoves) {
  TestGame t;
  const Destination to = destinationAt(kNoonishMs);
  seatUser(t.srv(to.server), to.slot == 1 ? 2 : 1, "Stayer").jumptime = 0;
  JumpTimerTimer(t.game);
  EXPECT_TRUE(t.srv(to.server).users[to.slot].nickname.empty());
  EXPECT_TRUE(t.jumpLog.content.empty());
}

TEST(JumpTimer, HackerLeavingASuspiciousServerMovesTwiceInOneTick) {
  const std::string nick = "Hck";
  const int typedMs = kTypingStepMs * static_cast<int>((nick + " joined the server.").size());
  // A time whose first move goes up the scan and whose second move, made
  // after the join line has been typed, goes to another server.
  std::int64_t start = kNoonishMs;
  while (destinationAt(start).server == 1 ||
         destinationAt(start + typedMs).server == destinationAt(start).server) {
    ++start;
  }
  const Destination first = destinationAt(start);
  const Destination second = destinationAt(start + typedMs);

  TestGame t(start);
  t.srv(1).suspicion = 100;  // stays 91 or more after cooling: 40 - Random(30) - S <= 0
  seatUser(t.srv(1), 1, nick, "Hacker").jumptime = 0;
  t.world().player.currentserver = first.server;

  JumpTimerTimer(t.game);

  EXPECT_EQ(t.srv(second.server).users[second.slot].nickname, nick);
  EXPECT_TRUE(t.srv(first.server).users[first.slot].nickname.empty());
  EXPECT_EQ(t.jumpLog.content, (Lines{"Jump Timer processing: 1,1 .",
                                      "Jump Timer processing: " + std::to_string(first.server) +
                                          "," + std::to_string(first.slot) + " ."}));
  EXPECT_EQ(t.console.content,
            (Lines{nick + " joined the server.", nick + " has left the server."}));
}

TEST(JumpTimer, EveryAttemptCoolsEveryServer) {
  TestGame t;
  const Destination to = destinationAt(kNoonishMs);
  const std::int32_t high = seededAt(kNoonishMs)(sim::kAttemptHighDraw);
  const std::int32_t middle = seededAt(kNoonishMs)(sim::kAttemptMiddleDraw);
  using sim::kHighBandFloor, sim::kMaxSuspicion, sim::kMiddleBandFloor;
  struct Case {
    int server;
    std::int32_t before;
    std::int32_t after;
  };
  const Case cases[] = {{1, kMaxSuspicion + 20, kMaxSuspicion},
                        {2, kMiddleBandFloor, kMiddleBandFloor - middle},
                        {3, kMiddleBandFloor - 1, kMiddleBandFloor - 2},
                        {4, 1, 0},
                        {5, 0, 0},
                        {6, -7, -7},
                        {7, 60, 60 - high},
                        {8, kHighBandFloor - 1, kHighBandFloor - 1 - middle},
                        {9, kMaxSuspicion, kMaxSuspicion - high},
                        {10, kHighBandFloor, kHighBandFloor - high}};
  for (const Case& c : cases) t.srv(c.server).suspicion = c.before;
  // The attempt fails (own server), yet the cooling has run.
  seatUser(t.srv(to.server), to.slot == 1 ? 2 : 1, "Stayer");
  JumpUser(t.game, to.server, to.slot == 1 ? 2 : 1);
  for (const Case& c : cases) {
    if (c.server == to.server) continue;
    EXPECT_EQ(t.srv(c.server).suspicion, c.after) << "from " << c.before;
  }
}

TEST(JumpTimer, JoinAndLeaveLinesAreTypedOnlyForThePlayersServer) {
  const Destination to = destinationAt(kNoonishMs);
  const int from = to.server == 5 ? 6 : 5;
  const int elsewhere = to.server == 7 ? 8 : 7;
  struct Case {
    std::int32_t currentserver;
    Lines console;
  };
  const Case cases[] = {{from, {"Mover has left the server."}},
                        {to.server, {"Mover joined the server."}},
                        {elsewhere, {}},
                        {kInChatroom, {}},
                        {kNotConnected, {}}};
  for (const Case& c : cases) {
    TestGame t;
    t.world().player.currentserver = c.currentserver;
    seatUser(t.srv(from), 1, "Mover");
    JumpUser(t.game, from, 1);
    EXPECT_EQ(t.console.content, c.console) << "player on " << c.currentserver;
    const std::int64_t typed = c.console.empty() ? 0 : kTypingStepMs * c.console[0].size();
    EXPECT_EQ(t.pace.slept, typed);
  }
}

TEST(JumpTimer, MoveCarriesTheUserAndFreesItsSlot) {
  TestGame t;
  const Destination to = destinationAt(kNoonishMs);
  const int from = to.server == 1 ? 2 : 1;
  t.srv(from).suspicion = 40;
  user& u = seatUser(t.srv(from), 4, "Tech", "Tech Support");
  u.uploadtime = 7;
  u.downloadtime = 8;
  u.deletetime = 9;
  test::giveUserFiles(u, 3);

  JumpUser(t.game, from, 4);

  Random r = seededAt(kNoonishMs);
  const std::int32_t left = 40 - r(sim::kAttemptMiddleDraw);  // cooled before the stay is drawn
  r = seededAt(kNoonishMs);
  r(30);
  r(15);
  const user& moved = t.srv(to.server).users[to.slot];
  EXPECT_EQ(moved.jumptime, 100 - r(80) + left);
  EXPECT_EQ(moved.nickname, "Tech");
  EXPECT_EQ(moved.role, "Tech Support");
  EXPECT_EQ(moved.ip.str(), "10.0.0.4");
  EXPECT_EQ(moved.uploadtime, 7);
  EXPECT_EQ(moved.downloadtime, 8);
  EXPECT_EQ(moved.deletetime, 9);
  EXPECT_EQ(moved.filecount, 3);
  EXPECT_EQ(moved.files[3].name, "u3.txt");

  const user& freed = t.srv(from).users[4];
  EXPECT_TRUE(freed.nickname.empty() && freed.role.empty() && freed.ip.empty());
  EXPECT_EQ(freed.jumptime + freed.uploadtime + freed.downloadtime + freed.deletetime, 0);
  EXPECT_EQ(freed.filecount, 0);
  for (const Afile& f : freed.files) EXPECT_TRUE(f.filetype.empty() && f.name.empty());
}

TEST(JumpTimer, StayFromAnExtremeSuspicionSaturates) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Destination to = destinationAt(kNoonishMs);
  const int from = to.server == 1 ? 2 : 1;
  const std::pair<const char*, std::int32_t> cases[] = {{"Anti-hacker", kMin}, {"Hacker", kMax}};
  for (const auto& [role, expected] : cases) {
    TestGame t;
    t.srv(from).suspicion = kMin;  // never touched by cooling
    seatUser(t.srv(from), 1, "Edge", role);
    JumpUser(t.game, from, 1);
    EXPECT_EQ(t.srv(to.server).users[to.slot].jumptime, expected) << role;
  }
}

}  // namespace
}  // namespace qv
