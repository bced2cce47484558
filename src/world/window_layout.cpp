#include "world/window_layout.h"

#include <algorithm>
#include <optional>

namespace qv {
namespace {

// Between two windows, and between a window and the area's edge: room for a
// window manager's frame a little larger than the one the sizes assume.
constexpr int kMargin = 6;
// The least a shrunk compiler or status window keeps: a few lines of text.
constexpr int kLeastWidth = 240;
constexpr int kLeastHeight = 120;

bool standApart(const Box& area, const WindowGroup& group) {
  return area.contains(group.game) && area.contains(group.compiler) &&
         area.contains(group.status) && !group.game.overlaps(group.compiler) &&
         !group.game.overlaps(group.status) && !group.compiler.overlaps(group.status);
}

Box inset(const Box& area, int by) {
  return {area.x + by, area.y + by, std::max(0, area.width - 2 * by),
          std::max(0, area.height - 2 * by)};
}

// Left to right the compiler, the game and the status window, their tops
// level, the row in the middle of the area.
std::optional<WindowGroup> inRow(const Box& inner, const WindowGroup& drawn) {
  const Box& game = drawn.game;
  const Box& compiler = drawn.compiler;
  const Box& status = drawn.status;
  const int width = compiler.width + game.width + status.width + 2 * kMargin;
  const int height = std::max({compiler.height, game.height, status.height});
  if (width > inner.width || height > inner.height) return std::nullopt;
  const int x = inner.x + (inner.width - width) / 2;
  const int y = inner.y + (inner.height - height) / 2;
  const int gameX = x + compiler.width + kMargin;
  const int statusX = gameX + game.width + kMargin;
  return WindowGroup{.game = {gameX, y, game.width, game.height},
                     .compiler = {x, y, compiler.width, compiler.height},
                     .status = {statusX, y, status.width, status.height}};
}

// The game window on the right; on its left a column of the status window
// above the compiler window, narrowed and shortened as far as needed. The
// bottoms of the game and compiler windows are level, as they were drawn.
std::optional<WindowGroup> besideColumn(const Box& inner, const WindowGroup& drawn) {
  const Box& game = drawn.game;
  const Box& compiler = drawn.compiler;
  const Box& status = drawn.status;
  const int column =
      std::min(std::max(compiler.width, status.width), inner.width - game.width - kMargin);
  if (game.height > inner.height || column < kLeastWidth) return std::nullopt;
  int compilerHeight = compiler.height;
  int statusHeight = status.height;
  const int tooTall = statusHeight + kMargin + compilerHeight - inner.height;
  if (tooTall > 0) {
    const int fromCompiler = std::clamp(compilerHeight - kLeastHeight, 0, tooTall);
    compilerHeight -= fromCompiler;
    statusHeight -= tooTall - fromCompiler;
    if (statusHeight < std::min(kLeastHeight, status.height)) return std::nullopt;
  }
  const int width = column + kMargin + game.width;
  const int height = std::max(game.height, statusHeight + kMargin + compilerHeight);
  const int x = inner.x + (inner.width - width) / 2;
  const int y = inner.y + (inner.height - height) / 2;
  return WindowGroup{
      .game = {x + column + kMargin, y + height - game.height, game.width, game.height},
      .compiler = {x, y + height - compilerHeight, std::min(compiler.width, column),
                   compilerHeight},
      .status = {x, y, std::min(status.width, column), statusHeight}};
}

// The game window as large as it may be at the bottom of the area; the
// compiler window over its top left and the status window over its top
// right, both ending above its input line.
WindowGroup overGame(const Box& inner, const WindowGroup& drawn, int inputLine) {
  const int gameWidth = std::min(drawn.game.width, inner.width);
  const int gameHeight = std::min(drawn.game.height, inner.height);
  const Box game{inner.x + (inner.width - gameWidth) / 2, inner.bottom() - gameHeight, gameWidth,
                 gameHeight};
  const int height = std::max(0, game.bottom() - inputLine - kMargin - inner.y);
  const int half = (inner.width - kMargin) / 2;
  const int statusWidth = std::min(drawn.status.width, half);
  return WindowGroup{.game = game,
                     .compiler = {inner.x, inner.y, std::min(drawn.compiler.width, half),
                                  std::min(drawn.compiler.height, height)},
                     .status = {inner.right() - statusWidth, inner.y, statusWidth,
                                std::min(drawn.status.height, height)}};
}

}  // namespace

WindowGroup arrangeWindowGroup(const Box& area, const WindowGroup& drawn, int inputLine) {
  if (standApart(area, drawn)) return drawn;
  const Box inner = inset(area, kMargin);
  if (auto row = inRow(inner, drawn)) return *row;
  if (auto column = besideColumn(inner, drawn)) return *column;
  return overGame(inner, drawn, inputLine);
}

}  // namespace qv
