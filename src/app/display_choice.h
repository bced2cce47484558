#pragma once

#include <string>
#include <vector>

namespace qv {

// What the program can show its windows on, read before Qt starts: Qt
// aborts the program when it cannot open the window system it picked.
struct DisplaySession {
  // The player's choice of Qt platform: -platform's value, else
  // QT_QPA_PLATFORM ("wayland", "xcb;offscreen", "offscreen:size=...").
  // Empty when none was made.
  std::string chosenPlatform;
  bool chosenOnCommandLine = false;
  bool x11 = false;      // DISPLAY is set (under Wayland: XWayland is there)
  bool wayland = false;  // WAYLAND_DISPLAY is set, or the session says it is Wayland
  // The platforms Qt has a plugin for ("xcb", "wayland", "offscreen" ...).
  std::vector<std::string> installedPlatforms;
};

struct DisplayChoice {
  // The platform to set as QT_QPA_PLATFORM before Qt starts; empty to leave
  // the choice to Qt.
  std::string platform;
  // When no window system can be used: the one line that says what is
  // missing and what to do.
  std::string refusal;
};

// A Wayland session that offers XWayland runs the game through it, unless
// the player chose a platform: a Wayland compositor places every window
// itself and decides which one has the keyboard, and the game's windows are
// placed side by side and keep the keyboard where the player types.
DisplayChoice chooseDisplay(const DisplaySession& session);

}  // namespace qv
