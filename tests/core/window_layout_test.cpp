#include <gtest/gtest.h>

#include <cmath>

#include "world/window_layout.h"

namespace qv {

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << b.x << "," << b.y << " " << b.width << "x" << b.height;
}

namespace {

// Screens of real sizes, scales and panels, each without a window manager
// and with one that frames a window 2 px wider and 25 px taller (device
// pixels). On 1280 x 720 logical pixels and more the three windows lie on
// the area apart; on less the game's input line stays clear.
TEST(WindowLayout, TheGroupStandsApartOnEveryScreenOfAtLeast1280x720) {
  const struct {
    Box screen;  // device pixels
    int panel;   // at the top, device pixels
    double scale;
    bool keepsDrawn;
  } cases[] = {
      {{0, 0, 1920, 1080}, 0, 1, true},      {{0, 0, 3840, 2160}, 0, 2, true},
      {{0, 0, 2560, 1440}, 0, 1, true},      {{0, 0, 1680, 1050}, 0, 1, true},
      {{0, 0, 1366, 768}, 0, 1, false},      {{0, 0, 1366, 768}, 27, 1, false},
      {{0, 0, 1920, 1080}, 0, 1.25, false},  {{0, 0, 1920, 1080}, 0, 1.5, false},
      {{0, 0, 1600, 900}, 0, 1, false},      {{0, 0, 1280, 720}, 0, 1, false},
      {{1920, 0, 1366, 768}, 0, 1, false},   {{0, 0, 1920, 1080}, 0, 2, false},
      {{0, 0, 1024, 600}, 0, 1, false},      {{0, 0, 800, 600}, 0, 1, false},
      {{0, 0, 2256, 1504}, 40, 1.75, false},
  };
  for (const auto& c : cases) {
    for (const bool framed : {false, true}) {
      auto logical = [&](int device) { return static_cast<int>(std::ceil(device / c.scale)); };
      const int frameWidth = framed ? logical(2) : 0;
      const int frameHeight = framed ? logical(25) : 0;
      const Box area{logical(c.screen.x), logical(c.screen.y + c.panel),
                     static_cast<int>(c.screen.width / c.scale),
                     static_cast<int>((c.screen.height - c.panel) / c.scale)};
      const WindowGroup drawn{{409, 508, 865 + frameWidth, 459 + frameHeight},
                              {8, 508, 394 + frameWidth, 459 + frameHeight},
                              {940, 326, 333 + frameWidth, 155 + frameHeight}};
      const int inputLine = 26 + (framed ? logical(4) : 0);
      const WindowGroup placed = arrangeWindowGroup(area, drawn, inputLine);
      SCOPED_TRACE(testing::Message() << "area " << area << (framed ? " framed" : ""));
      const Box windows[] = {placed.game, placed.compiler, placed.status};
      for (const Box& window : windows) EXPECT_GT(window.width * window.height, 0) << window;
      EXPECT_EQ(placed.game == drawn.game && placed.status == drawn.status, c.keepsDrawn);
      EXPECT_TRUE(area.contains(placed.game)) << placed.game;
      const Box line{placed.game.x, placed.game.bottom() - inputLine, placed.game.width, inputLine};
      EXPECT_FALSE(line.overlaps(placed.compiler) || line.overlaps(placed.status));
      if (area.width < 1280 || area.height < 720) continue;
      for (const Box& window : windows) EXPECT_TRUE(area.contains(window)) << window;
      EXPECT_FALSE(placed.game.overlaps(placed.compiler)) << placed.compiler;
      EXPECT_FALSE(placed.game.overlaps(placed.status)) << placed.status;
      EXPECT_FALSE(placed.compiler.overlaps(placed.status));
    }
  }
}

}  // namespace
}  // namespace qv
