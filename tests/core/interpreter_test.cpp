#include <gtest/gtest.h>

#include "commands/command_rules.h"
#include "commands_world.h"
#include "world/game_error.h"

namespace qv {
namespace {

using test::buildPlainWorld;
using test::Lines;
using test::phoneOf;
using test::TestGame;

struct Interpreter : ::testing::Test {
  Interpreter() { buildPlainWorld(t); }
  TestGame t;
};

// The message the error box shows (before its final full stop), or "" when
// the line went through.
std::string errorOf(TestGame& t, const std::string& line) {
  try {
    t.enter(line);
  } catch (const GameError& e) {
    return e.what();
  }
  return "";
}

TEST_F(Interpreter, DialInCapitalsConnectsLikeLowerCase) {
  t.enter("//DIAL " + std::to_string(phoneOf(7)));
  EXPECT_EQ(t.world().player.currentserver, 7);
  EXPECT_EQ(t.console.content,
            (Lines{"Dialing 1000000007 ............", "Connected to server Server7 at 10.0.0.7"}));
}

TEST_F(Interpreter, DialArgumentsThatAreNoNumberRaiseTheErrorAndDialNothing) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"//dial", "'' is not a valid integer value"},
      {"//dial 12ab", "'12ab' is not a valid integer value"},
      {"//dial 3000000000", "'3000000000' is not a valid integer value"},
      {"//dial 2147483648", "'2147483648' is not a valid integer value"},
      {"//dial 100000001 ", "'100000001 ' is not a valid integer value"},
      {"//DIAL 12AB", "'12ab' is not a valid integer value"},
  };
  for (const auto& [line, message] : cases) {
    EXPECT_EQ(errorOf(t, line), message) << line;
  }
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(t.world().player.currentserver, kNotConnected);
}

TEST_F(Interpreter, DialReadsTenCharactersAfterTheSeparator) {
  // Twelve digits: the last two are never read.
  t.srv(5).phone = 1234567890;
  t.enter("//dial 123456789012");
  EXPECT_EQ(t.world().player.currentserver, 5);

  // Whatever stands at the separator's place is skipped.
  t.enter("//dialx1000000003");
  EXPECT_EQ(t.world().player.currentserver, 3);

  // A second blank is skipped by the conversion but still counts among the
  // ten characters read.
  t.srv(6).phone = 123456789;
  t.enter("//dial  1234567890");
  EXPECT_EQ(t.world().player.currentserver, 6);

  // Hexadecimal is accepted as the number conversion does elsewhere.
  t.enter("//dial $3B9ACA09");  // 1000000009
  EXPECT_EQ(t.world().player.currentserver, 9);
}

TEST_F(Interpreter, WholeLineCommandsTakeNoTrailingBlank) {
  t.enter("//difficultyhard ");
  t.enter("//servername ");
  t.enter(" //servername");
  EXPECT_EQ(t.world().mission.difficulty, 0);
  EXPECT_TRUE(t.console.content.empty());
}

TEST_F(Interpreter, DifficultyCommandsOnlySetTheDifficulty) {
  t.enter("//difficultyhard");
  EXPECT_EQ(t.world().mission.difficulty, 3);
  t.enter("//DifficultyEasy");
  EXPECT_EQ(t.world().mission.difficulty, 1);
  t.enter("//difficultynorm");
  EXPECT_EQ(t.world().mission.difficulty, 2);
  EXPECT_TRUE(t.console.content.empty());
}

TEST_F(Interpreter, ClearEmptiesTheConsoleAndTypesNothing) {
  t.enter("//servername");
  t.enter("//CLEAR");
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(t.pace.slept, 0);
}

TEST_F(Interpreter, ServerCommandsAreSilentOffAServer) {
  test::addToDrive(t, test::fileNamed("a.txt"));
  for (const std::int32_t where : {kNotConnected, kInChatroom}) {
    t.world().player.currentserver = where;
    t.enter("//ls");
    t.enter("//who");
    t.enter("//download a.txt");
    t.enter("//uploadfile a.txt");
  }
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(t.srv(1).suspicion, 1);
}

TEST_F(Interpreter, WhoisWithMoreLettersIsAWhoForSAndTheRest) {
  t.world().player.currentserver = 4;
  test::seatUser(t, 4, 2, "Sam", "1.2.3.4", "Hacker");
  t.enter("//whoisam");  // "//who" with the argument "sam"
  EXPECT_EQ(t.console.content, (Lines{"User Information: 1.2.3.4:sam4,2", "Identification:Hacker",
                                      "Files on harddrive: 0"}));
}

TEST_F(Interpreter, WhoisAloneListsAndIsNoWho) {
  t.world().player.currentserver = 4;
  test::seatUser(t, 4, 2, "Sam", "1.2.3.4", "Hacker");
  t.enter("//whois");
  EXPECT_EQ(t.console.content, (Lines{"Users logged onto Server4", "(1.2.3.4):Sam"}));
  EXPECT_EQ(t.srv(4).suspicion, 1 + commands::kWhoIsSuspicion);
}

TEST_F(Interpreter, ArgumentsAreCutAtFixedPlacesAndLowerCased) {
  test::addToDrive(t, test::fileNamed("a.txt"));
  test::addToDrive(t, test::fileNamed("b.txt"));
  t.enter("//delete harddrive_A.TXT");  // the separator's place is not read
  EXPECT_EQ(t.console.content, (Lines{"file: a.txtdeleted from harddrive..."}));
  EXPECT_EQ(t.world().player.filecount, 1);

  // "//idip" reads at most 15 characters.
  t.srv(12).ip = "100.100.100.100";
  t.enter("//idip 100.100.100.100999");
  EXPECT_EQ(t.console.content.back(), "Phone of server at: 100.100.100.100 = 1000000012");
}

TEST_F(Interpreter, HelpOnlyAndUnknownLinesDoNothing) {
  t.world().player.currentserver = 2;
  test::addToDrive(t, test::fileNamed("a.txt"));
  for (const char* line : {"//make virus deleter", "//upload a.txt", "//del all files",
                           "//chatsearch", "", "hello", "//l", "//downloa"}) {
    t.enter(line);
  }
  EXPECT_TRUE(t.console.content.empty());
}

TEST_F(Interpreter, TimersInAnyLetterCaseTogglesTheLogPanels) {
  t.enter("//Timers");
  EXPECT_TRUE(t.windows.panelsVisible);
  t.enter("//TIMERS");
  EXPECT_FALSE(t.windows.panelsVisible);
  t.enter("//timers ");
  EXPECT_FALSE(t.windows.panelsVisible);
}

TEST_F(Interpreter, TerminateClosesTheWindowOnlyOnTheWholeLine) {
  t.enter("//terminate ");
  EXPECT_TRUE(t.windows.gameWindowVisible);
  t.enter("//TERMINATE");
  EXPECT_FALSE(t.windows.gameWindowVisible);
}

TEST_F(Interpreter, IdIpInAnyLetterCase) {
  t.enter("//IdIp 10.0.0.3");
  EXPECT_EQ(t.console.content.back(), "Phone of server at: 10.0.0.3 = 1000000003");
}

}  // namespace
}  // namespace qv
