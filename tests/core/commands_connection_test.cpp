#include <gtest/gtest.h>

#include <limits>

#include "commands/command_rules.h"
#include "commands_world.h"
#include "world/console.h"

namespace qv {
namespace {

using test::buildPlainWorld;
using test::Lines;
using test::TestGame;

struct Connection : ::testing::Test {
  Connection() { buildPlainWorld(t); }
  TestGame t;
};

TEST_F(Connection, DialFromTheChatroomLogsOffTheRoomFirst) {
  t.world().player.currentserver = kInChatroom;
  t.timers.setEnabled(TimerId::ChatTimer, true);
  t.srv(7).suspicion = 20;
  t.enter("//dial 1000000007");
  EXPECT_EQ(t.console.content, (Lines{"Dialing 1000000007 ............", "Logged off of CHATROOM",
                                      "Connected to server Server7 at 10.0.0.7"}));
  EXPECT_FALSE(t.timers.isEnabled(TimerId::ChatTimer));
  EXPECT_EQ(t.world().player.currentserver, 7);
  EXPECT_EQ(t.srv(7).suspicion, 20 + commands::kConnectSuspicion);
}

TEST_F(Connection, RedialingTheSameServerAppliesTheLogOffRuleThenConnects) {
  t.world().player.currentserver = 7;
  t.srv(7).suspicion = 60;
  t.enter("//dial 1000000007");
  // Above the wary mark: the log-off raises it, then the dial.
  EXPECT_EQ(t.srv(7).suspicion, 60 + commands::kWaryRaise + commands::kConnectSuspicion);
  EXPECT_EQ(t.world().player.currentserver, 7);
  EXPECT_EQ(t.console.content[1], "Logged off of server: Server7 at: 10.0.0.7");
}

TEST_F(Connection, LogOffThresholds) {
  using commands::kCalmBelow, commands::kCalmDrop, commands::kWaryAbove, commands::kWaryRaise;
  const std::vector<std::pair<std::int32_t, std::int32_t>> beforeAfter = {
      {kCalmBelow - 1, kCalmBelow - 1 - kCalmDrop},
      {kCalmBelow, kCalmBelow},
      {kWaryAbove, kWaryAbove},
      {kWaryAbove + 1, kWaryAbove + 1 + kWaryRaise},
      {-3, -3 - kCalmDrop}};
  for (const auto& [before, after] : beforeAfter) {
    t.world().player.currentserver = 2;
    t.srv(2).suspicion = before;
    t.enter("//logoff");
    EXPECT_EQ(t.srv(2).suspicion, after) << "from " << before;
    EXPECT_EQ(t.world().player.currentserver, kNotConnected);
  }
}

TEST_F(Connection, SuspicionSaturatesInsteadOfWrapping) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  t.srv(2).suspicion = kMax - 3;
  t.enter("//dial 1000000002");
  EXPECT_EQ(t.srv(2).suspicion, kMax);
  t.enter("//logoff");
  EXPECT_EQ(t.srv(2).suspicion, kMax);

  t.world().player.currentserver = 3;
  t.srv(3).suspicion = kMin + 2;
  t.enter("//logoff");
  EXPECT_EQ(t.srv(3).suspicion, kMin);
}

TEST_F(Connection, FailedDialLeavesThePlayerWhereTheyWere) {
  t.world().player.currentserver = 3;
  t.enter("//dial 0042");
  EXPECT_EQ(t.console.content,
            (Lines{"Dialing 42 ............", "Disconnecting.....", "Could not connect to 42"}));
  EXPECT_EQ(t.world().player.currentserver, 3);
  EXPECT_EQ(t.srv(3).suspicion, 1);
}

TEST_F(Connection, SharedPhoneNumberConnectsEachServerInTurn) {
  t.srv(4).phone = 1111111111;
  t.srv(9).phone = 1111111111;
  t.srv(4).suspicion = 20;
  t.srv(9).suspicion = 20;
  t.enter("//dial 1111111111");
  EXPECT_EQ(t.console.content,
            (Lines{"Dialing 1111111111 ............", "Connected to server Server4 at 10.0.0.4",
                   "Logged off of server: Server4 at: 10.0.0.4",
                   "Connected to server Server9 at 10.0.0.9"}));
  EXPECT_EQ(t.world().player.currentserver, 9);
  EXPECT_EQ(t.srv(4).suspicion, 20 + commands::kConnectSuspicion);
  EXPECT_EQ(t.srv(9).suspicion, 20 + commands::kConnectSuspicion);
}

TEST_F(Connection, LogOffNowhereIsSilent) {
  t.enter("//logoff");
  EXPECT_TRUE(t.console.content.empty());
}

TEST_F(Connection, ServernameInEveryState) {
  t.enter("//servername");
  t.world().player.currentserver = kInChatroom;
  t.enter("//servername");
  t.srv(5).name = "abcdefghijklmnopqrstuvwxyz0123456789";  // cut to 30
  t.world().player.currentserver = 5;
  t.enter("//servername");
  EXPECT_EQ(t.console.content, (Lines{"You are not on a server!", "Servername = CHATROOM",
                                      "Servername = abcdefghijklmnopqrstuvwxyz0123"}));
  EXPECT_EQ(t.pace.slept, 0);  // immediate lines, never typed
}

TEST_F(Connection, ConnectLineIsTypedOneStepACharacter) {
  t.enter("//dial 1000000001");
  const std::size_t typed = std::string("Dialing 1000000001 ............").size() +
                            std::string("Connected to server Server1 at 10.0.0.1").size();
  EXPECT_EQ(t.pace.slept, static_cast<std::int64_t>(kTypingStepMs * typed));
  EXPECT_EQ(t.game.outputline, "Connected to server Server1 at 10.0.0.1");
}

}  // namespace
}  // namespace qv
