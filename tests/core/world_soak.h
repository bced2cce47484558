#pragma once

// A long run of every timer on a generated world while a random player types
// commands, checking after every handler that the world stays well formed.
// Shared by the soak test and the soak driver (soak/), which runs it for
// millions of simulated seconds.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "commands/chatroom.h"
#include "commands/compiler.h"
#include "fakes.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/sim_rules.h"
#include "sim/status.h"
#include "sim/userfiles.h"
#include "sim_world.h"
#include "world/game_error.h"
#include "world/generate.h"
#include "world_invariants.h"

namespace qv::test {

constexpr std::int64_t kDayMs = 86'400'000;

// ---- the checks --------------------------------------------------------

inline std::string suspicionFault(const World& world) {
  for (int i = 1; i <= kServerCount; ++i) {
    if (world.servers[i].suspicion > sim::kMaxSuspicion) {
      return "server " + std::to_string(i) + " above " + std::to_string(sim::kMaxSuspicion);
    }
  }
  return {};
}

// ---- the player ----------------------------------------------------------

// Lines a player may type into the compiler window before ":end"; a bad
// ":antivirus" number is an error box. ":repeat" is left out: a few of them
// hold the compiler for weeks of game time.
inline constexpr std::array<const char*, 8> kCompilerLines{
    ":deletetextfiles", ":track 10.0.0.1", ":spike",   ":copyself",
    ":antivirus 12",    ":antivirus xy",   ":restore", "just a note"};

// Types a random command now and then, with names taken from the world so
// that many of them find something to work on.
class RandomPlayer {
 public:
  RandomPlayer(TestGame& t, std::uint32_t seed) : t_(t) { pick_.seed = seed; }

  // True when a line was typed.
  bool maybeType() {
    if (pick_(4) != 0) return false;
    try {
      act();
    } catch (const GameError&) {
      // An error box: the game goes on.
    }
    return true;
  }

 private:
  void act() {
    World& world = t_.world();
    const server& some = world.servers[pick_(kServerCount) + 1];
    const std::int32_t here = world.player.currentserver;
    const server* current = here >= 1 && here <= kServerCount ? &world.servers[here] : nullptr;
    const Tplayer& p = world.player;
    switch (pick_(22)) {
      case 0:
      case 1:
        return t_.enter("//dial " + std::to_string(some.phone));
      case 2:
        return t_.enter(pick_(2) == 0 ? "//dial 0000000001" : "//dial 12ab");
      case 3:
        return t_.enter("//ls");
      case 4:
        return t_.enter(current && current->filecount > 0
                            ? "//download " + current->files[pick_(current->filecount) + 1].name
                            : "//whois");
      case 5:
      case 6:
        // Created programs sit on the drive too: this is how they get planted.
        return t_.enter(p.filecount > 0 ? "//uploadfile " + p.harddrive[pick_(p.filecount) + 1].name
                                        : "//harddrive");
      case 7:
        return t_.enter(pick_(2) == 0 ? "//create virus deleter" : "//create virus thief");
      case 8:
        return t_.enter("//delete harddrive " + p.harddrive[pick_(kHarddriveSlots) + 1].name);
      case 9:
        return t_.enter("//logoff");
      case 10:
        return t_.enter("//chatroom");
      case 11:
        return t_.enter("//who " + some.users[pick_(kUserSlots) + 1].nickname);
      case 12:
        return t_.enter("//whois");
      case 13:
        return t_.enter("//idip " + some.ip.str());
      case 14:
        return t_.enter("//spyreport");
      case 15:
        return t_.enter("//servername");
      case 16:
        return t_.enter("//clear");
      case 17:
        return t_.enter("//bankaccount");
      case 18: {
        static const char* const kLevels[] = {"//difficultyeasy", "//difficultynorm",
                                              "//difficultyhard"};
        return t_.enter(kLevels[pick_(3)]);
      }
      case 19:
      case 20:
        return compile();
      default:
        return t_.enter("//harddrive");
    }
  }

  // A few keyword lines into the compiler window, then ":end" and Return.
  void compile() {
    const int lines = pick_(4);
    for (int i = 0; i < lines; ++i) {
      const auto row = pick_(static_cast<std::int32_t>(kCompilerLines.size()));
      t_.compiler.appendLine(kCompilerLines[static_cast<std::size_t>(row)]);
    }
    t_.compiler.appendLine(":end");
    compilerConsoleKeyDown(t_.game, kReturnKey);
  }

  TestGame& t_;
  Random pick_;
};

// ---- the world -----------------------------------------------------------

// A generated world with a mission, its game timers on, as a game's first
// activation leaves it.
inline void startSoakWorld(TestGame& t, const std::string& missiontype) {
  TMission& mission = t.world().mission;
  mission.missiontype = missiontype;
  mission.targetserver = "Soak Target";
  mission.money = 50'000;
  mission.filename = "plans.doc";
  t.world().player.currentserver = kNotConnected;
  GenerateGame(t.game);
  t.timers.setEnabled(TimerId::JumpTimer, true);
  t.timers.setEnabled(TimerId::Userfiletimer, true);
}

// ---- the clock -----------------------------------------------------------

// One periodic event source on the virtual clock: a timer, or the player's
// keyboard. A tick that falls due while another handler holds the thread
// fires once afterwards; missed ticks are not made up.
struct Ticker {
  int intervalMs;
  std::function<bool()> enabled;
  std::function<void()> fire;
  bool counted;  // a world timer's tick
  std::int64_t dueMs = 0;
};

class Soak {
 public:
  Soak(TestGame& t, std::uint32_t playerSeed)
      : t_(t), player_(t, playerSeed), startMs_(t.pace.now), nowMs_(t.pace.now) {
    const auto always = [] { return true; };
    const auto switched = [&t](TimerId id) { return [&t, id] { return t.timers.isEnabled(id); }; };
    Game& g = t.game;
    tickers_ = {
        {999, switched(TimerId::JumpTimer), [this, &g] { jumpTick(g); }, true},
        {1001, switched(TimerId::ChatTimer), [&g] { ChatTimerTimer(g); }, true},
        {1000, switched(TimerId::Userfiletimer), [this, &g] { userfileTick(g); }, true},
        {1000, always, [this, &g] { attackTick(g); }, true},
        {1000, always, [&g] { InfoTimerTimer(g); }, true},
        {30, switched(TimerId::CodeTimer), [this, &g] { codeTick(g); }, false},
        {1000, always, [this] { keyboard(); }, false},
    };
    for (Ticker& ticker : tickers_) ticker.dueMs = nowMs_ + ticker.intervalMs;
  }

  // Runs until the world timers have ticked `ticks` times in all, or a check
  // fails.
  void runTimerTicks(std::int64_t ticks) {
    run([&] { return timerTicks_ >= ticks; });
  }

  // Runs until `seconds` of game time have passed since the start, or a
  // check fails.
  void runSeconds(std::int64_t seconds) {
    run([&] { return simulatedSeconds() >= seconds; });
  }

  const std::string& fault() const { return fault_; }
  std::int64_t timerTicks() const { return timerTicks_; }
  std::int64_t simulatedSeconds() const { return (nowMs_ - startMs_) / 1000; }
  std::int64_t linesTyped() const { return linesTyped_; }

 private:
  void run(const std::function<bool()>& done) {
    while (!done() && fault_.empty()) {
      Ticker& next = earliestEnabled();
      nowMs_ = std::max(nowMs_, next.dueMs);
      // Handlers see the time of day; typing and pauses inside them advance it.
      t_.pace.now = nowMs_ % kDayMs;
      const std::int64_t sleptBefore = t_.pace.slept;
      next.fire();
      nowMs_ += t_.pace.slept - sleptBefore;
      next.dueMs = std::max(next.dueMs + next.intervalMs, nowMs_);
      if (next.counted) ++timerTicks_;
    }
  }

  Ticker& earliestEnabled() {
    Ticker* best = nullptr;
    for (Ticker& ticker : tickers_) {
      // A switched-off timer starts a fresh interval when switched on again.
      if (!ticker.enabled()) {
        ticker.dueMs = nowMs_ + ticker.intervalMs;
        continue;
      }
      if (!best || ticker.dueMs < best->dueMs) best = &ticker;
    }
    return *best;  // the attack timer is always on
  }

  void check(const std::string& fault, const char* after) {
    if (fault.empty() || !fault_.empty()) return;
    fault_ = fault + " after " + after + " at second " + std::to_string(simulatedSeconds());
  }

  void jumpTick(Game& g) {
    JumpTimerTimer(g);
    check(strictPackingFault(t_.world()), "a jump tick");
    t_.jumpLog.clear();
  }

  void userfileTick(Game& g) {
    UserfiletimerTimer(g);
    if (t_.fileLog.lastLine() != "File Timer has completed a full 30 server loop!") {
      check("no closing log line", "a file tick");
    }
    t_.fileLog.clear();
    check(strictPackingFault(t_.world()), "a file tick");
  }

  void attackTick(Game& g) {
    attacktimerTimer(g);
    check(suspicionFault(t_.world()), "cooling");
    check(strictPackingFault(t_.world()), "a program tick");
    if (++seconds_ % 500 == 0) plantProgram();
  }

  void codeTick(Game& g) {
    CodeTimerTimer(g);
    check(driveFault(t_.world().player), "a compiler tick");
  }

  // Once a second, typed or not, every rule is checked.
  void keyboard() {
    if (player_.maybeType()) ++linesTyped_;
    check(worldFault(t_.world()), "a second");
    dropHarnessRecords();
  }

  // The fakes keep everything they are given; a long run keeps only what the
  // checks need, so memory measures the game and not the harness.
  void dropHarnessRecords() {
    if (t_.console.content.size() > 5000) t_.console.clear();
    const std::vector<std::string>& compiled = t_.compiler.content;
    if (compiled.size() > 200 || (!compiled.empty() && compiled.back().size() > 20'000)) {
      t_.compiler.clear();
    }
    t_.pace.sleeps.clear();
  }

  // Now and then a program appears on a server, including the kinds that
  // nothing in the game makes.
  void plantProgram() {
    static const char* const kPrograms[] = {"deleter", "thief", "spy", "hydra", "antivirus"};
    const int round = seconds_ / 500;
    server& host = t_.world().servers[round % kServerCount + 1];
    if (host.filecount >= kServerFileSlots) return;
    addServerFile(host, makeFile(kPrograms[round % 5], "planted.exe"));
  }

  TestGame& t_;
  RandomPlayer player_;
  std::vector<Ticker> tickers_;
  std::int64_t startMs_;
  std::int64_t nowMs_;
  std::int64_t timerTicks_ = 0;
  std::int64_t linesTyped_ = 0;
  int seconds_ = 0;
  std::string fault_;
};

}  // namespace qv::test
