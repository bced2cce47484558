// A long run of every timer on a generated world while a random player types
// commands, checking after every tick that the world stays well formed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "sim_world.h"
#include "world/game_error.h"

namespace qv {
namespace {

using test::TestGame;

// Ticks of the world timers (population, user files, programs, status and,
// while it runs, the chat room): four or five a simulated second, so the
// default is about seven hours of play.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSoakTicks = 20'000;  // the sanitizers make every tick costly
#else
constexpr int kSoakTicks = 100'000;
#endif

constexpr std::int64_t kDayMs = 86'400'000;

// ---- the checks --------------------------------------------------------

bool isEmpty(const Afile& file) {
  return (file.filetype.size() | file.name.size() | file.info.size()) == 0;
}

// Files in slots 1..count each carry a type word (every file ever made has
// one; a name may be empty), and every slot above the count is empty.
template <typename Slots>
std::string packingFault(const Slots& files, std::int32_t count, int capacity) {
  if (count < 0 || count > capacity) return "count " + std::to_string(count) + " out of bounds";
  for (int k = 1; k <= count; ++k) {
    if (files[k].filetype.empty()) return "untyped file in slot " + std::to_string(k);
  }
  for (int k = count + 1; k <= capacity; ++k) {
    if (!isEmpty(files[k])) return "leftover file in slot " + std::to_string(k);
  }
  return {};
}

std::string userFault(const user& u) {
  if (u.nickname.empty()) {
    if (u.filecount != 0 || !u.role.empty() || !u.ip.empty()) return "free slot not cleared";
  }
  return packingFault(u.files, u.filecount, kUserFileSlots);
}

std::string driveFault(const Tplayer& player) {
  if (auto fault = packingFault(player.harddrive, player.filecount, kHarddriveSlots);
      !fault.empty()) {
    return "hard drive: " + fault;
  }
  return {};
}

std::string worldFault(const World& world) {
  for (int i = 1; i <= kServerCount; ++i) {
    const server& host = world.servers[i];
    const std::string where = "server " + std::to_string(i) + ": ";
    if (auto fault = packingFault(host.files, host.filecount, kServerFileSlots); !fault.empty()) {
      return where + fault;
    }
    for (int j = 1; j <= kUserSlots; ++j) {
      if (auto fault = userFault(host.users[j]); !fault.empty()) {
        return where + "user " + std::to_string(j) + ": " + fault;
      }
    }
  }
  return driveFault(world.player);
}

std::string suspicionFault(const World& world) {
  for (int i = 1; i <= kServerCount; ++i) {
    if (world.servers[i].suspicion > 100) return "server " + std::to_string(i) + " above 100";
  }
  return {};
}

// ---- the player ----------------------------------------------------------

// Types a random command now and then, with names taken from the world so
// that many of them find something to work on.
class RandomPlayer {
 public:
  explicit RandomPlayer(TestGame& t) : t_(t) { pick_.seed = 20'240'601; }

  // True when a line was typed.
  bool maybeType() {
    if (pick_(4) != 0) return false;
    try {
      t_.enter(nextLine());
    } catch (const GameError&) {
      // An error box: the game goes on.
    }
    return true;
  }

 private:
  std::string nextLine() {
    World& world = t_.world();
    const server& some = world.servers[pick_(kServerCount) + 1];
    const std::int32_t here = world.player.currentserver;
    const server* current = here >= 1 && here <= kServerCount ? &world.servers[here] : nullptr;
    switch (pick_(16)) {
      case 0:
      case 1:
        return "//dial " + std::to_string(some.phone);
      case 2:
        return "//ls";
      case 3:
        return current && current->filecount > 0
                   ? "//download " + current->files[pick_(current->filecount) + 1].name
                   : "//whois";
      case 4:
      case 5: {
        const Tplayer& p = world.player;
        return p.filecount > 0 ? "//uploadfile " + p.harddrive[pick_(p.filecount) + 1].name
                               : "//harddrive";
      }
      case 6:
        return pick_(2) == 0 ? "//create virus deleter" : "//create virus thief";
      case 7:
        return "//delete harddrive " + world.player.harddrive[pick_(kHarddriveSlots) + 1].name;
      case 8:
        return "//logoff";
      case 9:
        return "//chatroom";
      case 10:
        return "//who " + some.users[pick_(kUserSlots) + 1].nickname;
      case 11:
        return "//idip " + some.ip.str();
      case 12:
        return "//spyreport";
      case 13:
        return "//servername";
      case 14:
        return "//clear";
      default:
        return "//bankaccount";
    }
  }

  TestGame& t_;
  Random pick_;
};

// ---- the clock -----------------------------------------------------------

// One periodic event source on the virtual clock: a timer, or the player's
// keyboard. A tick that falls due while another handler holds the thread
// fires once afterwards; missed ticks are not made up.
struct Ticker {
  int intervalMs;
  std::function<bool()> enabled;
  std::function<void()> fire;
  bool counted;  // a world timer's tick, counted towards the soak's length
  std::int64_t dueMs = 0;
};

class Soak {
 public:
  explicit Soak(TestGame& t) : t_(t), player_(t) {
    const auto always = [] { return true; };
    const auto switched = [&t](TimerId id) { return [&t, id] { return t.timers.isEnabled(id); }; };
    Game& g = t.game;
    tickers_ = {
        {999, switched(TimerId::JumpTimer), [this, &g] { jumpTick(g); }, true},
        {1001, switched(TimerId::ChatTimer), [&g] { g.ChatTimerTimer(); }, true},
        {1000, switched(TimerId::Userfiletimer), [this, &g] { userfileTick(g); }, true},
        {1000, always, [this, &g] { attackTick(g); }, true},
        {1000, always, [&g] { g.InfoTimerTimer(); }, true},
        {30, switched(TimerId::CodeTimer), [this, &g] { codeTick(g); }, false},
        {1000, always, [this] { keyboard(); }, false},
    };
    for (Ticker& ticker : tickers_) ticker.dueMs = nowMs_ + ticker.intervalMs;
  }

  // Runs until the world timers have ticked `ticks` times or a check fails.
  void run(int ticks) {
    while (ticks_ < ticks && fault_.empty()) {
      Ticker& next = earliestEnabled();
      nowMs_ = std::max(nowMs_, next.dueMs);
      // Handlers see the time of day; typing and pauses inside them advance it.
      t_.pace.now = nowMs_ % kDayMs;
      const std::int64_t sleptBefore = t_.pace.slept;
      next.fire();
      nowMs_ += t_.pace.slept - sleptBefore;
      next.dueMs = std::max(next.dueMs + next.intervalMs, nowMs_);
      if (next.counted) ++ticks_;
    }
  }

  const std::string& fault() const { return fault_; }
  int ticks() const { return ticks_; }

 private:
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
    fault_ = fault + " after " + after + " at tick " + std::to_string(ticks_);
  }

  void jumpTick(Game& g) {
    g.JumpTimerTimer();
    check(worldFault(t_.world()), "a jump tick");
    t_.jumpLog.clear();
  }

  void userfileTick(Game& g) {
    g.UserfiletimerTimer();
    if (t_.fileLog.lastLine() != "File Timer has completed a full 30 server loop!") {
      check("no closing log line", "a file tick");
    }
    t_.fileLog.clear();
    check(worldFault(t_.world()), "a file tick");
  }

  void attackTick(Game& g) {
    g.attacktimerTimer();
    check(suspicionFault(t_.world()), "cooling");
    check(worldFault(t_.world()), "a program tick");
    if (++seconds_ % 500 == 0) plantProgram();
  }

  void codeTick(Game& g) {
    g.CodeTimerTimer();
    check(driveFault(t_.world().player), "a compiler tick");
  }

  void keyboard() {
    if (player_.maybeType()) check(worldFault(t_.world()), "a command");
    // The fakes keep everything; a long run keeps only what the checks need.
    if (t_.console.content.size() > 5000) t_.console.clear();
    t_.pace.sleeps.clear();
  }

  // Now and then a program appears on a server, including the kinds that
  // nothing in the game makes.
  void plantProgram() {
    static const char* const kPrograms[] = {"deleter", "thief", "spy", "hydra", "antivirus"};
    const int round = seconds_ / 500;
    server& host = t_.world().servers[round % kServerCount + 1];
    if (host.filecount >= kServerFileSlots) return;
    test::addServerFile(host, test::makeFile(kPrograms[round % 5], "planted.exe"));
  }

  TestGame& t_;
  RandomPlayer player_;
  std::vector<Ticker> tickers_;
  std::int64_t nowMs_ = test::kNoonishMs;
  int ticks_ = 0;
  int seconds_ = 0;
  std::string fault_;
};

TEST(SimulationSoak, WorldStaysWellFormedThroughManyTicks) {
  TestGame t;
  TMission& mission = t.world().mission;
  mission.missiontype = "aquiremoney";
  mission.targetserver = "Soak Target";
  mission.money = 50'000;
  mission.filename = "plans.doc";
  t.world().player.currentserver = kNotConnected;
  t.game.GenerateGame();
  ASSERT_EQ(worldFault(t.world()), "") << "as generated";
  t.timers.setEnabled(TimerId::JumpTimer, true);
  t.timers.setEnabled(TimerId::Userfiletimer, true);
  t.jumpLog.maxLines = 0;
  t.fileLog.maxLines = 0;

  Soak soak(t);
  soak.run(kSoakTicks);
  EXPECT_EQ(soak.fault(), "");
  EXPECT_EQ(soak.ticks(), kSoakTicks);
}

}  // namespace
}  // namespace qv
