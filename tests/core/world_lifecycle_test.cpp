#include <gtest/gtest.h>

#include <fstream>

#include "fakes.h"
#include "missions/lifecycle.h"
#include "world/console.h"
#include "world/game_error.h"

namespace qv {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

const std::string kWelcome = "WELCOME HACKER TO QUORVEXER 2002, BY ZORVATH!";
const std::string kDashes(51, '-');
const std::string kLoaded = "--------------Loading Complete---------------------";
const std::string kSpaced = "- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -";

// Writes a mission file into the test's temporary folder; items end in CR LF.
std::string writeMissionFile(const std::string& fileName, const Lines& items) {
  const std::string path = testing::TempDir() + fileName;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& item : items) out << item << "\r\n";
  return path;
}

std::string heistMission() {
  // The name's é (0xE9) becomes É (0xC9) in the briefing.
  return writeMissionFile("world_heist.qmf",
                          {"night heist \xE9", "downloadfile", "Deep Vault", "", "blueprints.doc",
                           "0", "Fetch the blueprints.", "600"});
}

Lines startLines(const std::string& name, const std::string& description) {
  return {kWelcome,
          kDashes,
          "Creating servers...",
          "30/30",
          "Populating Servers...",
          "30/30",
          kLoaded,
          name,
          kSpaced,
          description};
}

TEST(WorldStart, FirstActivationStartsTheGame) {
  TestGame t;
  t.windows.missionAnswers.push_back(heistMission());
  t.console.appendLine("old text");
  t.world().player.currentserver = 7;
  FormActivate(t.game);

  EXPECT_EQ(t.console.content, startLines("NIGHT HEIST \xC9", "Fetch the blueprints."));
  EXPECT_EQ(t.world().mission.name, "night heist \xE9");  // stored case kept
  EXPECT_EQ(t.world().mission.time, 600);
  EXPECT_EQ(t.srv(t.world().mission.targetindex).name.str(), "Deep Vault");
  EXPECT_EQ(t.world().player.currentserver, kNotConnected);
  EXPECT_EQ(t.windows.missionDialogs, 1);
  EXPECT_EQ(t.windows.repaints, 1);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::JumpTimer));
  EXPECT_TRUE(t.timers.isEnabled(TimerId::Userfiletimer));
  EXPECT_FALSE(t.timers.isEnabled(TimerId::ChatTimer));
  EXPECT_TRUE(t.game.activated);
}

TEST(WorldStart, LinesAreTypedAfterTheRepaint) {
  TestGame t;
  t.windows.missionAnswers.push_back(heistMission());
  int repaintsAtFirstSleep = -1;
  t.pace.onSleep = [&] {
    if (repaintsAtFirstSleep < 0) repaintsAtFirstSleep = t.windows.repaints;
  };
  FormActivate(t.game);
  EXPECT_EQ(repaintsAtFirstSleep, 1);
  const std::size_t typed = kWelcome.size() + kDashes.size() + kLoaded.size() +
                            std::string("NIGHT HEIST \xC9").size() + kSpaced.size() +
                            std::string("Fetch the blueprints.").size();
  EXPECT_EQ(t.pace.slept, static_cast<std::int64_t>(kTypingStepMs * typed));
  EXPECT_EQ(t.game.outputline, kSpaced);  // the description is typed directly
}

TEST(WorldStart, CancelledOrEmptyDialogStartsWithAnEmptyMission) {
  for (const std::optional<std::string>& answer :
       {std::optional<std::string>{}, std::optional<std::string>{""}}) {
    TestGame t;
    t.windows.missionAnswers.push_back(answer);
    FormActivate(t.game);
    EXPECT_EQ(t.console.content, startLines("", ""));
    EXPECT_TRUE(t.srv(t.world().mission.targetindex).name.empty());
    EXPECT_EQ(t.game.tables.wordlist.size(), 328u);
    EXPECT_TRUE(t.game.activated);
  }
}

// The message of the error that ends an activation.
std::string activationError(TestGame& t) {
  try {
    FormActivate(t.game);
  } catch (const GameError& e) {
    return e.what();
  }
  return "no error";
}

void expectNotStarted(TestGame& t) {
  EXPECT_EQ(t.console.content, (Lines{kWelcome, kDashes, ""}));
  EXPECT_FALSE(t.game.activated);
  EXPECT_FALSE(t.timers.isEnabled(TimerId::JumpTimer));
  EXPECT_FALSE(t.timers.isEnabled(TimerId::Userfiletimer));
  EXPECT_EQ(t.srv(1).filecount, 0);  // no world yet
  EXPECT_EQ(t.game.tables.wordlist.size(), 313u);
}

TEST(WorldStart, UnreadableMissionStopsTheStartUntilTheNextActivation) {
  TestGame t;
  t.windows.missionAnswers.push_back(writeMissionFile(
      "world_bad_money.qmf", {"Broken", "aquiremoney", "Vault", "", "", "lots", "Nope.", "60"}));
  EXPECT_EQ(activationError(t), "Invalid numeric input");
  expectNotStarted(t);
  EXPECT_EQ(t.world().mission.name, "Broken");  // items before the failing one stay read

  // A difficulty typed meanwhile is in force when the world is made.
  t.enter("//difficultyhard");
  t.windows.missionAnswers.push_back(heistMission());
  FormActivate(t.game);
  EXPECT_EQ(t.windows.missionDialogs, 2);
  EXPECT_EQ(t.windows.repaints, 2);
  EXPECT_EQ(t.console.content, startLines("NIGHT HEIST \xC9", "Fetch the blueprints."));
  EXPECT_TRUE(t.game.activated);
  const auto& words = t.game.tables.wordlist;
  const std::string targetIp = t.srv(t.world().mission.targetindex).ip;
  EXPECT_EQ(words.size(), 328u);
  EXPECT_EQ(words[326], targetIp);
  EXPECT_EQ(words[327], targetIp);
}

TEST(WorldStart, MissingMissionFileStopsTheStart) {
  TestGame t;
  t.windows.missionAnswers.push_back(testing::TempDir() + "world_no_such_mission.qmf");
  EXPECT_EQ(activationError(t), "File not found");
  expectNotStarted(t);
}

TEST(WorldStart, TerminateStopsTheTimersAndReopeningContinues) {
  TestGame t;
  t.windows.missionAnswers.push_back(heistMission());
  FormActivate(t.game);
  t.timers.setEnabled(TimerId::ChatTimer, true);
  t.enter("//terminate");
  EXPECT_FALSE(t.windows.gameWindowVisible);
  EXPECT_TRUE(t.windows.menuVisible);
  for (TimerId id : {TimerId::JumpTimer, TimerId::ChatTimer, TimerId::Userfiletimer}) {
    EXPECT_FALSE(t.timers.isEnabled(id));
  }
  EXPECT_TRUE(t.game.activated);

  const Lines console = t.console.content;
  const std::string firstServer = t.srv(1).name;
  const std::int64_t slept = t.pace.slept;
  FormActivate(t.game);
  EXPECT_EQ(t.console.content, console);
  EXPECT_EQ(t.pace.slept, slept);
  EXPECT_EQ(t.windows.missionDialogs, 1);
  EXPECT_EQ(t.windows.repaints, 1);
  EXPECT_EQ(t.srv(1).name.str(), firstServer);
  EXPECT_FALSE(t.timers.isEnabled(TimerId::JumpTimer));
  EXPECT_FALSE(t.timers.isEnabled(TimerId::Userfiletimer));
}

// A mission dialog whose closing activates the game window again, as a
// windowing system does when a modal dialog goes away.
class ReactivatingWindows : public test::FakeWindows {
 public:
  Game* game = nullptr;
  std::optional<std::string> askMissionFile() override {
    auto answer = FakeWindows::askMissionFile();
    if (game) FormActivate(*game);
    return answer;
  }
};

TEST(WorldStart, ActivationDuringTheDialogDoesNotStartASecondGame) {
  test::FakePane console, jumpLog, fileLog, compiler, status;
  test::FakePace pace(test::kNoonishMs);
  test::FakeTimers timers;
  ReactivatingWindows windows;
  Game game{Ports{console, jumpLog, fileLog, compiler, status, pace, timers, windows}};
  windows.game = &game;
  FormActivate(game);
  EXPECT_EQ(windows.missionDialogs, 1);
  EXPECT_EQ(console.content, startLines("", ""));
  EXPECT_EQ(game.tables.wordlist.size(), 328u);
}

}  // namespace
}  // namespace qv
