// A player's whole road with a program: order it, wait for it, plant it on a
// server through typed commands, and watch it work there.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "commands/compiler.h"
#include "fakes.h"
#include "sim/programs.h"
#include "world/generate.h"

namespace qv {
namespace {

using test::TestGame;

constexpr std::int64_t kOneSecondMs = 1000;

void startMoneyMission(TestGame& t) {
  TMission& mission = t.world().mission;
  mission.name = "Skim the ledger";
  mission.missiontype = "aquiremoney";
  mission.targetserver = "Copperfield Holdings";
  mission.money = 1500;
  GenerateGame(t.game);
  t.world().player.currentserver = kNotConnected;
}

// Orders a program by command and ticks the compiler until it lands; returns
// the file that landed.
Afile buildProgram(TestGame& t, const std::string& command) {
  const std::int32_t before = t.world().player.filecount;
  t.enter(command);
  while (t.game.codeticks > 0) CodeTimerTimer(t.game);
  EXPECT_EQ(t.world().player.filecount, before + 1);
  return t.world().player.harddrive[t.world().player.filecount];
}

void dialAndUpload(TestGame& t, int serverIndex, const std::string& name) {
  t.enter("//dial " + std::to_string(t.srv(serverIndex).phone));
  ASSERT_EQ(t.world().player.currentserver, serverIndex);
  const std::int32_t before = t.srv(serverIndex).filecount;
  t.enter("//uploadfile " + name);
  ASSERT_EQ(t.srv(serverIndex).filecount, before + 1);
}

// One second of the program timer, with the clock moving on as it would.
void oneSecond(TestGame& t) {
  t.pace.now += kOneSecondMs;
  attacktimerTimer(t.game);
}

bool consoleHas(const TestGame& t, const std::string& line) {
  return std::find(t.console.content.begin(), t.console.content.end(), line) !=
         t.console.content.end();
}

TEST(CompilerEndToEnd, DeleterEmptiesAServerAndThiefWinsTheMission) {
  TestGame t;
  startMoneyMission(t);
  const int target = t.world().mission.targetindex;
  const int victim = target == 1 ? 2 : 1;

  const Afile deleter = buildProgram(t, "//create virus deleter");
  ASSERT_EQ(deleter.filetype, "deleter");
  dialAndUpload(t, victim, deleter.name);
  EXPECT_EQ(t.srv(victim).status, "Deleting");

  // The deleter eats at least one file a second, then itself.
  int seconds = 0;
  while (t.srv(victim).filecount > 0) {
    const std::int32_t before = t.srv(victim).filecount;
    oneSecond(t);
    ASSERT_LT(t.srv(victim).filecount, before);
    ASSERT_LT(++seconds, 100);
  }
  EXPECT_EQ(t.srv(victim).status, "deleted");

  const Afile thief = buildProgram(t, "//create virus thief");
  ASSERT_EQ(thief.filetype, "thief");
  dialAndUpload(t, target, thief.name);

  seconds = 0;
  while (!consoleHas(t, "you won the mission!")) {
    const std::int32_t money = t.world().player.money;
    oneSecond(t);
    ASSERT_GE(t.world().player.money, money);
    ASSERT_LT(++seconds, 100);
  }
  EXPECT_LE(t.world().mission.money, 0);
  const std::int32_t stolen = t.world().player.money;
  EXPECT_EQ(stolen, 1500 - t.world().mission.money);

  t.enter("//bankaccount");
  EXPECT_TRUE(consoleHas(t, "Your current balance is: " + std::to_string(stolen) + "$"));
}

}  // namespace
}  // namespace qv
