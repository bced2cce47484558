// CPU time of one simulated second of the living world (every timer's work
// once: population, user files, programs, the status text and a second's
// worth of compiler ticks) on a fully populated world, beside the floor: a
// bare loop that touches every server file slot and every user slot once.

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "commands/compiler.h"
#include "fakes.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/status.h"
#include "sim/userfiles.h"
#include "sim_world.h"

namespace {

using qv::test::TestGame;

constexpr int kRuns = 2000;
constexpr int kWarmUpSeconds = 200;  // lets every stay run out, as in a long game
constexpr int kCodeTicksPerSecond = 33;
constexpr double kTargetFactor = 20.0;

std::int64_t cpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<std::int64_t> samples) {
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return static_cast<double>(samples[samples.size() / 2]) / 1000.0;
}

std::int64_t timed(const std::function<void()>& work) {
  const std::int64_t start = cpuNanoseconds();
  work();
  return cpuNanoseconds() - start;
}

struct Medians {
  double workUs;
  double floorUs;
};

// The work and the floor alternate, so a machine busy with other programs
// slows both alike and the ratio stays fair.
Medians alternate(int runs, const std::function<void()>& work, const std::function<void()>& floor,
                  const std::function<void()>& between) {
  std::vector<std::int64_t> workNs, floorNs;
  workNs.reserve(static_cast<std::size_t>(runs));
  floorNs.reserve(static_cast<std::size_t>(runs));
  for (int run = 0; run < runs; ++run) {
    workNs.push_back(timed(work));
    between();
    floorNs.push_back(timed(floor));
  }
  return {median(workNs), median(floorNs)};
}

void oneSecond(TestGame& t) {
  qv::Game& g = t.game;
  JumpTimerTimer(g);
  UserfiletimerTimer(g);
  attacktimerTimer(g);
  InfoTimerTimer(g);
  for (int tick = 0; tick < kCodeTicksPerSecond; ++tick) CodeTimerTimer(g);
}

// Outside the measured time: the clock moves on and the fake panes, which
// trim far slower than the real panels, are emptied.
void betweenSeconds(TestGame& t) {
  t.pace.now += 1000;
  t.jumpLog.clear();
  t.fileLog.clear();
  t.console.clear();
  t.compiler.clear();
}

std::int64_t touchEverySlot(const qv::World& world) {
  std::int64_t sum = 0;
  for (const qv::server& host : world.servers) {
    for (const qv::Afile& file : host.files) sum += static_cast<std::int64_t>(file.filetype.size());
    for (const qv::user& u : host.users) sum += u.filecount;
  }
  return sum;
}

}  // namespace

int main() {
  TestGame t;
  t.jumpLog.maxLines = 0;
  t.fileLog.maxLines = 0;
  qv::test::buildWorld(t.game, true);
  t.world().player.currentserver = 1;
  // A program being produced the whole time, and a few planted programs
  // that leave the world full.
  t.game.codeticks = 1'000'000'000;
  t.game.programkind = "thief";
  for (int i = 1; i <= qv::kServerCount; i += 3) {
    t.srv(i).files[qv::kServerFileSlots] = qv::test::makeFile(i % 2 ? "thief" : "spy", "p.exe");
  }
  for (int second = 0; second < kWarmUpSeconds; ++second) {
    oneSecond(t);
    betweenSeconds(t);
  }

  volatile std::int64_t sink = 0;
  const Medians m = alternate(
      kRuns, [&] { oneSecond(t); }, [&] { sink = sink + touchEverySlot(t.world()); },
      [&] { betweenSeconds(t); });
  const double simulated = m.workUs;
  const double floor = m.floorUs;

  std::printf("one simulated second: %.1f us (CPU, median of %d)\n", simulated, kRuns);
  std::printf("floor, every slot touched once: %.1f us\n", floor);
  const double ratio = simulated / floor;
  std::printf("ratio: %.1f x floor (target: at most %.0f x): %s\n", ratio, kTargetFactor,
              ratio <= kTargetFactor ? "met" : "missed");
  return 0;
}
