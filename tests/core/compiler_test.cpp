#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "commands/command_rules.h"
#include "commands/compiler.h"
#include "fakes.h"
#include "missions/lifecycle.h"
#include "world/console.h"
#include "world/game_error.h"

namespace qv {
namespace {

using test::TestGame;

const std::string kClosingLine = "Program created, upload to server to use";

// Ticks the compiler window until the program lands; returns the ticks taken.
int tickUntilDone(TestGame& t) {
  int ticks = 0;
  while (t.game.codeticks > 0) {
    CodeTimerTimer(t.game);
    ++ticks;
  }
  return ticks;
}

bool isBinary(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '1'; });
}

// The compiler window holds exactly these lines when the player presses Enter.
void compileLines(TestGame& t, const std::vector<std::string>& lines) {
  t.compiler.content = lines;
  CompileProgram(t.game);
}

TEST(CompilerOrder, DeleterAnnouncesOpensWindowAndStartsTimer) {
  TestGame t;
  createdeleter(t.game);
  EXPECT_EQ(t.console.content,
            (std::vector<std::string>{"Creating Deleter Virus().....", " generating program... "}));
  EXPECT_EQ(t.game.programkind, "deleter");
  EXPECT_TRUE(t.windows.compilerVisible);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::CodeTimer));

  // The generator is reseeded after the announcement has been typed.
  Random expected;
  expected.reseed(test::kNoonishMs + kTypingStepMs * 29);
  EXPECT_EQ(t.game.codeticks,
            expected(commands::kTickSpread) + commands::kTicksPerSize * commands::kDeleterSize);
}

TEST(CompilerOrder, ThiefAnnouncement) {
  TestGame t;
  createthief(t.game);
  EXPECT_EQ(t.console.content,
            (std::vector<std::string>{"Creating Thief Virus.....", " generating program... "}));
  EXPECT_EQ(t.game.programkind, "thief");
}

// Over many clock readings the counts fill exactly the documented ranges.
TEST(CompilerOrder, TickRangesByDifficultyAndSize) {
  struct Case {
    std::int32_t difficulty;
    bool thief;
  };
  const std::vector<Case> cases = {{0, false}, {1, false}, {2, false}, {3, false},
                                   {0, true},  {1, true},  {2, true},  {3, true}};
  for (const Case& c : cases) {
    const std::int32_t size = c.thief ? commands::kThiefSize : commands::kDeleterSize;
    const std::int32_t lowest =
        commands::kTicksPerDifficulty * c.difficulty + commands::kTicksPerSize * size;
    std::int32_t low = std::numeric_limits<std::int32_t>::max();
    std::int32_t high = std::numeric_limits<std::int32_t>::min();
    TestGame t;
    t.world().mission.difficulty = c.difficulty;
    for (std::int64_t step = 0; step < 3000; ++step) {
      t.pace.now = step * 28'799 % 86'400'000;
      c.thief ? createthief(t.game) : createdeleter(t.game);
      low = std::min(low, t.game.codeticks);
      high = std::max(high, t.game.codeticks);
    }
    EXPECT_EQ(low, lowest) << "difficulty " << c.difficulty << " thief " << c.thief;
    EXPECT_EQ(high, lowest + commands::kTickSpread - 1)
        << "difficulty " << c.difficulty << " thief " << c.thief;
  }
}

TEST(CompilerTimer, ProducesOneDigitPerTickThenDeliversTheProgram) {
  TestGame t;
  createdeleter(t.game);
  const auto consoleBefore = t.console.content;
  const std::int32_t ordered = t.game.codeticks;

  EXPECT_EQ(tickUntilDone(t), ordered);
  ASSERT_EQ(t.compiler.content.size(), 2u);
  EXPECT_EQ(t.compiler.content[0].size(), static_cast<std::size_t>(ordered));
  EXPECT_TRUE(isBinary(t.compiler.content[0]));
  EXPECT_EQ(t.compiler.content[1], kClosingLine);

  ASSERT_EQ(t.world().player.filecount, 1);
  const Afile& file = t.world().player.harddrive[1];
  EXPECT_EQ(file.filetype, "deleter");
  EXPECT_TRUE(file.name.ends_with(".del"));
  const std::string word = file.name.substr(0, file.name.size() - 4);
  const auto& words = t.game.tables.wordlist;
  EXPECT_NE(std::find(words.begin(), words.end(), word), words.end());
  EXPECT_TRUE(file.info.empty());

  // Nothing is said in the game console, and idle ticks do nothing.
  EXPECT_EQ(t.console.content, consoleBefore);
  CodeTimerTimer(t.game);
  EXPECT_EQ(t.compiler.content.size(), 2u);
  EXPECT_EQ(t.world().player.filecount, 1);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::CodeTimer));
}

TEST(CompilerTimer, ThiefOrderedWhileDeleterRunsIsTheOneProgramThatLands) {
  TestGame t;
  t.world().player.filecount = 2;
  createdeleter(t.game);
  for (int i = 0; i < 40; ++i) CodeTimerTimer(t.game);
  createthief(t.game);
  const std::int32_t thiefTicks = commands::kTicksPerSize * commands::kThiefSize;
  EXPECT_GE(t.game.codeticks, thiefTicks);
  EXPECT_LE(t.game.codeticks, thiefTicks + commands::kTickSpread - 1);

  tickUntilDone(t);
  ASSERT_EQ(t.world().player.filecount, 3);
  EXPECT_EQ(t.world().player.harddrive[3].filetype, "thief");
  EXPECT_TRUE(t.world().player.harddrive[3].name.ends_with(".exe"));
  EXPECT_EQ(std::count(t.compiler.content.begin(), t.compiler.content.end(), kClosingLine), 1);
}

TEST(CompilerTimer, NextProgramsDigitsFollowUse) {
  TestGame t;
  createdeleter(t.game);
  tickUntilDone(t);
  createthief(t.game);
  CodeTimerTimer(t.game);
  ASSERT_EQ(t.compiler.content.size(), 2u);
  const std::string last = t.compiler.lastLine();
  EXPECT_EQ(last.size(), kClosingLine.size() + 1);
  EXPECT_TRUE(last.starts_with(kClosingLine));
  EXPECT_TRUE(isBinary(last.substr(kClosingLine.size())));
}

TEST(CompilerTimer, FullDriveGetsTheClosingLineButNoFile) {
  TestGame t;
  t.world().player.filecount = kHarddriveSlots;
  createthief(t.game);
  tickUntilDone(t);
  EXPECT_EQ(t.compiler.lastLine(), kClosingLine);
  EXPECT_EQ(t.world().player.filecount, kHarddriveSlots);
  EXPECT_TRUE(t.world().player.harddrive[kHarddriveSlots].name.empty());
}

TEST(CompilerTimer, KeepsWorkingAfterTheGameWindowCloses) {
  TestGame t;
  createdeleter(t.game);
  CodeTimerTimer(t.game);
  FormClose(t.game);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::CodeTimer));
  tickUntilDone(t);
  EXPECT_EQ(t.world().player.filecount, 1);
  EXPECT_EQ(t.world().player.harddrive[1].filetype, "deleter");
}

TEST(CompilerKeywords, EachRowOfTheTable) {
  struct Case {
    std::string line;
    std::int32_t added;
  };
  const std::vector<Case> cases = {
      // whole-line rows: exact, case-sensitive, nothing may follow
      {":deletetextfiles", 10},
      {":deleteexefiles", 20},
      {":deleteotherfiles", 20},
      {":harddrivedel", 20},
      {":createporn", 4},
      {":overloadharddrive", 20},
      {":spike", 20},
      {":informauthorities", 25},
      {":transfermoney", 20},
      {":copyself", 15},
      {":deleteviruses", 40},
      {":restore", 20},
      {":deletetextfiles ", 0},
      {":Spike", 0},
      // first-n rows: whatever follows the keyword
      {":track", 5},
      {":trackserver 12", 5},
      {":downloadto c:\\loot", 15},
      {":renameselfsvchost", 10},
      {":typemessage hello there", 5},
      {":trac", 0},
      {":TRACK", 0},
      // ":antivirus": 20 plus characters 12 and 13
      {":antivirus 15", 35},
      {":antivirus -5", 15},
      {":antivirus 7", 27},
      {":antivirus 123", 32},
      {":antivirus  4", 24},
      // neither keywords nor anything else
      {":end", 0},
      {"0110101", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    TestGame t;
    compileLines(t, {c.line, ":end"});
    EXPECT_EQ(t.game.codeticks, c.added) << '"' << c.line << '"';
    EXPECT_TRUE(t.timers.isEnabled(TimerId::CodeTimer)) << '"' << c.line << '"';
  }
}

TEST(CompilerKeywords, BadAntivirusNumberStopsTheCompile) {
  for (const std::string& line : {std::string(":antivirus xy"), std::string(":antivirus")}) {
    TestGame t;
    t.compiler.content = {":spike", line, ":copyself", ":end"};
    const std::string text = line.size() > 11 ? line.substr(11) : "";
    try {
      CompileProgram(t.game);
      ADD_FAILURE() << "no error for " << line;
    } catch (const GameError& error) {
      EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
    EXPECT_EQ(t.game.codeticks, 20);  // ":spike" stays, ":copyself" never counted
    EXPECT_FALSE(t.timers.isEnabled(TimerId::CodeTimer));
  }
}

TEST(CompilerKeywords, RepeatDoublesTheRunningCounter) {
  TestGame t;
  compileLines(t, {":repeat", ":spike", ":repeat", ":end"});
  EXPECT_EQ(t.game.codeticks, 40);  // nothing left to double at first

  TestGame running;
  createdeleter(running.game);
  const std::int32_t left = running.game.codeticks;
  compileLines(running, {":repeat", ":createporn", ":end"});
  EXPECT_EQ(running.game.codeticks, 2 * left + 4);
  EXPECT_EQ(running.game.programkind, "deleter");
}

TEST(CompilerKeywords, CounterSaturatesInsteadOfOverflowing) {
  TestGame t;
  std::vector<std::string> lines = {":spike"};
  lines.insert(lines.end(), 40, ":repeat");
  lines.push_back(":deleteviruses");
  lines.push_back(":end");
  compileLines(t, lines);
  EXPECT_EQ(t.game.codeticks, std::numeric_limits<std::int32_t>::max());
}

TEST(CompilerKeywords, CompileWithoutAnOrderLandsNoFile) {
  TestGame t;
  compileLines(t, {":createporn", ":end"});
  tickUntilDone(t);
  EXPECT_EQ(t.compiler.lastLine(), kClosingLine);
  EXPECT_EQ(t.world().player.filecount, 0);
  EXPECT_TRUE(t.game.programkind.empty());
}

TEST(CompilerKeywords, OnlyEnterOnAnEndLineCompiles) {
  TestGame t;
  t.compiler.content = {":spike", ":end"};
  compilerConsoleKeyDown(t.game, 'A');
  EXPECT_EQ(t.game.codeticks, 0);
  t.compiler.content = {":spike", ":end "};
  compilerConsoleKeyDown(t.game, kReturnKey);
  EXPECT_EQ(t.game.codeticks, 0);
  t.compiler.content = {":spike", ":END"};
  compilerConsoleKeyDown(t.game, kReturnKey);
  EXPECT_EQ(t.game.codeticks, 0);
  EXPECT_FALSE(t.timers.isEnabled(TimerId::CodeTimer));

  t.compiler.content = {":spike", ":end"};
  compilerConsoleKeyDown(t.game, kReturnKey);
  EXPECT_EQ(t.game.codeticks, 20);
  EXPECT_TRUE(t.timers.isEnabled(TimerId::CodeTimer));
}

}  // namespace
}  // namespace qv
