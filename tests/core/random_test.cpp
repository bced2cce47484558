#include <gtest/gtest.h>

#include "fakes.h"
#include "world/random.h"

namespace qv {
namespace {

TEST(Random, KnownSequenceFromSeedZero) {
  Random random;
  std::vector<int> draws;
  for (int i = 0; i < 5; ++i) draws.push_back(random(100));
  EXPECT_EQ(draws, (std::vector<int>{0, 3, 86, 20, 27}));
  EXPECT_EQ(random.seed, 1172187917u);
}

TEST(Random, ReseedFromTimeOfDay) {
  Random random;
  random.reseed(test::kNoonishMs);
  EXPECT_EQ(random.seed, 45296789u);
  std::vector<int> draws;
  for (int i = 0; i < 4; ++i) draws.push_back(random(256));
  EXPECT_EQ(draws, (std::vector<int>{125, 69, 90, 6}));
}

TEST(Random, StaysInRangeAndZeroGivesZero) {
  Random random;
  random.reseed(86'399'999);
  for (int i = 0; i < 10000; ++i) {
    const int d = random(7);
    ASSERT_GE(d, 0);
    ASSERT_LT(d, 7);
  }
  EXPECT_EQ(random(0), 0);
  EXPECT_EQ(random(1), 0);
}

}  // namespace
}  // namespace qv
