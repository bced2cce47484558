#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fakes.h"
#include "sim/programs.h"
#include "sim/sim_rules.h"
#include "sim_world.h"

namespace qv {
namespace {

using test::addOrdinaryFiles;
using test::addServerFile;
using test::kNoonishMs;
using test::makeFile;
using test::seatUser;
using test::seededAt;
using test::TestGame;
using Lines = std::vector<std::string>;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

int passesAt(std::int64_t msOfDay) {
  return seededAt(msOfDay)(sim::kDeleterPassDraw) + 1;
}

Lines fileNames(const server& host) {
  Lines names;
  for (int k = 1; k <= host.filecount; ++k) names.push_back(host.files[k].name);
  return names;
}

bool slotsAboveCountEmpty(const server& host) {
  for (int k = host.filecount + 1; k <= kServerFileSlots; ++k) {
    if (!host.files[k].filetype.empty() || !host.files[k].name.empty()) return false;
  }
  return true;
}

TEST(Attacktimer, DeleterEatsAFortyFileServerThenItself) {
  TestGame t;
  server& host = t.srv(9);
  addOrdinaryFiles(host, 40);
  addServerFile(host, makeFile("deleter", "eater.del"));
  host.status = "Deleting";
  host.suspicion = 1;

  attacktimerTimer(t.game);
  const int firstPasses = passesAt(kNoonishMs);
  EXPECT_EQ(host.filecount, 41 - firstPasses);
  const std::int32_t raised = 1 + sim::kDeleterCost * firstPasses;  // then one cooling
  EXPECT_EQ(host.suspicion,
            raised - (raised < sim::kMiddleBandFloor ? 1 : sim::kProgramsMiddleDrop));

  for (int second = 2; host.filecount > 0; ++second) {
    ASSERT_LT(second, 60);
    const int before = host.filecount;
    t.pace.now += 1000;
    attacktimerTimer(t.game);
    const int passes = passesAt(t.pace.now);
    EXPECT_EQ(host.filecount, passes >= before ? 0 : before - passes);
    if (host.filecount > 0) {
      EXPECT_EQ(host.files[host.filecount].filetype, "deleter");
    }
    EXPECT_TRUE(slotsAboveCountEmpty(host));
  }
  EXPECT_EQ(host.status, "deleted") << "the last deleter finishes its server off";
}

TEST(Attacktimer, DeleterBelowAnotherFileRemovesItselfThenGoesOn) {
  std::int64_t start = kNoonishMs;
  while (passesAt(start) < 3) ++start;
  const int passes = passesAt(start);
  TestGame t(start);
  t.world().player.currentserver = 4;
  server& host = t.srv(4);
  addOrdinaryFiles(host, 5);
  addServerFile(host, makeFile("deleter", "eater.del"));
  addServerFile(host, makeFile("text", "late.txt"));

  attacktimerTimer(t.game);

  Lines expected = {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt"};
  expected.resize(static_cast<std::size_t>(std::max(0, 6 - passes)));
  expected.push_back("late.txt");
  EXPECT_EQ(fileNames(host), expected);
  ASSERT_GE(t.console.content.size(), 4u);
  EXPECT_EQ(
      Lines(t.console.content.begin(), t.console.content.begin() + 4),
      (Lines{"File: eater.del was deleted by program",
             "file: eater.deldeleted from server by unknown", "File: f5.txt was deleted by program",
             "file: f5.txtdeleted from server by unknown"}));
}

TEST(Attacktimer, DeleterAloneOnItsServerFinishesItOff) {
  TestGame t;
  server& host = t.srv(1);
  addServerFile(host, makeFile("deleter", "lonely.del"));
  host.status = "stable";
  attacktimerTimer(t.game);
  EXPECT_EQ(host.filecount, 0);
  EXPECT_EQ(host.status, "deleted");
  // Raised once, whatever the passes left, then cooled in the low band.
  EXPECT_EQ(host.suspicion, sim::kEmptiedServerCost - 1);
}

// A server-status mission is won once, when its target first reaches the
// goal; the goal words for a finished server all mean "deleted".
TEST(Attacktimer, StatusGoalIsWonOnceWhenFirstReached) {
  const struct {
    const char* goal;
    const char* program;
    long wins;
  } kCases[] = {{"down", "deleter", 1}, {"DESTROYED", "deleter", 1}, {"Deleted", "deleter", 1},
                {"Bugged", "spy", 1},   {"deleted", "spy", 0},       {"bugged", "deleter", 0}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.goal);
    TestGame t;
    TMission& mission = t.world().mission;
    mission.missiontype = "serverstatus";
    mission.goalstatus = c.goal;
    mission.targetindex = 3;
    addOrdinaryFiles(t.srv(3), 2);
    addServerFile(t.srv(3), makeFile(c.program, "p.exe"));
    for (int second = 0; second < 5; ++second, t.pace.now += 1000) attacktimerTimer(t.game);
    const Lines& lines = t.console.content;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "you won the mission!"), c.wins);
  }
}

TEST(Attacktimer, ThiefOnAServerWithoutMoneyDoesNothingAtAll) {
  TestGame t;
  server& host = t.srv(2);
  host.servertype = "other";
  addServerFile(host, makeFile("thief", "robber.exe"));
  t.game.random.seed = 12345;
  attacktimerTimer(t.game);
  EXPECT_EQ(t.world().player.money, 0);
  EXPECT_EQ(host.suspicion, 0);
  EXPECT_EQ(t.game.random.seed, 12345u) << "not even a reseed";
}

TEST(Attacktimer, ThievesInTheSameMillisecondPayTheSameAmount) {
  TestGame t;
  server& host = t.srv(2);
  host.servertype = "money";
  addServerFile(host, makeFile("thief", "a.exe"));
  addServerFile(host, makeFile("thief", "b.exe"));
  attacktimerTimer(t.game);
  EXPECT_EQ(t.world().player.money, 2 * seededAt(kNoonishMs)(sim::kTheftDraw));
  EXPECT_EQ(host.suspicion, 2 * sim::kThiefCost - 1);  // then cooled in the low band
}

TEST(Attacktimer, WinLineRepeatsEverySecondWhereverThePlayerIs) {
  TestGame t;
  TMission& mission = t.world().mission;
  mission.missiontype = "aquiremoney";
  mission.targetindex = 3;
  mission.money = seededAt(kNoonishMs)(sim::kTheftDraw);  // reached in the first second
  t.world().player.currentserver = kInChatroom;
  t.srv(3).servertype = "money";
  addServerFile(t.srv(3), makeFile("thief", "robber.exe"));

  for (int second = 1; second <= 3; ++second) {
    attacktimerTimer(t.game);
    EXPECT_EQ(t.console.content, Lines(static_cast<std::size_t>(second), "you won the mission!"));
    t.pace.now += 1000;
  }
  EXPECT_LE(mission.money, 0);
}

TEST(Attacktimer, ThiefElsewhereOrOnAnotherMissionNeverWins) {
  TestGame t;
  TMission& mission = t.world().mission;
  mission.missiontype = "serverstatus";
  mission.targetindex = 3;
  mission.money = 0;
  t.srv(3).servertype = "money";
  addServerFile(t.srv(3), makeFile("thief", "robber.exe"));
  attacktimerTimer(t.game);
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(mission.money, 0);
}

TEST(Attacktimer, MoneyCountersSaturate) {
  TestGame t;
  const std::int32_t amount = seededAt(kNoonishMs)(1000);
  ASSERT_GT(amount, 0);
  TMission& mission = t.world().mission;
  mission.missiontype = "aquiremoney";
  mission.targetindex = 1;
  mission.money = kMin + 1;
  t.world().player.money = kMax - 1;
  server& host = t.srv(1);
  host.servertype = "money";
  host.suspicion = kMax - 1;
  addServerFile(host, makeFile("thief", "robber.exe"));

  attacktimerTimer(t.game);

  EXPECT_EQ(t.world().player.money, kMax);
  EXPECT_EQ(mission.money, kMin);
  EXPECT_EQ(host.suspicion, sim::kMaxSuspicion);
}

TEST(Attacktimer, CoolingAfterThePrograms) {
  TestGame t;
  using sim::kHighBandFloor, sim::kMaxSuspicion, sim::kMiddleBandFloor;
  constexpr std::int32_t kHigh = sim::kProgramsHighDrop;
  constexpr std::int32_t kMiddle = sim::kProgramsMiddleDrop;
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {kMax, kMaxSuspicion},
      {kMaxSuspicion + 20, kMaxSuspicion},
      {kMaxSuspicion + 1, kMaxSuspicion},
      {kMaxSuspicion, kMaxSuspicion - kHigh},
      {kHighBandFloor, kHighBandFloor - kHigh},
      {kHighBandFloor - 1, kHighBandFloor - 1 - kMiddle},
      {kMiddleBandFloor, kMiddleBandFloor - kMiddle},
      {kMiddleBandFloor - 1, kMiddleBandFloor - 2},
      {1, 0},
      {0, 0},
      {-5, -5}};
  int i = 1;
  for (const auto& [before, after] : cases) t.srv(i++).suspicion = before;
  attacktimerTimer(t.game);
  i = 1;
  for (const auto& [before, after] : cases) EXPECT_EQ(t.srv(i++).suspicion, after) << before;
}

TEST(Attacktimer, SpyMarksItsServerBuggedOverAnyStatus) {
  TestGame t;
  t.srv(5).status = "Deleting";
  addOrdinaryFiles(t.srv(5), 2);
  addServerFile(t.srv(5), makeFile("spy", "eye.spy"));
  attacktimerTimer(t.game);
  EXPECT_EQ(t.srv(5).status, "bugged");
}

TEST(Attacktimer, HydraEatsMarksAndSpreadsToEveryUser) {
  TestGame t;
  server& host = t.srv(6);
  addOrdinaryFiles(host, 3);
  addServerFile(host, makeFile("hydra", "heads.hyd"));
  user& some = seatUser(host, 1, "Some");
  test::giveUserFiles(some, 2);
  user& full = seatUser(host, 2, "Full");
  test::giveUserFiles(full, kUserFileSlots);
  user& none = seatUser(host, 4, "None");

  attacktimerTimer(t.game);

  EXPECT_EQ(host.status, "bugged");
  EXPECT_EQ(host.filecount, std::max(1, 4 - passesAt(kNoonishMs)));
  EXPECT_EQ(host.files[host.filecount].name, "heads.hyd");
  EXPECT_EQ(some.filecount, 3);
  EXPECT_EQ(some.files[3].filetype, "hydra");
  EXPECT_EQ(full.filecount, kUserFileSlots);
  EXPECT_EQ(full.files[kUserFileSlots].name, "heads.hyd");
  EXPECT_EQ(full.files[kUserFileSlots - 1].name, "u19.txt");
  EXPECT_EQ(none.filecount, 1);
  EXPECT_EQ(host.users[3].filecount, 0) << "free slots get nothing";
}

TEST(Attacktimer, AntivirusActsUnlessTheServerIsNormal) {
  for (const std::string status : {"stable", "normal"}) {
    TestGame t;
    server& host = t.srv(7);
    host.status = status;
    addServerFile(host, makeFile("antivirus", "guard.exe"));
    addServerFile(host, makeFile("tracker", "trace.exe"));
    addServerFile(host, makeFile("text", "keep.txt"));
    addServerFile(host, makeFile("bomb", "boom.exe"));
    addServerFile(host, makeFile("anti-virus", "other.exe"));
    addServerFile(host, makeFile("mine", "mine.exe"));
    attacktimerTimer(t.game);
    const Lines all = {"guard.exe", "trace.exe", "keep.txt", "boom.exe", "other.exe", "mine.exe"};
    const Lines cleaned = {"guard.exe", "keep.txt", "other.exe"};
    EXPECT_EQ(fileNames(host), status == "normal" ? all : cleaned) << status;
  }
}

TEST(Attacktimer, AntivirusTestsAMovedFileOnlyAgainstTheWordsLeft) {
  TestGame t;
  server& host = t.srv(8);
  host.status = "stable";
  addServerFile(host, makeFile("thief", "t.exe"));
  addServerFile(host, makeFile("deleter", "d.del"));
  addServerFile(host, makeFile("text", "x.txt"));
  serverantivirus(t.game, 8);
  EXPECT_EQ(fileNames(host), (Lines{"d.del", "x.txt"})) << "deleter is tested before thief";

  host = server{};
  host.status = "stable";
  addServerFile(host, makeFile("deleter", "d.del"));
  addServerFile(host, makeFile("thief", "t.exe"));
  addServerFile(host, makeFile("text", "x.txt"));
  serverantivirus(t.game, 8);
  EXPECT_EQ(fileNames(host), Lines{"x.txt"});
  EXPECT_TRUE(slotsAboveCountEmpty(host));
}

TEST(Spyreport, ListsEveryUserSlotAndEveryNamedFileOfBuggedServers) {
  TestGame t;
  server& host = t.srv(2);
  host.name = "Alpha";
  host.status = "bugged";
  host.servertype = "money";
  host.suspicion = 42;
  user& u = seatUser(host, 1, "Nick", "Hacker");
  u.jumptime = 7;
  addServerFile(host, makeFile("text", "a.txt"));
  addServerFile(host, makeFile("targetfile", ""));
  addServerFile(host, makeFile("text", "b.txt"));
  t.srv(3).status = "Bugged";  // compared exactly

  spyreport(t.game);

  Lines expected = {"Report on server: 2, Alpha:",
                    "Status: bugged",
                    "Type: money",
                    "Suspicion:42",
                    "Server users: ",
                    "Nick : Hacker Time left: 7"};
  expected.insert(expected.end(), 14, " :  Time left: 0");
  expected.insert(expected.end(), {"server files:", "a.txt", "b.txt"});
  EXPECT_EQ(t.console.content, expected);
}

TEST(Spyreport, PrintsNothingWithoutABuggedServer) {
  TestGame t;
  t.srv(1).status = "stable";
  spyreport(t.game);
  EXPECT_TRUE(t.console.content.empty());
}

}  // namespace
}  // namespace qv
