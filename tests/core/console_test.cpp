#include <gtest/gtest.h>

#include "fakes.h"
#include "world/console.h"

namespace qv {
namespace {

using test::TestGame;

TEST(Typetext, GrowsOneCharacterEveryTypingStep) {
  TestGame t;
  const std::string text = "Logging onto hacker chatroom as.";  // 32 characters
  ASSERT_EQ(text.size(), 32u);
  std::vector<std::string> seen;
  t.pace.onSleep = [&] { seen.push_back(t.console.lastLine()); };
  typetext(t.game, text);
  ASSERT_EQ(seen.size(), 32u);
  EXPECT_EQ(seen.front(), "L");
  EXPECT_EQ(seen[9], text.substr(0, 10));
  EXPECT_EQ(seen.back(), text);
  EXPECT_EQ(t.pace.slept, 32 * kTypingStepMs);
  EXPECT_EQ(t.console.content, (std::vector<std::string>{text}));
}

TEST(Typetext, EmptyTextLeavesAnEmptyLineWithoutWaiting) {
  TestGame t;
  addLine(t.game, "before");
  typetext(t.game, "");
  EXPECT_EQ(t.console.content, (std::vector<std::string>{"before", ""}));
  EXPECT_EQ(t.pace.slept, 0);
}

TEST(Typetext, TypeKeepsTheMessageInOutputline) {
  TestGame t;
  type(t.game, "Upload complete");
  EXPECT_EQ(t.game.outputline, "Upload complete");
  EXPECT_EQ(t.console.lastLine(), "Upload complete");
}

}  // namespace
}  // namespace qv
