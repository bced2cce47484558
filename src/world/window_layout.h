#pragma once

namespace qv {

// A rectangle in a screen's logical pixels: x and y its top left, and
// right() and bottom() one past its last column and row.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool contains(const Box& other) const {
    return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
  }
  bool overlaps(const Box& other) const {
    return x < other.right() && other.x < right() && y < other.bottom() && other.y < bottom();
  }
  friend bool operator==(const Box&, const Box&) = default;
};

// The three windows a game keeps open side by side, each by its outer
// rectangle (the window manager's frame included).
struct WindowGroup {
  Box game;
  Box compiler;
  Box status;
};

// Where the game, compiler and status windows go on a screen's available
// area. `drawn` holds each window at the place it was drawn at, in its real
// outer size; `inputLine` is the height of the strip at the bottom of the
// game window (its frame included) where the player types.
//
// Where the drawn places lie on the area with no window covering another,
// they stay. Otherwise the windows stand apart, a margin from each other and
// from the area's edges: in one row if they fit at their sizes, else the game
// window with the status window above the compiler window beside it, these
// two shrunk as far as needed. Any area of 1280 x 720 or more holds them so.
// On smaller areas the game window fills what it can at the bottom and the
// other two lie over its upper part, never over its input line.
WindowGroup arrangeWindowGroup(const Box& area, const WindowGroup& drawn, int inputLine);

}  // namespace qv
