#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "sim/status.h"

namespace qv {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

const Lines kStable = {"Config.sys... stable", "Commands.sys... stable"};

TEST(InfoTimer, BeforeTheFirstGameBothFilesShowCompromised) {
  TestGame t;
  InfoTimerTimer(t.game);
  EXPECT_EQ(t.status.content, (Lines{"Config.sys... compramised", "Commands.sys... compramised"}));
}

TEST(InfoTimer, ShowsTheCurrentServersSuspicionOnlyWhenOnAServer) {
  struct Case {
    std::int32_t currentserver;
    std::int32_t suspicion;
    Lines extra;
  };
  const Case cases[] = {{7, 35, {"Current server suspicion: 35"}},
                        {30, 105, {"Current server suspicion: 105"}},
                        {1, -3, {"Current server suspicion: -3"}},
                        {kInChatroom, 35, {}},
                        {kNotConnected, 35, {}},
                        {0, 35, {}}};
  for (const Case& c : cases) {
    TestGame t;
    t.world().player.configstable = 1;
    t.world().player.commandsstable = 1;
    t.world().player.currentserver = c.currentserver;
    if (c.currentserver >= 1 && c.currentserver <= kServerCount) {
      t.srv(c.currentserver).suspicion = c.suspicion;
    }
    t.status.appendLine("typed by the player");
    InfoTimerTimer(t.game);
    Lines expected = kStable;
    expected.insert(expected.end(), c.extra.begin(), c.extra.end());
    EXPECT_EQ(t.status.content, expected) << "on " << c.currentserver;
  }
}

TEST(InfoTimer, OtherFlagValuesShowNoFileLine) {
  TestGame t;
  t.world().player.configstable = 2;
  t.world().player.commandsstable = 0;
  InfoTimerTimer(t.game);
  EXPECT_EQ(t.status.content, Lines{"Commands.sys... compramised"});
}

}  // namespace
}  // namespace qv
