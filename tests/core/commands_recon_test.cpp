#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "commands/command_rules.h"
#include "commands_world.h"
#include "world/console.h"

namespace qv {
namespace {

using test::buildPlainWorld;
using test::Lines;
using test::seatUser;
using test::TestGame;

struct Recon : ::testing::Test {
  Recon() { buildPlainWorld(t); }
  TestGame t;
};

TEST_F(Recon, IdIpOfAServerAddressGivesItsPhoneForFree) {
  t.world().player.currentserver = 3;
  t.enter("//idip 10.0.0.12");
  EXPECT_EQ(t.console.content,
            (Lines{"Running decoding algorithms on ip: 10.0.0.12", "Decoding complete....",
                   "Phone of server at: 10.0.0.12 = 1000000012"}));
  EXPECT_EQ(t.srv(3).suspicion, 1);
  EXPECT_EQ(t.srv(12).suspicion, 1);
}

TEST_F(Recon, IdIpFindsServersAndUsersAlikeServerFirst) {
  t.world().player.currentserver = 3;
  seatUser(t, 3, 4, "Vex", "10.0.0.12", "Webmaster");
  t.enter("//idip 10.0.0.12");
  EXPECT_EQ(t.console.content,
            (Lines{"Running decoding algorithms on ip: 10.0.0.12", "Decoding complete....",
                   "Phone of server at: 10.0.0.12 = 1000000012",
                   "Information on 10.0.0.12:", "Nickname: Vex", "Identification: Webmaster"}));
  EXPECT_EQ(t.srv(3).suspicion, 1 + commands::kIdentifySuspicion);
}

TEST_F(Recon, IdIpOfAnUnknownAddressMakesUpANumberNoServerHas) {
  t.enter("//idip 9.9.9.9");
  const std::string searching = "Running decoding algorithms on ip: 9.9.9.9";
  const std::string decoded = "Decoding complete....";
  // Reseeded after the two lines before the answer were typed.
  Random r;
  r.reseed(test::kNoonishMs +
           kTypingStepMs * static_cast<std::int64_t>(searching.size() + decoded.size()));
  const std::int64_t phone = commands::kMadeUpPhoneTop - r(commands::kMadeUpPhoneSpread);
  EXPECT_GT(phone, std::numeric_limits<std::int32_t>::max());  // no phone can have it
  EXPECT_EQ(t.console.content,
            (Lines{searching, decoded, "Phone of server at: 9.9.9.9 = " + std::to_string(phone)}));
}

TEST_F(Recon, IdIpEmptyOnAServerMatchesEveryFreeSlot) {
  t.world().player.currentserver = 8;
  seatUser(t, 8, 1, "Vex", "1.2.3.4", "Hacker");
  t.enter("//idip");
  const Lines& lines = t.console.content;
  constexpr int kFreeSlots = kUserSlots - 1;
  ASSERT_EQ(lines.size(), 1u + kFreeSlots * 3u);
  EXPECT_EQ(lines[0], "Running decoding algorithms on ip: ");
  EXPECT_EQ(lines[1], "Information on :");
  EXPECT_EQ(lines[2], "Nickname: ");
  EXPECT_EQ(lines[3], "Identification: ");
  EXPECT_EQ(t.srv(8).suspicion, 1 + kFreeSlots * commands::kIdentifySuspicion);
}

TEST_F(Recon, WhoisInEachState) {
  t.enter("//whois");
  EXPECT_EQ(t.console.content,
            (Lines{"You are not logged on to any server. To log on you must dial server"}));

  t.console.content.clear();
  t.world().player.currentserver = kInChatroom;
  TChatroom& room = t.world().chatroom;
  room.usercount = 3;
  room.users[1] = chatuser{"Hacker", "1.1.1.1", "Ann", 0};
  room.users[2] = chatuser{"Webmaster", "2.2.2.2", "Bo", 0};
  room.users[3] = chatuser{"Hacker", "3.3.3.3", "Cy", 0};
  room.users[4] = chatuser{"Hacker", "4.4.4.4", "Left over", 0};
  t.enter("//whois");
  EXPECT_EQ(t.console.content, (Lines{"There are currently 3 users in CHATROOM", "(1.1.1.1):Ann",
                                      "(2.2.2.2):Bo", "(3.3.3.3):Cy"}));

  t.console.content.clear();
  t.world().player.currentserver = 6;
  seatUser(t, 6, 9, "Late", "9.9.9.9", "Tech Support");
  seatUser(t, 6, 2, "Early", "2.2.2.2", "Anti-hacker");
  t.enter("//whois");
  EXPECT_EQ(t.console.content,
            (Lines{"Users logged onto Server6", "(2.2.2.2):Early", "(9.9.9.9):Late"}));
  EXPECT_EQ(t.srv(6).suspicion, 1 + commands::kWhoIsSuspicion);
}

TEST_F(Recon, WhoFindsANicknameInAnyCaseAndShowsItAsTyped) {
  t.world().player.currentserver = 11;
  seatUser(t, 11, 3, "GhostByte", "5.6.7.8", "Administrator");
  t.srv(11).users[3].filecount = 4;
  t.enter("//who GHOSTbyte");
  EXPECT_EQ(t.console.content, (Lines{"User Information: 5.6.7.8:ghostbyte11,3",
                                      "Identification:Administrator", "Files on harddrive: 4"}));
  EXPECT_EQ(t.srv(11).suspicion, 1 + commands::kWhoSuspicion);
}

TEST_F(Recon, WhoOfANicknameNobodyHasIsSilentAndFree) {
  t.world().player.currentserver = 11;
  seatUser(t, 11, 3, "GhostByte", "5.6.7.8", "Administrator");
  t.enter("//who ghost");
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(t.srv(11).suspicion, 1);
}

TEST_F(Recon, WhoEmptyMatchesEveryFreeSlot) {
  t.world().player.currentserver = 11;
  seatUser(t, 11, 3, "GhostByte", "5.6.7.8", "Administrator");
  t.enter("//who");
  constexpr int kFreeSlots = kUserSlots - 1;
  ASSERT_EQ(t.console.content.size(), kFreeSlots * 3u);
  EXPECT_EQ(t.console.content[0], "User Information: :11,1");
  EXPECT_EQ(t.console.content[1], "Identification:");
  EXPECT_EQ(t.console.content[2], "Files on harddrive: 0");
  EXPECT_EQ(t.console.content[6], "User Information: :11,4");
  EXPECT_EQ(t.srv(11).suspicion, 1 + kFreeSlots * commands::kWhoSuspicion);
}

}  // namespace
}  // namespace qv
