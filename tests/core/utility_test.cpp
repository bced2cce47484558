#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commands/command_rules.h"
#include "commands/utility.h"
#include "fakes.h"
#include "world/console.h"

namespace qv {
namespace {

using test::TestGame;

TEST(BankAccount, LogsOnShowsTheBalanceAndLogsOff) {
  TestGame t;
  t.world().player.money = 1500;
  // For every pause longer than a typing step: its length and the lines typed
  // before it.
  std::vector<std::pair<int, std::size_t>> pauses;
  t.pace.onSleep = [&] {
    const int last = t.pace.sleeps.back();
    if (last != kTypingStepMs) pauses.emplace_back(last, t.console.content.size());
  };
  bankaccount(t.game);

  const std::string host =
      t.console.content.front().substr(10, t.console.content[0].find('\\') - 10);
  EXPECT_FALSE(host.empty());
  EXPECT_EQ(t.console.content, (std::vector<std::string>{
                                   "accessing " + host + "\\accounts\\personal\\balance.asp ...",
                                   "Bank server contacted",
                                   "Please enter pin number: ********",
                                   "Please enter online code: ***********-*****",
                                   "Processing... ",
                                   "You are now logged onto your account...",
                                   "Your current balance is: 1500$",
                                   "Logging off of " + host,
                               }));
  EXPECT_EQ(pauses, (std::vector<std::pair<int, std::size_t>>{{commands::kBankContactMs, 1},
                                                              {commands::kBankPinMs, 3},
                                                              {commands::kBankCodeMs, 4},
                                                              {commands::kBankProcessingMs, 5},
                                                              {commands::kBankLogOffMs, 7}}));
  EXPECT_EQ(t.game.outputline, "Logging off of " + host);
}

TEST(BankAccount, FreshWorldHasNothing) {
  TestGame t;
  bankaccount(t.game);
  EXPECT_EQ(t.console.content[6], "Your current balance is: 0$");
}

TEST(UtilityToggles, TwiceLeavesEverythingAsItWas) {
  TestGame t;
  t.enter("//logfile");
  EXPECT_TRUE(t.windows.statusVisible);
  t.enter("//logfile");
  EXPECT_FALSE(t.windows.statusVisible);

  t.enter("//TIMERS");
  EXPECT_TRUE(t.windows.panelsVisible);
  t.enter("//timers");
  EXPECT_FALSE(t.windows.panelsVisible);
  // Memo2 decides for the pair, whatever state the shell reports.
  t.windows.panelsVisible = true;
  t.enter("//Timers");
  EXPECT_FALSE(t.windows.panelsVisible);
  EXPECT_TRUE(t.console.content.empty());
}

TEST(UtilityToggles, NotepadOnlyShowsTheCompilerWindow) {
  TestGame t;
  t.compiler.content = {"0101", ":spike"};
  t.enter("//notepad");
  t.enter("//notepad");
  EXPECT_TRUE(t.windows.compilerVisible);
  EXPECT_EQ(t.compiler.content, (std::vector<std::string>{"0101", ":spike"}));
  EXPECT_FALSE(t.timers.isEnabled(TimerId::CodeTimer));
  EXPECT_EQ(t.game.codeticks, 0);
}

}  // namespace
}  // namespace qv
