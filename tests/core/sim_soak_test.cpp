// A long run of every timer on a generated world while a random player types
// commands, checking after every tick that the world stays well formed. The
// soak driver (soak/) runs the same for millions of simulated seconds.

#include <gtest/gtest.h>

#include "world_soak.h"

namespace qv {
namespace {

// Ticks of the world timers (population, user files, programs, status and,
// while it runs, the chat room): four or five a simulated second, so the
// default is about seven hours of play.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSoakTicks = 20'000;  // the sanitizers make every tick costly
#else
constexpr int kSoakTicks = 100'000;
#endif

TEST(SimulationSoak, WorldStaysWellFormedThroughManyTicks) {
  test::TestGame t;
  test::startSoakWorld(t, "aquiremoney");
  ASSERT_EQ(test::worldFault(t.world()), "") << "as generated";

  test::Soak soak(t, 20'240'601);
  soak.runTimerTicks(kSoakTicks);
  EXPECT_EQ(soak.fault(), "");
  EXPECT_EQ(soak.timerTicks(), kSoakTicks);
  EXPECT_GT(soak.linesTyped(), 0);
}

}  // namespace
}  // namespace qv
